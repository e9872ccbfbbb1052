// LINE INPUT and INPUT: console mode reads standard input (UTF-8, converted to
// Shift-JIS), window mode the console window's line read.
#include "platform/platform.h"
#include "runtime/basic/basic_state.h"
#include "runtime/basic/input_fields.h"
#include "runtime/console/statements.h"
#include "runtime/core/strings.h"
#include "runtime/math/numeric.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// One line of standard input without its line break. At the end of input
// (nothing left to read) the program ends with status 0: a scripted program
// whose input runs out stops instead of waiting or looping.
std::string ReadStandardInputLine() {
    std::fflush(BasicOutput());
    std::FILE* input = BasicInputStream();
    std::string line;
    int c;
    while ((c = std::fgetc(input)) != EOF && c != '\n') line += static_cast<char>(c);
    if (c == EOF && line.empty()) {
        std::fflush(BasicOutput());
        ExitProcess(0);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Text that is not UTF-8 is taken to be Shift-JIS already, as source files are.
    if (IsValidUtf8(line.data(), line.size())) return Utf8ToShiftJis(line.data(), line.size());
    return line;
}

// The typed line (the window's echo has already ended the line on screen; a
// terminal's Enter has done the same in console mode).
std::string ReadLine() {
    std::string line;
    if (gBasic.mode == BasicMode::kConsole) {
        line = ReadStandardInputLine();
    } else {
        CountedString typed = LineInput();
        line.assign(typed, static_cast<size_t>(StrLength(typed)));
        StrFree(typed);
    }
    gBasic.column = 0;
    return line;
}

void WritePrompt(CountedString prompt) {
    if (prompt != nullptr) BasicWriteText(prompt, static_cast<size_t>(StrLength(prompt)));
}

void Store(const BasicInputTarget& target, const InputField& field) {
    switch (target.kind) {
    case BasicInputKind::kInteger:
        *static_cast<int16_t*>(target.address) = static_cast<int16_t>(TruncateToInt32(field.number));
        break;
    case BasicInputKind::kLong:
        *static_cast<int32_t*>(target.address) = TruncateToInt32(field.number);
        break;
    case BasicInputKind::kDouble:
        *static_cast<double*>(target.address) = field.number;
        break;
    case BasicInputKind::kString: {
        CountedString* variable = static_cast<CountedString*>(target.address);
        StrFree(*variable);
        *variable = BasicStringFrom(field.text.data(), field.text.size(), 0);
        break;
    }
    }
}

bool Acceptable(const std::vector<InputField>& fields, const BasicInputTarget* targets, int32_t count) {
    if (static_cast<int32_t>(fields.size()) != count) return false;
    for (int32_t i = 0; i < count; ++i)
        if (targets[i].kind != BasicInputKind::kString && !fields[i].isNumber) return false;
    return true;
}

}  // namespace

CountedString BasicLineInput(CountedString prompt) {
    WritePrompt(prompt);
    StrFree(prompt);
    const std::string line = ReadLine();
    return BasicStringFrom(line.data(), line.size(), 0);
}

void BasicInput(CountedString prompt, bool questionMark, const BasicInputTarget* targets, int32_t count) {
    for (;;) {
        WritePrompt(prompt);
        if (questionMark) BasicWriteText("? ", 2);
        const std::vector<InputField> fields = SplitInputFields(ReadLine());
        if (Acceptable(fields, targets, count)) {
            for (int32_t i = 0; i < count; ++i) Store(targets[i], fields[i]);
            break;
        }
        BasicWriteText("?Redo from start", 16);
        BasicPrintNewline();
    }
    StrFree(prompt);
}
