// Run-length deflate with a Huffman code chosen once for black-heavy pictures.
#include "tools/capture/png_runs.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr int kLiteralLengthCodes = 286;
constexpr int kLongestMatch = 258;
constexpr int kShortestMatch = 3;
constexpr int kEndOfBlock = 256;
constexpr int kLongestMatchCode = 285;

// The code's bit lengths: the longest match gets one bit (the bit that makes
// long runs nearly free), the other codes nine or ten bits, which fills the
// code exactly (227/512 + 58/1024 + 1/2 = 1). The one distance used, 1, has
// a one-bit code.
constexpr int kNineBitCodes = 227;
int CodeLength(int symbol) {
    if (symbol == kLongestMatchCode) return 1;
    return symbol < kNineBitCodes ? 9 : 10;
}

// The code lengths are sent with a code of their own over the values 9 (one
// bit), 1 and 10 (two bits each). HCLEN lists code-length code lengths in
// this order, up to the last one used (the value 1, at position 17).
constexpr std::array<int, 19> kCodeLengthOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
constexpr int kCodeLengthCodesSent = 18;
int CodeLengthCodeLength(int value) { return value == 9 ? 1 : (value == 1 || value == 10) ? 2 : 0; }

struct Code {
    uint16_t bits = 0;  // reversed, ready to be written lowest bit first
    uint8_t length = 0;
};

uint16_t Reverse(uint16_t code, int length) {
    uint16_t reversed = 0;
    for (int i = 0; i < length; ++i) reversed = static_cast<uint16_t>(reversed << 1 | ((code >> i) & 1));
    return reversed;
}

// Canonical Huffman codes from bit lengths, as the deflate format defines them.
template <std::size_t N>
std::array<Code, N> CanonicalCodes(int (*lengthOf)(int)) {
    std::array<int, 16> count{};
    for (std::size_t s = 0; s < N; ++s) ++count[lengthOf(static_cast<int>(s))];
    count[0] = 0;
    std::array<int, 16> next{};
    for (int bits = 1, code = 0; bits < 16; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    std::array<Code, N> codes{};
    for (std::size_t s = 0; s < N; ++s) {
        const int length = lengthOf(static_cast<int>(s));
        if (length == 0) continue;
        codes[s] = Code{Reverse(static_cast<uint16_t>(next[length]++), length), static_cast<uint8_t>(length)};
    }
    return codes;
}

// A match length's code and extra bits.
struct LengthCode {
    uint16_t symbol = 0;
    uint8_t extraBits = 0;
    uint16_t extra = 0;
};

std::array<LengthCode, kLongestMatch + 1> MakeLengthCodes() {
    static constexpr int kBase[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                    35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227};
    static constexpr int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                     3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
    std::array<LengthCode, kLongestMatch + 1> codes{};
    for (int i = 0; i < 28; ++i) {
        for (int length = kBase[i]; length < kBase[i] + (1 << kExtra[i]) && length < kLongestMatch; ++length) {
            codes[length] = LengthCode{static_cast<uint16_t>(257 + i), static_cast<uint8_t>(kExtra[i]),
                                       static_cast<uint16_t>(length - kBase[i])};
        }
    }
    codes[kLongestMatch] = LengthCode{kLongestMatchCode, 0, 0};
    return codes;
}

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Put(uint32_t bits, int count) {
        pending_ |= static_cast<uint64_t>(bits) << used_;
        used_ += count;
        while (used_ >= 8) {
            out_.push_back(static_cast<uint8_t>(pending_));
            pending_ >>= 8;
            used_ -= 8;
        }
    }
    void Put(Code code) { Put(code.bits, code.length); }
    void FlushByte() {
        if (used_ > 0) Put(0, 8 - used_);
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t pending_ = 0;
    int used_ = 0;
};

class Adler32 {
public:
    void Add(uint8_t byte) {
        a_ = (a_ + byte) % kModulus;
        b_ = (b_ + a_) % kModulus;
    }
    // `count` bytes of one value at once.
    void AddRun(uint8_t byte, uint64_t count) {
        b_ = (b_ + count % kModulus * a_ + byte * (count * (count + 1) / 2 % kModulus)) % kModulus;
        a_ = (a_ + count % kModulus * byte) % kModulus;
    }
    uint32_t Value() const { return static_cast<uint32_t>(b_ << 16 | a_); }

private:
    static constexpr uint64_t kModulus = 65521;
    uint64_t a_ = 1, b_ = 0;
};

// How many bytes from `at` equal `byte`, eight compared at a time.
std::size_t RunLength(const uint8_t* at, const uint8_t* end, uint8_t byte) {
    const uint64_t eight = 0x0101010101010101ull * byte;
    const uint8_t* p = at;
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (word != eight) {
            const uint64_t differ = word ^ eight;
            const int same = (std::endian::native == std::endian::little ? std::countr_zero(differ)
                                                                         : std::countl_zero(differ)) / 8;
            return static_cast<std::size_t>(p - at) + static_cast<std::size_t>(same);
        }
        p += 8;
    }
    while (p < end && *p == byte) ++p;
    return static_cast<std::size_t>(p - at);
}

void PutHeader(BitWriter& bits, const std::array<Code, 19>& lengthCodes) {
    bits.Put(1, 1);                              // the last block
    bits.Put(2, 2);                              // with its own Huffman codes
    bits.Put(kLiteralLengthCodes - 257, 5);      // HLIT
    bits.Put(0, 5);                              // HDIST: one distance code
    bits.Put(kCodeLengthCodesSent - 4, 4);       // HCLEN
    for (int i = 0; i < kCodeLengthCodesSent; ++i) bits.Put(CodeLengthCodeLength(kCodeLengthOrder[i]), 3);
    for (int s = 0; s < kLiteralLengthCodes; ++s) bits.Put(lengthCodes[CodeLength(s)]);
    bits.Put(lengthCodes[1]);  // the distance code's length
}

}  // namespace

void DeflateRuns(const std::vector<uint8_t>& raw, std::vector<uint8_t>& stream) {
    static const auto kCodes = CanonicalCodes<kLiteralLengthCodes>(CodeLength);
    static const auto kLengthCodeCodes = CanonicalCodes<19>(CodeLengthCodeLength);
    static const auto kLengths = MakeLengthCodes();
    constexpr Code kDistanceOne{0, 1};

    stream.clear();
    stream.reserve(raw.size() / 64 + 1024);
    stream.push_back(0x78);  // deflate, 32 KiB window
    stream.push_back(0x01);  // no dictionary; the header is a multiple of 31
    BitWriter bits(stream);
    PutHeader(bits, kLengthCodeCodes);
    Adler32 adler;
    const uint8_t* at = raw.data();
    const uint8_t* end = at + raw.size();
    while (at < end) {
        const uint8_t byte = *at++;
        bits.Put(kCodes[byte]);
        adler.Add(byte);
        std::size_t run = RunLength(at, end, byte);
        adler.AddRun(byte, run);
        at += run;
        while (run >= kShortestMatch) {
            const std::size_t length = run < kLongestMatch ? run : kLongestMatch;
            const LengthCode& code = kLengths[length];
            bits.Put(kCodes[code.symbol]);
            if (code.extraBits != 0) bits.Put(code.extra, code.extraBits);
            bits.Put(kDistanceOne);
            run -= length;
        }
        for (; run > 0; --run) bits.Put(kCodes[byte]);
    }
    bits.Put(kCodes[kEndOfBlock]);
    bits.FlushByte();
    const uint32_t check = adler.Value();
    for (int shift = 24; shift >= 0; shift -= 8) stream.push_back(static_cast<uint8_t>(check >> shift));
}
