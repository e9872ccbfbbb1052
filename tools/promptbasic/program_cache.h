// The cache of `promptbasic run`: one folder per program, named by a hash of
// the program's C++ translation (which follows from the source and its
// includes), the mode and the toolchain's identity.
#pragma once
#include <string>

namespace promptbasic {

// The cache's root: $PROMPTBASIC_CACHE, else $XDG_CACHE_HOME/promptbasic,
// else $HOME/.cache/promptbasic, else a folder under the temporary directory.
std::string CacheRoot();

// The folder for one program's build.
std::string CacheFolder(const std::string& root, const std::string& cpp, bool console,
                        const std::string& toolchainIdentity);

}  // namespace promptbasic
