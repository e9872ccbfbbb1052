// The tokens of a program: what the scanner makes of the source text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "basic/diagnostics.h"

namespace basic {

enum class Tok : uint8_t {
    kEndOfInput, kNewline, kColon, kNumber, kString, kName,
    // Punctuation and operators.
    kPlus, kMinus, kStar, kSlash, kBackslash, kCaret, kEqual, kLess, kGreater,
    kLessEqual, kGreaterEqual, kNotEqual, kLeftParen, kRightParen, kComma, kSemicolon,
    // Keywords.
    kAnd, kAs, kCall, kCase, kCircle, kCls, kColor, kConst, kDeclare, kDefDbl, kDefInt,
    kDefLng, kDefSng, kDefStr, kDim, kDo, kDouble, kElse, kElseIf, kEnd, kEqv, kExit, kFor,
    kFunction, kGosub, kGoto, kIf, kImp, kInput, kInteger, kIs, kLet, kLine, kLong, kLoop,
    kMod, kNext, kNot, kOr, kPrint, kRandomize, kReturn, kSelect, kShared, kSingle, kSleep,
    kStatic, kStep, kStringType, kSub, kThen, kTo, kUntil, kWend, kWhile, kXor,
};

// The type a literal or a name's suffix gives.
enum class Type : uint8_t { kInteger, kLong, kDouble, kString, kSingle, kNone };

struct Token {
    Tok kind = Tok::kEndOfInput;
    Position at;
    std::string text;   // names: lower case, without suffix; strings: Shift-JIS bytes
    std::string spelling;  // names and keywords as written (suffix included)
    char suffix = 0;    // names and numbers: '%', '&', '!', '#', '$' or 0
    Type numberType = Type::kNone;  // numbers: the literal's type
    int64_t integer = 0;  // integer literals
    double real = 0;      // every number
    bool lineStart = false;  // the first token of a source line
};

const char* TokenName(Tok kind);
const char* TypeName(Type type);
Type SuffixType(char suffix);

}  // namespace basic
