// promptdemo: a small interactive program on promptrt. It greets in colour,
// then reads lines for ever: each line is printed back with its length, and
// a line that is a number draws a circle of that radius. Closing the window
// ends it.
#include "runtime/console/console.h"
#include "runtime/console/statements.h"
#include "platform/platform.h"
#include "runtime/core/prologue.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/graphics.h"

#include <charconv>
#include <cstring>
#include <string>

namespace {

constexpr int32_t kYellow = 6, kWhite = 7, kBlack = 0, kCyan = 5;
constexpr int32_t kCentreX = 400, kCentreY = 250;
constexpr int32_t kLargestRadius = 2000;

// Prints text; ConsolePrint consumes the string it is given.
void Print(const std::string& text) {
    CountedString s = StrAlloc(static_cast<int32_t>(text.size()));
    std::memcpy(s, text.data(), text.size());
    ConsolePrint(s);
}

std::string TakeString(CountedString s) {
    std::string text(reinterpret_cast<const char*>(s), static_cast<size_t>(StrLength(s)));
    StrFree(s);
    return text;
}

// Each line read also goes to the debugger output (stderr on Linux), so a
// script driving the window can see what the program received.
void TraceLine(const std::string& line) {
    OutputDebugStringA(("promptdemo read: " + line + "\n").c_str());
}

// The whole line as a decimal number, if it is one.
bool ParseRadius(const std::string& line, int32_t& radius) {
    const char* end = line.data() + line.size();
    auto [rest, error] = std::from_chars(line.data(), end, radius);
    return error == std::errc() && rest == end;
}

void DrawCircle(int32_t radius) {
    if (radius < 1 || radius > kLargestRadius) {
        Print("A radius from 1 to " + std::to_string(kLargestRadius) + ", please.\r\n");
        return;
    }
    const int32_t colour = 1 + radius % 7;  // palette 1..7: never black on black
    Circle(kCentreX, kCentreY, radius, colour, 0, 0, 1.0, 0, 0);
}

}  // namespace

int main() {
    ProgramPrologue();
    Color(kYellow, kBlack);
    Print("Hello from promptrt!\r\n");
    Color(kCyan, kBlack);
    Print("Type a line and press Enter; a number draws a circle.\r\n");
    Color(kWhite, kBlack);
    for (;;) {
        Print("? ");
        // Tells a script driving the window that typing now reaches the read.
        OutputDebugStringA("promptdemo reading a line\n");
        const std::string line = TakeString(LineInput());
        TraceLine(line);
        Print("You typed \"" + line + "\" (" + std::to_string(line.size()) + " bytes)\r\n");
        int32_t radius = 0;
        if (ParseRadius(line, radius)) DrawCircle(radius);
    }
}
