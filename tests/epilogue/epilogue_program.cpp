// A program that ends by returning from its main routine through the program
// epilogue while the console thread still has painting to do: every round
// prints a line and clears the graphics layer, so paints that draw a screen
// full of text are pending when the main routine returns.
#include "runtime/console/console.h"
#include "runtime/core/prologue.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/graphics.h"

#include <cstring>

namespace {

constexpr int kRounds = 40;

void Print(const char* text) {
    CountedString s = StrAlloc(static_cast<int32_t>(std::strlen(text)));
    std::memcpy(s, text, std::strlen(text));
    ConsolePrint(s);
}

}  // namespace

int main() {
    ProgramPrologue();
    for (int round = 0; round < kRounds; ++round) {
        Print("The epilogue ends this program while the window repaints.\r\n");
        Circle(100 + round, 100, 40, 1 + round % 7, 0, 0, 1.0, 0, 0);
        Cls(2);
    }
    return ProgramEpilogue();
}
