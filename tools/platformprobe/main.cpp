// platformprobe: prints what the platform answers to the text questions the
// runtime asks it (string collation, Shift-JIS lead bytes, text extents with
// the console font), one answer a line. Its output on Windows and on Linux
// is compared to find where the project's own layer differs from Win32.
#include "platform/platform.h"
#include "runtime/console/console_window.h"
#include "runtime/core/startup.h"
#include "tools/platformprobe/corpus.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Printable ASCII as it is, every other byte as \xNN; quotes around it.
std::string Quoted(std::string_view bytes) {
    std::string text = "\"";
    for (unsigned char byte : bytes) {
        char escaped[8];
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            text += static_cast<char>(byte);
        } else {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text + "\"";
}

void PrintComparison(std::string_view left, std::string_view right) {
    int result = CompareStringA(LOCALE_SYSTEM_DEFAULT, 0, left.data(), static_cast<int>(left.size()),
                                right.data(), static_cast<int>(right.size()));
    std::printf("compare %s %s %d\n", Quoted(left).c_str(), Quoted(right).c_str(), result);
}

void PrintComparisons() {
    for (const StringPair& pair : ComparisonCorpus()) {
        PrintComparison(pair.left, pair.right);
        if (pair.left != pair.right) PrintComparison(pair.right, pair.left);
    }
}

// Sixteen lines of sixteen 0/1 answers, one line per high nibble.
void PrintLeadBytes() {
    for (int high = 0; high < 16; ++high) {
        std::printf("leadbytes %X0:", high);
        for (int low = 0; low < 16; ++low) {
            std::printf(" %d", IsDBCSLeadByte(static_cast<BYTE>(high * 16 + low)) ? 1 : 0);
        }
        std::printf("\n");
    }
}

// One answer a line, so that a difference names the one value that differs.
void PrintTextMeasures(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    std::printf("metrics height %d\n", static_cast<int>(metrics.tmHeight));
    std::printf("metrics ascent %d\n", static_cast<int>(metrics.tmAscent));
    std::printf("metrics descent %d\n", static_cast<int>(metrics.tmDescent));
    std::printf("metrics average-width %d\n", static_cast<int>(metrics.tmAveCharWidth));
    std::printf("metrics maximum-width %d\n", static_cast<int>(metrics.tmMaxCharWidth));
    std::printf("metrics charset %d\n", static_cast<int>(metrics.tmCharSet));
    for (std::string_view text : ExtentCorpus()) {
        SIZE size{};
        if (!GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size)) {
            std::printf("extent %s failed\n", Quoted(text).c_str());
            continue;
        }
        std::printf("extent-width %s %d\n", Quoted(text).c_str(), static_cast<int>(size.cx));
        std::printf("extent-height %s %d\n", Quoted(text).c_str(), static_cast<int>(size.cy));
    }
}

}  // namespace

int main() {
    RuntimeStartup();
    PrintComparisons();
    PrintLeadBytes();

    // A memory device context like the back buffer's, with the console font.
    CreateConsoleFont();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ previousFont = SelectObject(dc, gRuntime.consoleFont);
    PrintTextMeasures(dc);
    SelectObject(dc, previousFont);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
