// A zlib stream of PNG scanlines made of runs of equal bytes, for indexed
// pictures: large areas of one colour become back-references to the byte
// before, everything else literals, in one deflate block whose Huffman code
// is fixed in advance and suits such runs (a run of 258 bytes costs two
// bits). zlib's run-length strategy makes streams of the same size, but it
// looks at every byte one at a time; this compares eight at a time and so
// takes a small fraction of the time on a screenful that is mostly black.
#pragma once
#include <cstdint>
#include <vector>

// Replaces stream's contents with the zlib stream (header, deflate data,
// Adler-32) of raw; any input gives a stream that inflates to it exactly.
void DeflateRuns(const std::vector<uint8_t>& raw, std::vector<uint8_t>& stream);
