// Test support: PNG files read back with libpng's own decoder.
#pragma once
#include "tools/capture/picture.h"

#include <string>
#include <vector>

// The picture as 0x00BBGGRR pixels; false when libpng refuses the data.
bool DecodePng(const std::vector<unsigned char>& png, Picture& picture, std::string& error);
bool ReadPngFile(const std::string& path, Picture& picture, std::string& error);

std::vector<unsigned char> ReadFileBytes(const std::string& path);
