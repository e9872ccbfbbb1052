// The C++ emitter: the checked program in, one C++ translation unit out, in
// the shape the runtime's BASIC routines expect (runtime/basic/basic.h).
#pragma once
#include <string>

#include "basic/checker.h"
#include "basic/compiler.h"

namespace basic {

std::string EmitProgram(const CheckedProgram& checked, ProgramMode mode, const std::string& sourceName);

}  // namespace basic
