// Parsing promptdraw's scripts.
#include "tools/promptdraw/script.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCircleArguments = 9;
constexpr int kClsArguments = 1;

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
        if (at > start) words.emplace_back(line.substr(start, at - start));
    }
    return words;
}

// Decimal only: "010" is ten and "0x10" is refused, as a reader expects.
bool ParseInteger(const std::string& word, int32_t& value, std::string& message) {
    errno = 0;
    char* stop = nullptr;
    const long long parsed = std::strtoll(word.c_str(), &stop, 10);
    if (stop == word.c_str() || *stop != '\0') {
        message = "'" + word + "' is not an integer";
        return false;
    }
    if (errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) {
        message = "'" + word + "' does not fit in 32 bits";
        return false;
    }
    value = static_cast<int32_t>(parsed);
    return true;
}

// A finite number too large for a double is refused; one too small for it
// becomes the nearest double (zero or subnormal), as strtod gives it.
bool ParseReal(const std::string& word, double& value, std::string& message) {
    errno = 0;
    char* stop = nullptr;
    const double parsed = std::strtod(word.c_str(), &stop);
    if (stop == word.c_str() || *stop != '\0') {
        message = "'" + word + "' is not a number";
        return false;
    }
    if (errno == ERANGE && std::isinf(parsed)) {
        message = "'" + word + "' is out of the range of a double";
        return false;
    }
    value = parsed;
    return true;
}

bool CheckCount(const std::vector<std::string>& words, int expected, std::string& message) {
    const int given = static_cast<int>(words.size()) - 1;
    if (given == expected) return true;
    message = words[0] + " takes " + std::to_string(expected) +
              (expected == 1 ? " argument" : " arguments") + ", not " + std::to_string(given);
    return false;
}

bool ParseCircle(const std::vector<std::string>& words, Statement& statement, std::string& message) {
    if (!CheckCount(words, kCircleArguments, message)) return false;
    CircleArguments& a = statement.circle;
    statement.kind = StatementKind::Circle;
    return ParseInteger(words[1], a.x, message) && ParseInteger(words[2], a.y, message) &&
           ParseInteger(words[3], a.radius, message) && ParseInteger(words[4], a.colour, message) &&
           ParseReal(words[5], a.start, message) && ParseReal(words[6], a.end, message) &&
           ParseReal(words[7], a.ratio, message) && ParseInteger(words[8], a.fill, message) &&
           ParseInteger(words[9], a.fillColour, message);
}

bool ParseCls(const std::vector<std::string>& words, Statement& statement, std::string& message) {
    statement.kind = StatementKind::Cls;
    return CheckCount(words, kClsArguments, message) && ParseInteger(words[1], statement.mode, message);
}

// One line; false with message set when it is bad. A comment or blank line
// adds nothing.
bool ParseLine(std::string_view line, std::vector<Statement>& statements, std::string& message) {
    if (line.find('\0') != std::string_view::npos) {
        message = "the line holds a NUL byte";
        return false;
    }
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty() || words[0][0] == '#') return true;
    Statement statement{};
    bool parsed;
    if (words[0] == "circle") {
        parsed = ParseCircle(words, statement, message);
    } else if (words[0] == "cls") {
        parsed = ParseCls(words, statement, message);
    } else {
        message = "unknown statement '" + words[0] + "' (circle or cls)";
        return false;
    }
    if (parsed) statements.push_back(statement);
    return parsed;
}

}  // namespace

bool ParseScript(std::string_view text, std::vector<Statement>& statements, ScriptError& error) {
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF line ends
        at = end + 1;
        ++lineNumber;
        std::string message;
        if (!ParseLine(line, statements, message)) {
            error.line = lineNumber;
            error.message = message;
            return false;
        }
    }
    return true;
}
