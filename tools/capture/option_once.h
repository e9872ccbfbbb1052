// The tools' command lines take each option at most once.
#pragma once
#include <string>
#include <string_view>

// Marks `option` as seen; false, with the error set, when it already was.
inline bool FirstTime(bool& seen, std::string_view option, std::string& error) {
    if (seen) {
        error = "option " + std::string(option) + " given more than once";
        return false;
    }
    seen = true;
    return true;
}
