// Parsing WIDTHxHEIGHT.
#include "tools/capture/size_text.h"

#include <charconv>

namespace {

bool ParseSide(std::string_view text, int32_t& side) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    const char* end = text.data() + text.size();
    const auto [stop, status] = std::from_chars(text.data(), end, side);
    return status == std::errc() && stop == end && side >= 1 && side <= kMaxPictureSide;
}

}  // namespace

bool ParseSizeText(std::string_view text, int32_t& width, int32_t& height) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos) return false;
    return ParseSide(text.substr(0, cross), width) && ParseSide(text.substr(cross + 1), height);
}
