// The hand-written scanner: source lines in, tokens out. Include lines
// ('$INCLUDE: 'file') are replaced by the tokens of the file they name.
#pragma once
#include <vector>

#include "basic/diagnostics.h"
#include "basic/source.h"
#include "basic/token.h"

namespace basic {

// Scans file `root` of sources (and loads its includes into sources). The
// tokens end with kNewline and kEndOfInput.
std::vector<Token> ScanProgram(SourceSet& sources, int root, Diagnostics& diagnostics);

}  // namespace basic
