// Splitting an INPUT line into fields and reading their numbers. Commas and
// double quotes are never the trail byte of a Shift-JIS character, so the
// bytes can be scanned one by one.
#include "runtime/basic/input_fields.h"

#include <charconv>
#include <cstdlib>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A whole field as a number: an optional sign, digits with at most one point,
// an optional exponent (E or D). Nothing else may follow.
bool ReadNumber(const std::string& text, double* value) {
    if (text.empty()) {
        *value = 0.0;
        return true;
    }
    std::string number;
    size_t at = 0, digits = 0;
    if (text[at] == '+' || text[at] == '-') number += text[at++];
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') ++digits;
        else if (c == '.' && !point) point = true;
        else break;
        number += c;
    }
    if (digits == 0) return false;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
        number += 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) number += text[at++];
        const size_t first = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') number += text[at++];
        if (at == first) return false;
    }
    if (at != text.size()) return false;
    const char* begin = number.data() + (number[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(begin, number.data() + number.size(), *value);
    if (result.ec == std::errc::result_out_of_range) *value = std::strtod(number.c_str(), nullptr);
    return true;
}

// One field from line[*at]; *at ends at the comma after it or the line's end.
// False for text after a closing quote.
bool ReadField(const std::string& line, size_t* at, InputField* field) {
    while (*at < line.size() && IsBlank(line[*at])) ++*at;
    if (*at < line.size() && line[*at] == '"') {
        const size_t close = line.find('"', *at + 1);
        const size_t end = close == std::string::npos ? line.size() : close;
        field->text = line.substr(*at + 1, end - *at - 1);
        *at = close == std::string::npos ? line.size() : close + 1;
        while (*at < line.size() && IsBlank(line[*at])) ++*at;
        return *at == line.size() || line[*at] == ',';
    }
    size_t end = line.find(',', *at);
    if (end == std::string::npos) end = line.size();
    size_t last = end;
    while (last > *at && IsBlank(line[last - 1])) --last;
    field->text = line.substr(*at, last - *at);
    field->isNumber = ReadNumber(field->text, &field->number);
    *at = end;
    return true;
}

}  // namespace

// A malformed line (text after a quoted field) gives no fields at all, which
// no INPUT accepts.
std::vector<InputField> SplitInputFields(const std::string& line) {
    std::vector<InputField> fields;
    size_t at = 0;
    for (;;) {
        InputField field;
        if (!ReadField(line, &at, &field)) return {};
        fields.push_back(std::move(field));
        if (at >= line.size()) return fields;
        ++at;  // the comma
    }
}
