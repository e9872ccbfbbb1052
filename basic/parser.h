// The recursive-descent parser: tokens in, syntax tree out. On an error it
// records a diagnostic and goes on at the next statement, so one run reports
// every error of the program.
#pragma once
#include <vector>

#include "basic/diagnostics.h"
#include "basic/syntax.h"
#include "basic/token.h"

namespace basic {

Program ParseProgram(std::vector<Token> tokens, Diagnostics& diagnostics);

}  // namespace basic
