#include "tools/swarmsim/video_format.h"

#include <cctype>
#include <string>

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() <= suffix.size()) return false;  // a bare ".gif" names no file
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(tail[i])) != suffix[i]) return false;
    return true;
}

}  // namespace

VideoFormat VideoFormatOf(std::string_view path) {
    if (EndsWithIgnoringCase(path, ".mp4")) return VideoFormat::kMp4;
    if (EndsWithIgnoringCase(path, ".webm")) return VideoFormat::kWebm;
    if (EndsWithIgnoringCase(path, ".gif")) return VideoFormat::kGif;
    return VideoFormat::kNone;
}
