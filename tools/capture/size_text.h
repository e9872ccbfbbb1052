// Sizes given on a command line as WIDTHxHEIGHT.
#pragma once
#include <cstdint>
#include <string_view>

// The largest side accepted. A screen or window this size already needs a
// quarter of a gigabyte per surface; larger ones are refused as mistakes.
inline constexpr int32_t kMaxPictureSide = 8192;

// "WIDTHxHEIGHT" with both whole decimal numbers from 1 to kMaxPictureSide.
bool ParseSizeText(std::string_view text, int32_t& width, int32_t& height);
