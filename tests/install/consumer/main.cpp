// Uses the installed runtime as a BASIC program would. Without arguments it
// checks a few results and prints them; with "window" it opens the console
// window, draws a circle and runs until the window is closed.
#include "runtime/core/prologue.h"
#include "runtime/core/startup.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/graphics.h"
#include "runtime/math/numeric.h"

#include <cstdio>
#include <cstring>

namespace {

int OpenWindowAndDraw() {
    ProgramPrologue();
    Circle(100, 100, 40, 2, 0.0, 0.0, 1.0, 1, 6);
    for (;;) Sleep(1000);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "window") == 0) return OpenWindowAndDraw();

    RuntimeStartup();
    CountedString left = StrAlloc(3);
    std::memcpy(left, "abc", 3);
    CountedString right = StrAlloc(2);
    std::memcpy(right, "de", 2);
    CountedString joined = StrConcat(left, right);
    const bool joinedRight = StrLength(joined) == 5 && std::memcmp(joined, "abcde", 6) == 0;
    StrFree(joined);

    // Square roots of even powers of two and whole powers are exact.
    const double root = Sqr(4.0);
    const double power = Pow(2.0, 10.0);
    std::printf("Sqr(4) %.17g, Pow(2, 10) %.17g, Int(-2.5) %d, joined %s\n", root, power, Int(-2.5),
                joinedRight ? "abcde" : "wrong");
    return root == 2.0 && power == 1024.0 && Int(-2.5) == -3 && joinedRight ? 0 : 1;
}
