// promptdraw: runs a script of graphics statements on the console runtime
// (the real console thread and window; on Linux on the headless display) and
// writes the back buffer or the window's client area as a PNG, so the
// graphics statements can be tried and their pixels checked.
#include "runtime/core/prologue.h"
#include "runtime/graphics/graphics.h"
#include "tools/capture/console_capture.h"
#include "tools/capture/png.h"
#include "tools/promptdraw/options.h"
#include "tools/promptdraw/script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kWritten = 0;
constexpr int kInputOutputError = 1;
constexpr int kUsageError = 2;

int UsageError(const std::string& error) {
    std::fprintf(stderr, "promptdraw: %s\n%s", error.c_str(), kPromptdrawUsage);
    return kUsageError;
}

bool ReadAll(std::FILE* file, std::string& text) {
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
    return std::ferror(file) == 0;
}

// The script's text, from a file or from standard input ("-").
bool ReadScript(const std::string& path, std::string& text, std::string& error) {
    if (path == "-") {
        if (ReadAll(stdin, text)) return true;
        error = "cannot read standard input";
        return false;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool read = ReadAll(file, text);
    std::fclose(file);
    if (!read) error = "cannot read " + path;
    return read;
}

void RunStatement(const Statement& statement) {
    if (statement.kind == StatementKind::Cls) {
        Cls(statement.mode);
        return;
    }
    const CircleArguments& a = statement.circle;
    Circle(a.x, a.y, a.radius, a.colour, a.start, a.end, a.ratio, a.fill, a.fillColour);
}

bool ChooseSizes(const DrawOptions& options, std::string& error) {
    if (options.screenGiven && !ChooseScreenSize(options.screenWidth, options.screenHeight, error))
        return false;
    return !options.windowGiven || ChooseClientSize(options.windowWidth, options.windowHeight, error);
}

// Starts the runtime, draws and writes. The console thread keeps running, so
// the process ends here with ExitProcess and never returns to main.
[[noreturn]] void DrawAndWrite(const DrawOptions& options, const std::vector<Statement>& statements,
                               std::FILE* output) {
    ProgramPrologue();
    for (const Statement& statement : statements) RunStatement(statement);
    const Picture picture =
        options.layer == Layer::BackBuffer ? CaptureBackBuffer() : PaintAndReadClient();
    std::string error;
    if (picture.Empty()) {
        std::fclose(output);
        std::remove(options.output.c_str());
        std::fprintf(stderr, "promptdraw: the %s could not be read\n",
                     options.layer == Layer::BackBuffer ? "back buffer" : "window's client area");
        ExitProcess(kInputOutputError);
    }
    if (!WritePngAndClose(output, options.output, picture, error)) {
        std::fprintf(stderr, "promptdraw: %s\n", error.c_str());
        ExitProcess(kInputOutputError);
    }
    ExitProcess(kWritten);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kPromptdrawUsage, stderr);
        return kUsageError;
    }
    DrawOptions options;
    std::string error;
    switch (ParseDrawOptions(argc, argv, options, error)) {
        case DrawParse::kHelp:
            std::fputs(kPromptdrawUsage, stdout);
            return 0;
        case DrawParse::kError:
            return UsageError(error);
        case DrawParse::kRun:
            break;
    }

    // The whole script is read and checked before anything is drawn or written.
    std::string text;
    if (!ReadScript(options.script, text, error)) {
        std::fprintf(stderr, "promptdraw: %s\n", error.c_str());
        return kInputOutputError;
    }
    std::vector<Statement> statements;
    ScriptError scriptError;
    if (!ParseScript(text, statements, scriptError)) {
        const std::string name = options.script == "-" ? "<stdin>" : options.script;
        std::fprintf(stderr, "%s:%d: %s\n", name.c_str(), scriptError.line, scriptError.message.c_str());
        return kUsageError;
    }
    if (!ChooseSizes(options, error)) return UsageError(error);
    std::FILE* output = OpenPngFile(options.output, error);
    if (output == nullptr) {
        std::fprintf(stderr, "promptdraw: %s\n", error.c_str());
        return kInputOutputError;
    }
    DrawAndWrite(options, statements, output);
}
