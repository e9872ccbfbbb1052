#include "tools/promptbasic/program_cache.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace promptbasic {
namespace {

// FNV-1a over the text, from a given basis; two bases give a 128-bit name,
// ample for telling programs apart in one user's cache.
uint64_t Fnv1a(const std::string& text, uint64_t hash) {
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string CacheRoot() {
    if (std::string dir = Environment("PROMPTBASIC_CACHE"); !dir.empty()) return dir;
    if (std::string dir = Environment("XDG_CACHE_HOME"); !dir.empty()) return dir + "/promptbasic";
    if (std::string dir = Environment("HOME"); !dir.empty()) return dir + "/.cache/promptbasic";
    return (std::filesystem::temp_directory_path() /
            ("promptbasic-" + std::to_string(getuid())))
        .string();
}

std::string CacheFolder(const std::string& root, const std::string& cpp, bool console,
                        const std::string& toolchainIdentity) {
    const std::string key = cpp + (console ? "\nconsole\n" : "\nwindow\n") + toolchainIdentity;
    char name[33];
    std::snprintf(name, sizeof name, "%016llx%016llx",
                  static_cast<unsigned long long>(Fnv1a(key, 0xcbf29ce484222325ULL)),
                  static_cast<unsigned long long>(Fnv1a(key, 0x84222325cbf29ce4ULL)));
    return root + "/" + name;
}

}  // namespace promptbasic
