// PRINT: console mode writes to standard output in UTF-8, window mode through
// ConsolePrint. Both follow the column for the comma's print zones.
#include "platform/platform.h"
#include "runtime/basic/basic_state.h"
#include "runtime/console/console.h"
#include "runtime/core/strings.h"

#include <cstring>

namespace {

constexpr int32_t kZoneWidth = 14;
constexpr int32_t kTabWidth = 8;

bool ShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The column after the bytes, as the console and a terminal lay them out: a
// double-byte character takes two columns, a tab goes to the next multiple of
// 8, a line break starts again at 0.
void FollowColumn(const char* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const char c = bytes[i];
        if (c == '\n' || c == '\r') gBasic.column = 0;
        else if (c == '\t') gBasic.column += kTabWidth - gBasic.column % kTabWidth;
        else ++gBasic.column;
    }
}

// A double-byte character split between two PRINT items is converted whole:
// a lead byte at the end of one write waits for the next.
void WriteToStream(const char* bytes, size_t length) {
    std::string text;
    if (gBasic.pendingLead != 0) text += static_cast<char>(gBasic.pendingLead);
    text.append(bytes, length);
    gBasic.pendingLead = 0;
    size_t complete = 0;
    while (complete < text.size()) {
        const size_t size = ShiftJisLead(static_cast<unsigned char>(text[complete])) ? 2 : 1;
        if (complete + size > text.size()) {
            gBasic.pendingLead = static_cast<unsigned char>(text[complete]);
            break;
        }
        complete += size;
    }
    const std::string utf8 = ShiftJisToUtf8(text.data(), complete);
    std::fwrite(utf8.data(), 1, utf8.size(), BasicOutput());
}

// ConsolePrint stops at a zero byte and breaks lines at "\r\n" only.
void WriteToWindow(const char* bytes, size_t length) {
    CountedString text = StrAlloc(static_cast<int32_t>(length));
    std::memcpy(text, bytes, length);
    ConsolePrint(text);
}

}  // namespace

CountedString BasicStringFrom(const char* bytes, size_t length, int32_t line) {
    if (length > static_cast<size_t>(INT32_MAX) - 8) BasicRuntimeError(line, "string too long");
    CountedString s = StrAlloc(static_cast<int32_t>(length));
    if (length > 0) std::memcpy(s, bytes, length);
    return s;
}

void BasicWriteText(const char* bytes, size_t length) {
    if (gBasic.mode == BasicMode::kConsole) WriteToStream(bytes, length);
    else WriteToWindow(bytes, length);
    FollowColumn(bytes, length);
}

void BasicPrintString(CountedString text) {
    BasicWriteText(text, static_cast<size_t>(StrLength(text)));
    StrFree(text);
}

void BasicPrintInteger(int32_t value) {
    CountedString text = BasicStrInteger(value);
    BasicWriteText(text, static_cast<size_t>(StrLength(text)));
    BasicWriteText(" ", 1);
    StrFree(text);
}

void BasicPrintDouble(double value) {
    CountedString text = BasicStrDouble(value);
    BasicWriteText(text, static_cast<size_t>(StrLength(text)));
    BasicWriteText(" ", 1);
    StrFree(text);
}

void BasicPrintComma() {
    const int32_t next = (gBasic.column / kZoneWidth + 1) * kZoneWidth;
    const std::string spaces(static_cast<size_t>(next - gBasic.column), ' ');
    BasicWriteText(spaces.data(), spaces.size());
}

void BasicPrintNewline() {
    if (gBasic.mode == BasicMode::kConsole) BasicWriteText("\n", 1);
    else BasicWriteText("\r\n", 2);
}
