// Names of tokens and types for messages.
#include "basic/token.h"

namespace basic {

const char* TokenName(Tok kind) {
    switch (kind) {
    case Tok::kPlus: return "'+'";
    case Tok::kMinus: return "'-'";
    case Tok::kStar: return "'*'";
    case Tok::kSlash: return "'/'";
    case Tok::kBackslash: return "'\\'";
    case Tok::kCaret: return "'^'";
    case Tok::kEqual: return "'='";
    case Tok::kLess: return "'<'";
    case Tok::kGreater: return "'>'";
    case Tok::kLessEqual: return "'<='";
    case Tok::kGreaterEqual: return "'>='";
    case Tok::kNotEqual: return "'<>'";
    case Tok::kMod: return "MOD";
    case Tok::kAnd: return "AND";
    case Tok::kOr: return "OR";
    case Tok::kXor: return "XOR";
    case Tok::kEqv: return "EQV";
    case Tok::kImp: return "IMP";
    case Tok::kNot: return "NOT";
    default: return "operator";
    }
}

const char* TypeName(Type type) {
    switch (type) {
    case Type::kInteger: return "INTEGER";
    case Type::kLong: return "LONG";
    case Type::kDouble: return "DOUBLE";
    case Type::kString: return "STRING";
    case Type::kSingle: return "SINGLE";
    default: return "no type";
    }
}

Type SuffixType(char suffix) {
    switch (suffix) {
    case '%': return Type::kInteger;
    case '&': return Type::kLong;
    case '$': return Type::kString;
    case '!': return Type::kSingle;
    default: return Type::kDouble;
    }
}

}  // namespace basic
