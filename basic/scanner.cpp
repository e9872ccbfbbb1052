// The scanner: one pass over each line, characters counted for columns.
#include "basic/scanner.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <unordered_map>

#include "basic/text_encoding.h"

namespace basic {
namespace {

const std::unordered_map<std::string, Tok>& Keywords() {
    static const std::unordered_map<std::string, Tok> table = {
        {"and", Tok::kAnd}, {"as", Tok::kAs}, {"call", Tok::kCall}, {"case", Tok::kCase},
        {"circle", Tok::kCircle}, {"cls", Tok::kCls}, {"color", Tok::kColor},
        {"const", Tok::kConst}, {"declare", Tok::kDeclare}, {"defdbl", Tok::kDefDbl},
        {"defint", Tok::kDefInt}, {"deflng", Tok::kDefLng}, {"defsng", Tok::kDefSng},
        {"defstr", Tok::kDefStr}, {"dim", Tok::kDim}, {"do", Tok::kDo},
        {"double", Tok::kDouble}, {"else", Tok::kElse}, {"elseif", Tok::kElseIf},
        {"end", Tok::kEnd}, {"eqv", Tok::kEqv}, {"exit", Tok::kExit}, {"for", Tok::kFor},
        {"function", Tok::kFunction}, {"gosub", Tok::kGosub}, {"goto", Tok::kGoto},
        {"if", Tok::kIf}, {"imp", Tok::kImp}, {"input", Tok::kInput},
        {"integer", Tok::kInteger}, {"is", Tok::kIs}, {"let", Tok::kLet}, {"line", Tok::kLine},
        {"long", Tok::kLong}, {"loop", Tok::kLoop}, {"mod", Tok::kMod}, {"next", Tok::kNext},
        {"not", Tok::kNot}, {"or", Tok::kOr}, {"print", Tok::kPrint},
        {"randomize", Tok::kRandomize}, {"return", Tok::kReturn}, {"select", Tok::kSelect},
        {"shared", Tok::kShared}, {"single", Tok::kSingle}, {"sleep", Tok::kSleep},
        {"static", Tok::kStatic}, {"step", Tok::kStep}, {"string", Tok::kStringType},
        {"sub", Tok::kSub}, {"then", Tok::kThen}, {"to", Tok::kTo}, {"until", Tok::kUntil},
        {"wend", Tok::kWend}, {"while", Tok::kWhile}, {"xor", Tok::kXor},
    };
    return table;
}

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_';
}
bool IsSuffix(char c) { return c == '%' || c == '&' || c == '!' || c == '#' || c == '$'; }

constexpr int kMaxIncludeDepth = 16;

class Scanner {
public:
    Scanner(SourceSet& sources, Diagnostics& diagnostics, std::vector<Token>& out)
        : sources_(sources), diagnostics_(diagnostics), out_(out) {}

    void ScanFile(int file, int depth) {
        // Copy the lines: an include may add files and move the set's storage.
        const std::vector<std::string> lines = sources_.File(file).lines;
        for (size_t i = 0; i < lines.size(); ++i) {
            ScanLine(file, static_cast<int>(i) + 1, lines[i], depth);
            if (!out_.empty() && out_.back().kind != Tok::kNewline) {
                Token end;
                end.kind = Tok::kNewline;
                end.at = Position{file, static_cast<int>(i) + 1, ColumnsOf(lines[i]) + 1};
                out_.push_back(end);
            }
        }
    }

private:
    static int ColumnsOf(const std::string& text) {
        int columns = 0;
        for (size_t i = 0; i < text.size(); i += Utf8CharLength(static_cast<unsigned char>(text[i])))
            ++columns;
        return columns;
    }

    void ScanLine(int file, int line, const std::string& text, int depth) {
        file_ = file;
        line_ = line;
        text_ = &text;
        pos_ = 0;
        column_ = 1;
        bool first = true;
        while (true) {
            while (pos_ < text.size() && (text[pos_] == ' ' || text[pos_] == '\t')) Advance(1);
            if (pos_ >= text.size()) return;
            Token token;
            token.at = Position{file, line, column_};
            token.lineStart = first;
            first = false;
            char c = text[pos_];
            if (c == '\'') {
                Comment(text.substr(pos_ + 1), token.at, depth);
                return;
            }
            if (IsNameStart(c)) {
                if (Name(token) && token.kind == Tok::kName && token.text == "rem" && !token.suffix) {
                    Comment(text.substr(pos_), token.at, depth);
                    return;
                }
            } else if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && pos_ + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[pos_ + 1])))) {
                Number(token);
            } else if (c == '&' && pos_ + 1 < text.size() && (std::toupper(text[pos_ + 1]) == 'H' || std::toupper(text[pos_ + 1]) == 'O')) {
                RadixNumber(token);
            } else if (c == '"') {
                String(token);
            } else if (!Operator(token)) {
                int length = Utf8CharLength(static_cast<unsigned char>(c));
                diagnostics_.Error(token.at, "unexpected character '" + text.substr(pos_, length) + "'");
                Advance(static_cast<size_t>(length));
                continue;
            }
            out_.push_back(std::move(token));
        }
    }

    void Advance(size_t bytes) {
        size_t end = pos_ + bytes;
        while (pos_ < end && pos_ < text_->size()) {
            pos_ += Utf8CharLength(static_cast<unsigned char>((*text_)[pos_]));
            ++column_;
        }
    }

    // Returns false when the token turned out to be REM (not pushed yet).
    bool Name(Token& token) {
        size_t start = pos_;
        size_t end = pos_;
        while (end < text_->size() && IsNameChar((*text_)[end])) ++end;
        std::string spelling = text_->substr(start, end - start);
        std::string lower;
        for (char c : spelling) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (end < text_->size() && IsSuffix((*text_)[end])) {
            token.suffix = (*text_)[end];
            spelling += token.suffix;
            ++end;
        }
        Advance(end - start);
        token.spelling = spelling;
        token.text = lower;
        token.kind = Tok::kName;
        if (!token.suffix) {
            auto keyword = Keywords().find(lower);
            if (keyword != Keywords().end()) token.kind = keyword->second;
        }
        return true;
    }

    void Number(Token& token) {
        const std::string& t = *text_;
        size_t start = pos_;
        size_t end = pos_;
        bool real = false;
        while (end < t.size() && std::isdigit(static_cast<unsigned char>(t[end]))) ++end;
        if (end < t.size() && t[end] == '.') {
            real = true;
            ++end;
            while (end < t.size() && std::isdigit(static_cast<unsigned char>(t[end]))) ++end;
        }
        std::string digits = t.substr(start, end - start);
        if (end < t.size() && (std::toupper(t[end]) == 'E' || std::toupper(t[end]) == 'D')) {
            size_t exponent = end + 1;
            if (exponent < t.size() && (t[exponent] == '+' || t[exponent] == '-')) ++exponent;
            if (exponent < t.size() && std::isdigit(static_cast<unsigned char>(t[exponent]))) {
                while (exponent < t.size() && std::isdigit(static_cast<unsigned char>(t[exponent]))) ++exponent;
                std::string part = t.substr(end + 1, exponent - end - 1);
                digits += "e" + part;
                real = true;
                end = exponent;
            }
        }
        if (end < t.size() && (t[end] == '%' || t[end] == '&' || t[end] == '!' || t[end] == '#')) {
            token.suffix = t[end];
            ++end;
        }
        token.spelling = t.substr(start, end - start);
        Advance(end - start);
        token.kind = Tok::kNumber;
        double value = 0;
        auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (result.ec != std::errc() || !std::isfinite(value)) {
            diagnostics_.Error(token.at, "number " + token.spelling + " is out of range");
            value = 0;
        }
        token.real = value;
        SetLiteralType(token, real, value);
    }

    void SetLiteralType(Token& token, bool real, double value) {
        bool whole = !real && value <= 9.2e18;
        if (whole) token.integer = static_cast<int64_t>(value);
        switch (token.suffix) {
        case '!':
            diagnostics_.Error(token.at, "SINGLE is not supported; use DOUBLE (#)");
            token.numberType = Type::kDouble;
            return;
        case '#':
            token.numberType = Type::kDouble;
            return;
        case '%':
        case '&': {
            bool fits = whole && token.integer <= (token.suffix == '%' ? 32767 : 2147483647);
            if (!fits) diagnostics_.Error(token.at, "number " + token.spelling + " does not fit its type");
            token.numberType = token.suffix == '%' ? Type::kInteger : Type::kLong;
            if (!fits) token.integer = 0;
            token.real = static_cast<double>(token.integer);
            return;
        }
        default:
            if (whole && token.integer <= 32767) token.numberType = Type::kInteger;
            else if (whole && token.integer <= 2147483647) token.numberType = Type::kLong;
            else token.numberType = Type::kDouble;
        }
    }

    // &H and &O literals: up to 16 bits an INTEGER, up to 32 bits a LONG,
    // both read as two's complement.
    void RadixNumber(Token& token) {
        const std::string& t = *text_;
        size_t start = pos_;
        bool hex = std::toupper(t[pos_ + 1]) == 'H';
        size_t end = pos_ + 2;
        uint64_t value = 0;
        bool overflow = false;
        size_t digitCount = 0;
        while (end < t.size()) {
            int digit = -1;
            char c = static_cast<char>(std::toupper(static_cast<unsigned char>(t[end])));
            if (c >= '0' && c <= '7') digit = c - '0';
            else if (hex && (c == '8' || c == '9')) digit = c - '0';
            else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0) break;
            value = value * (hex ? 16 : 8) + static_cast<uint64_t>(digit);
            if (value > 0xFFFFFFFFull) overflow = true;
            ++digitCount;
            ++end;
        }
        if (end < t.size() && (t[end] == '%' || t[end] == '&')) token.suffix = t[end++];
        token.spelling = t.substr(start, end - start);
        Advance(end - start);
        token.kind = Tok::kNumber;
        if (digitCount == 0 || overflow || (token.suffix == '%' && value > 0xFFFF)) {
            diagnostics_.Error(token.at, "number " + token.spelling + " is out of range");
            value = 0;
        }
        if (value <= 0xFFFF && token.suffix != '&') {
            token.numberType = Type::kInteger;
            token.integer = static_cast<int16_t>(static_cast<uint16_t>(value));
        } else {
            token.numberType = Type::kLong;
            token.integer = static_cast<int32_t>(static_cast<uint32_t>(value));
        }
        token.real = static_cast<double>(token.integer);
    }

    void String(Token& token) {
        const std::string& t = *text_;
        Advance(1);
        token.kind = Tok::kString;
        while (pos_ < t.size() && t[pos_] != '"') {
            int length = Utf8CharLength(static_cast<unsigned char>(t[pos_]));
            std::string_view character(t.data() + pos_, std::min<size_t>(length, t.size() - pos_));
            if (!Utf8CharToShiftJis(character, token.text))
                diagnostics_.Error(Position{file_, line_, column_},
                                   "character '" + std::string(character) + "' has no Shift-JIS form");
            Advance(character.size());
        }
        if (pos_ >= t.size()) {
            diagnostics_.Error(token.at, "unterminated string");
            return;
        }
        Advance(1);
    }

    bool Operator(Token& token) {
        const std::string& t = *text_;
        char c = t[pos_];
        char next = pos_ + 1 < t.size() ? t[pos_ + 1] : 0;
        size_t length = 1;
        switch (c) {
        case '+': token.kind = Tok::kPlus; break;
        case '-': token.kind = Tok::kMinus; break;
        case '*': token.kind = Tok::kStar; break;
        case '/': token.kind = Tok::kSlash; break;
        case '\\': token.kind = Tok::kBackslash; break;
        case '^': token.kind = Tok::kCaret; break;
        case '=': token.kind = Tok::kEqual; break;
        case '(': token.kind = Tok::kLeftParen; break;
        case ')': token.kind = Tok::kRightParen; break;
        case ',': token.kind = Tok::kComma; break;
        case ';': token.kind = Tok::kSemicolon; break;
        case ':': token.kind = Tok::kColon; break;
        case '?': token.kind = Tok::kPrint; break;
        case '<':
            if (next == '=') { token.kind = Tok::kLessEqual; length = 2; }
            else if (next == '>') { token.kind = Tok::kNotEqual; length = 2; }
            else token.kind = Tok::kLess;
            break;
        case '>':
            if (next == '=') { token.kind = Tok::kGreaterEqual; length = 2; }
            else token.kind = Tok::kGreater;
            break;
        default:
            return false;
        }
        token.spelling = t.substr(pos_, length);
        Advance(length);
        return true;
    }

    // A comment; one that starts with $INCLUDE: brings in a file's tokens.
    void Comment(const std::string& body, Position at, int depth) {
        size_t i = 0;
        while (i < body.size() && body[i] == ' ') ++i;
        std::string rest = body.substr(i);
        std::string head;
        for (size_t k = 0; k < rest.size() && k < 9; ++k)
            head += static_cast<char>(std::toupper(static_cast<unsigned char>(rest[k])));
        if (head != "$INCLUDE:") return;
        size_t open = rest.find('\'', 9);
        size_t close = open == std::string::npos ? open : rest.find('\'', open + 1);
        if (close == std::string::npos) {
            diagnostics_.Error(at, "$INCLUDE needs a file name in single quotes");
            return;
        }
        Include(rest.substr(open + 1, close - open - 1), at, depth);
    }

    void Include(const std::string& name, Position at, int depth) {
        if (depth >= kMaxIncludeDepth) {
            diagnostics_.Error(at, "includes nested too deeply (an include that includes itself?)");
            return;
        }
        std::filesystem::path base = std::filesystem::path(sources_.File(at.file).path).parent_path();
        std::filesystem::path path = std::filesystem::path(name).is_absolute() ? std::filesystem::path(name) : base / name;
        int file = sources_.Load(name, path.string(), at.file, at.line);
        if (file < 0) {
            diagnostics_.Error(at, "cannot read include file '" + name + "'");
            return;
        }
        if (!out_.empty() && out_.back().kind != Tok::kNewline) {
            Token end;
            end.kind = Tok::kNewline;
            end.at = at;
            out_.push_back(end);
        }
        int savedFile = file_, savedLine = line_;
        const std::string* savedText = text_;
        size_t savedPos = pos_;
        int savedColumn = column_;
        ScanFile(file, depth + 1);
        file_ = savedFile;
        line_ = savedLine;
        text_ = savedText;
        pos_ = savedPos;
        column_ = savedColumn;
    }

    SourceSet& sources_;
    Diagnostics& diagnostics_;
    std::vector<Token>& out_;
    int file_ = 0;
    int line_ = 0;
    const std::string* text_ = nullptr;
    size_t pos_ = 0;
    int column_ = 1;
};

}  // namespace

std::vector<Token> ScanProgram(SourceSet& sources, int root, Diagnostics& diagnostics) {
    std::vector<Token> tokens;
    Scanner scanner(sources, diagnostics, tokens);
    scanner.ScanFile(root, 0);
    Token end;
    end.kind = Tok::kNewline;
    end.at = Position{root, static_cast<int>(sources.File(root).lines.size()) + 1, 1};
    tokens.push_back(end);
    end.kind = Tok::kEndOfInput;
    tokens.push_back(end);
    return tokens;
}

}  // namespace basic
