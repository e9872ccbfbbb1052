// PNG files of a Picture: indexed (4 or 8 bits a pixel) when it has at most
// 256 colours, 8-bit RGB otherwise; no ancillary chunks (no time stamp),
// so the same picture always gives the same bytes.
#pragma once
#include "tools/capture/picture.h"

#include <cstdio>
#include <string>
#include <vector>

// The whole PNG file in memory. False only when the encoder fails.
bool EncodePng(const Picture& picture, std::vector<unsigned char>& png);

// Opens (creates or truncates) a file for a PNG; null with error set when it
// cannot be written. Lets a tool refuse an unwritable path before it works.
std::FILE* OpenPngFile(const std::string& path, std::string& error);

// Encodes the picture into a file from OpenPngFile and closes it. On failure
// error says why and the file is removed, so no partial PNG stays behind.
bool WritePngAndClose(std::FILE* file, const std::string& path, const Picture& picture,
                      std::string& error);

// Writes an encoded PNG into a file from OpenPngFile and closes it; on
// failure as WritePngAndClose.
bool WriteBytesAndClose(std::FILE* file, const std::string& path, const std::vector<unsigned char>& png,
                        std::string& error);

// OpenPngFile and WriteBytesAndClose in one, for a PNG encoded beforehand.
bool WritePngBytes(const std::string& path, const std::vector<unsigned char>& png, std::string& error);

// OpenPngFile and WritePngAndClose in one.
bool WritePngFile(const std::string& path, const Picture& picture, std::string& error);
