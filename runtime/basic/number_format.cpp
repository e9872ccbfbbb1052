// Number text for PRINT and STR$, and VAL.
#include "runtime/basic/basic_state.h"
#include "runtime/core/strings.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

// Plain notation while the decimal exponent is in this range.
constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = 16;

CountedString FromText(const std::string& text) { return BasicStringFrom(text.data(), text.size(), 0); }

// The magnitude's text: the shortest digits that read back as the same double
// (std::to_chars in scientific form), laid out as BASIC prints them.
std::string Magnitude(double magnitude) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string scientific(buffer, result.ptr);  // "d[.ddd]e[+-]xx"
    const size_t e = scientific.find('e');
    std::string digits = scientific.substr(0, e);
    if (digits.size() > 1) digits.erase(1, 1);  // drop the point
    const int exponent = std::stoi(scientific.substr(e + 1));
    const int count = static_cast<int>(digits.size());
    if (exponent < kSmallestPlainExponent || exponent > kLargestPlainExponent) {
        std::string text = digits.substr(0, 1);
        if (count > 1) text += "." + digits.substr(1);
        const int size = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (size < 10) text += '0';
        return text + std::to_string(size);
    }
    if (exponent < 0) return "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    if (exponent + 1 >= count) return digits + std::string(static_cast<size_t>(exponent + 1 - count), '0');
    return digits.substr(0, static_cast<size_t>(exponent + 1)) + "." + digits.substr(static_cast<size_t>(exponent + 1));
}

}  // namespace

CountedString BasicStrInteger(int32_t value) {
    const std::string digits = std::to_string(value);
    return FromText(value < 0 ? digits : " " + digits);
}

// Zero of either sign prints as 0; NaN and the infinities, which arithmetic
// on doubles can produce, print as NaN and Inf.
CountedString BasicStrDouble(double value) {
    if (std::isnan(value)) return FromText(" NaN");
    const char* sign = std::signbit(value) && value != 0.0 ? "-" : " ";
    if (std::isinf(value)) return FromText(std::string(sign) + "Inf");
    if (value == 0.0) return FromText(" 0");
    return FromText(sign + Magnitude(std::fabs(value)));
}

// VAL: the longest number at the start of the text, blanks (spaces, tabs and
// line feeds) skipped anywhere, as BASIC reads typed numbers: an optional sign,
// digits with at most one point, and an exponent with E or D. Anything else
// ends the number; no number at all is 0. &H and &O prefixes read hexadecimal
// and octal integers.
double BasicVal(CountedString s) {
    std::string text;
    for (int32_t i = 0, n = StrLength(s); i < n; ++i)
        if (s[i] != ' ' && s[i] != '\t' && s[i] != '\n') text += s[i];
    StrFree(s);
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h' || text[1] == 'O' || text[1] == 'o')) {
        const int base = text[1] == 'H' || text[1] == 'h' ? 16 : 8;
        uint32_t bits = 0;
        std::from_chars(text.data() + 2, text.data() + text.size(), bits, base);
        return static_cast<int32_t>(bits);
    }
    std::string number;
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) number += text[at++];
    size_t digits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            number += c;
            ++digits;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0.0;
    if (at < text.size() && std::strchr("EeDd", text[at]) != nullptr) {
        size_t end = at + 1;
        std::string exponent = "e";
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) exponent += text[end++];
        const size_t firstDigit = end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') exponent += text[end++];
        if (end > firstDigit) number += exponent;
    }
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    // Beyond the double range: the infinity of the number's sign (or zero for
    // a vanishing one), as the arithmetic would give.
    if (result.ec == std::errc::result_out_of_range) value = std::strtod(number.c_str(), nullptr);
    return value;
}
