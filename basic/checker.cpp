// The checker: resolves names, types every expression, writes conversions
// into the tree and reports everything the C++ compiler would otherwise meet
// first. A procedure's labels are collected before its statements are
// checked, so jumps may go forward.
#include "basic/checker.h"

#include <cstring>

namespace basic {
namespace {

struct BuiltinInfo {
    const char* name;  // lower case, '$' included
    Builtin id;
    int minArgs, maxArgs;
};

const BuiltinInfo kBuiltins[] = {
    {"int", Builtin::kInt, 1, 1},        {"fix", Builtin::kFix, 1, 1},
    {"abs", Builtin::kAbs, 1, 1},        {"sgn", Builtin::kSgn, 1, 1},
    {"sqr", Builtin::kSqr, 1, 1},        {"log", Builtin::kLog, 1, 1},
    {"exp", Builtin::kExp, 1, 1},        {"rnd", Builtin::kRnd, 0, 1},
    {"timer", Builtin::kTimer, 0, 0},    {"len", Builtin::kLen, 1, 1},
    {"left$", Builtin::kLeft, 2, 2},     {"right$", Builtin::kRight, 2, 2},
    {"mid$", Builtin::kMid, 2, 3},       {"chr$", Builtin::kChr, 1, 1},
    {"asc", Builtin::kAsc, 1, 1},        {"str$", Builtin::kStr, 1, 1},
    {"val", Builtin::kVal, 1, 1},        {"instr", Builtin::kInstr, 2, 3},
    {"space$", Builtin::kSpace, 1, 1},   {"string$", Builtin::kStringOf, 2, 2},
    {"ucase$", Builtin::kUcase, 1, 1},   {"lcase$", Builtin::kLcase, 1, 1},
    {"ltrim$", Builtin::kLtrim, 1, 1},   {"rtrim$", Builtin::kRtrim, 1, 1},
    {"hex$", Builtin::kHex, 1, 1},       {"command$", Builtin::kCommand, 0, 0},
};

const BuiltinInfo* FindBuiltin(const std::string& name, char suffix) {
    std::string key = name + (suffix == '$' ? "$" : "");
    if (suffix && suffix != '$') return nullptr;
    for (const auto& info : kBuiltins)
        if (key == info.name) return &info;
    return nullptr;
}

bool IsBuiltinName(const std::string& name) {
    for (const auto& info : kBuiltins) {
        std::string builtin = info.name;
        if (!builtin.empty() && builtin.back() == '$') builtin.pop_back();
        if (builtin == name) return true;
    }
    return false;
}

char TypeLetter(Type type) {
    switch (type) {
    case Type::kInteger: return 'i';
    case Type::kLong: return 'l';
    case Type::kString: return 's';
    default: return 'd';
    }
}

// The key of a variable named with a type suffix (or typed by a DEF range),
// beside the bare key of a name declared AS a type. The separator is no
// character of a name, so "x#" and a variable "xd" never share a key.
std::string TypedKey(const std::string& name, char letter) { return name + '\x1f' + letter; }


std::string Mangle(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (c == '_') out += "_u";
        else if (c == '.') out += "_d";
        else out += c;
    }
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

struct LoopFrame {
    Tok kind;  // kFor or kDo (WHILE counts as neither)
    int id;
};

class Checker {
public:
    Checker(CheckedProgram& checked, Diagnostics& diagnostics) : checked_(checked), diagnostics_(diagnostics) {}

    void Run() {
        Procedure& main = checked_.main;
        main.isMain = true;
        main.name = "main";
        main.defs.fill(Type::kDouble);
        RegisterModule();
        current_ = &main;
        defs_ = main.defs;
        CheckProcedureBody(main, checked_.program.main);
        for (auto& procedure : checked_.procedures) {
            current_ = procedure.get();
            defs_ = procedure->defs;
            CheckProcedureBody(*procedure, procedure->def->body);
        }
    }

private:
    // ---- Module level: procedures, DIM SHARED, module constants ---------------
    void RegisterModule() {
        DefTable defs;
        defs.fill(Type::kDouble);
        current_ = &checked_.main;
        for (auto& stmt : checked_.program.main) {
            switch (stmt->kind) {
            case StmtKind::kDefType: ApplyDefType(*stmt, defs); break;
            case StmtKind::kProcedure: RegisterProcedure(*checked_.program.procedures[stmt->procedure], defs); break;
            default: break;
            }
        }
        // DIM SHARED and CONST of the main program, in order, with the DEF
        // ranges where they stand.
        defs.fill(Type::kDouble);
        defs_ = defs;
        RegisterShared(checked_.program.main, true);
        for (auto& stmt : checked_.program.main)
            if (stmt->kind == StmtKind::kDeclare) CheckDeclare(*stmt);
    }

    void RegisterShared(Block& block, bool topLevel) {
        for (auto& stmt : block) {
            if (stmt->kind == StmtKind::kDefType && topLevel) ApplyDefType(*stmt, defs_);
            if (stmt->kind == StmtKind::kDim && stmt->flag) {
                for (auto& decl : stmt->decls) decl.symbol = Declare(decl, checked_.main, true);
            }
            if (stmt->kind == StmtKind::kConst && topLevel) {
                CheckConst(*stmt);
                stmt->flag = true;  // done
            }
            for (auto& body : stmt->bodies) RegisterShared(body, false);
            for (auto& clause : stmt->cases) RegisterShared(clause.body, false);
        }
    }

    static void ApplyDefType(const Stmt& stmt, DefTable& defs) {
        for (int letter = 0; letter < 26; ++letter)
            if (stmt.letters & (1u << letter)) defs[letter] = stmt.defType;
    }

    Type DefaultType(const std::string& name) const {
        char first = name.empty() ? 'a' : name[0];
        if (first < 'a' || first > 'z') return Type::kDouble;
        return defs_[first - 'a'];
    }

    // The type of a declared name: AS type, else suffix, else DEF range.
    Type DeclaredType(char suffix, Type asType, const std::string& name, const DefTable& defs, Position at) {
        if (suffix == '!') Error(at, "SINGLE is not supported; use DOUBLE (#)");
        Type fromSuffix = suffix && suffix != '!' ? SuffixType(suffix) : Type::kNone;
        if (asType != Type::kNone) {
            if (fromSuffix != Type::kNone && fromSuffix != asType)
                Error(at, "the suffix of " + name + " says " + TypeName(fromSuffix) + " but AS says " + TypeName(asType));
            return asType;
        }
        if (fromSuffix != Type::kNone) return fromSuffix;
        char first = name.empty() ? 'a' : name[0];
        return first >= 'a' && first <= 'z' ? defs[first - 'a'] : Type::kDouble;
    }

    Procedure* FindProcedure(const std::string& name) {
        for (auto& procedure : checked_.procedures)
            if (procedure->name == name) return procedure.get();
        return nullptr;
    }

    void RegisterProcedure(ProcedureDef& def, const DefTable& defs) {
        Signature& signature = def.signature;
        if (signature.name.empty()) return;  // the parser reported it
        if (IsBuiltinName(signature.name)) {
            Error(signature.at, Upper(signature.name) + " is a builtin function's name");
            return;
        }
        if (Procedure* existing = FindProcedure(signature.name)) {
            Error(signature.at, (signature.isFunction ? "FUNCTION " : "SUB ") + signature.spelling +
                                    " is already defined at line " + std::to_string(existing->signature->at.line));
            return;
        }
        auto procedure = std::make_unique<Procedure>();
        procedure->isFunction = signature.isFunction;
        procedure->name = signature.name;
        procedure->display = signature.spelling;
        procedure->def = &def;
        procedure->signature = &signature;
        procedure->defs = defs;
        procedure->cppName = (signature.isFunction ? "fn_" : "sub_") + Mangle(signature.name);
        defs_ = defs;
        if (signature.isFunction)
            procedure->resultType = DeclaredType(signature.suffix, Type::kNone, signature.name, defs, signature.at);
        for (auto& param : signature.params) {
            if (param.isArray) {
                Error(param.at, "array parameters are not supported; share the array with DIM SHARED");
                continue;
            }
            DimDecl decl;
            decl.at = param.at;
            decl.name = param.name;
            decl.spelling = param.spelling;
            decl.suffix = param.suffix;
            decl.asType = param.asType;
            if (param.name == signature.name) {
                Error(param.at, "parameter " + param.spelling + " has the name of its procedure");
                continue;
            }
            Symbol* symbol = Declare(decl, *procedure, false);
            if (!symbol) continue;
            symbol->isParam = true;
            symbol->cppName = "p_" + Mangle(param.name) + "_" + TypeLetter(symbol->type);
            procedure->params.push_back(symbol);
        }
        checked_.procedures.push_back(std::move(procedure));
    }

    void CheckDeclare(Stmt& stmt) {
        const Signature& declared = stmt.signature;
        Procedure* procedure = FindProcedure(declared.name);
        const char* kind = declared.isFunction ? "FUNCTION " : "SUB ";
        if (!procedure) {
            Error(declared.at, std::string(kind) + declared.spelling + " is declared but never defined");
            return;
        }
        if (procedure->isFunction != declared.isFunction) {
            Error(declared.at, declared.spelling + " is defined as a " + (procedure->isFunction ? "FUNCTION" : "SUB"));
            return;
        }
        if (declared.params.size() != procedure->signature->params.size()) {
            Error(declared.at, "DECLARE of " + declared.spelling + " has " + std::to_string(declared.params.size()) +
                                   " parameters, the definition " +
                                   std::to_string(procedure->signature->params.size()));
            return;
        }
        if (declared.isFunction &&
            DeclaredType(declared.suffix, Type::kNone, declared.name, procedure->defs, declared.at) != procedure->resultType) {
            Error(declared.at, "DECLARE of " + declared.spelling + " gives another result type than the definition");
        }
        for (size_t i = 0; i < declared.params.size() && i < procedure->params.size(); ++i) {
            const Param& param = declared.params[i];
            Type type = DeclaredType(param.suffix, param.asType, param.name, procedure->defs, param.at);
            if (type != procedure->params[i]->type)
                Error(param.at, "parameter " + std::to_string(i + 1) + " of " + declared.spelling + " is " +
                                    TypeName(procedure->params[i]->type) + " in the definition");
        }
    }

    // ---- Symbols ------------------------------------------------------------
    Symbol* NewSymbol(Procedure& scope, const std::string& name, const std::string& display, Type type, Position at) {
        auto symbol = std::make_unique<Symbol>();
        symbol->name = name;
        symbol->display = display;
        symbol->type = type;
        symbol->at = at;
        symbol->global = scope.isMain;
        Symbol* raw = symbol.get();
        scope.symbols.push_back(std::move(symbol));
        return raw;
    }

    // DIM, parameters and DIM SHARED: a new name in scope.
    Symbol* Declare(DimDecl& decl, Procedure& scope, bool shared) {
        Type type = DeclaredType(decl.suffix, decl.asType, decl.name, defs_, decl.at);
        bool asDeclared = decl.asType != Type::kNone;
        auto& map = decl.isArray ? scope.arrays : scope.scalars;
        std::string typedKey = TypedKey(decl.name, TypeLetter(type));
        if (asDeclared) {
            for (const char letter : {'\0', 'i', 'l', 'd', 's'}) {
                auto found = map.find(letter ? TypedKey(decl.name, letter) : decl.name);
                if (found != map.end()) {
                    Error(decl.at, decl.spelling + " is already " +
                                       (found->second->at.line ? "in use since line " + std::to_string(found->second->at.line)
                                                               : std::string("declared")) +
                                       "; declare it AS a type before its first use");
                    return nullptr;
                }
            }
        } else if (map.count(typedKey) || map.count(decl.name)) {
            Symbol* existing = map.count(typedKey) ? map[typedKey] : map[decl.name];
            if (map.count(decl.name) && existing->type != type) {
                Error(decl.at, decl.spelling + " is declared AS " + TypeName(existing->type) + " at line " +
                                   std::to_string(existing->at.line));
            } else {
                Error(decl.at, decl.spelling + " is already declared at line " + std::to_string(existing->at.line));
            }
            return nullptr;
        }
        if (!decl.isArray && (scope.consts.count(decl.name))) {
            Error(decl.at, decl.spelling + " is a constant");
            return nullptr;
        }
        Symbol* symbol = NewSymbol(scope, decl.name, decl.spelling, type, decl.at);
        symbol->isArray = decl.isArray;
        symbol->dims = static_cast<int>(decl.bounds.size());
        symbol->shared = shared;
        symbol->cppName = std::string(scope.isMain ? "g" : "") + (decl.isArray ? "a_" : "v_") + Mangle(decl.name) + "_" +
                          TypeLetter(type);
        map[asDeclared ? decl.name : typedKey] = symbol;
        return symbol;
    }

    // A scalar name in an expression or as a target: a variable or a constant.
    Symbol* LookupScalar(const std::string& name, char suffix, const std::string& spelling, Position at, bool create) {
        Procedure& scope = *current_;
        Procedure& main = checked_.main;
        if (suffix == '!') {
            Error(at, "SINGLE is not supported; use DOUBLE (#)");
            return nullptr;
        }
        auto checkSuffix = [&](Symbol* symbol) -> Symbol* {
            if (suffix && SuffixType(suffix) != symbol->type) {
                Error(at, symbol->display + " is " + (symbol->isConst ? "a constant of type " : "declared AS ") +
                              TypeName(symbol->type) + ", so " + spelling + " does not name it");
                return nullptr;
            }
            return symbol;
        };
        auto asName = scope.scalars.find(name);
        if (asName != scope.scalars.end()) return checkSuffix(asName->second);
        if (!scope.isMain) {
            auto shared = main.scalars.find(name);
            if (shared != main.scalars.end() && shared->second->shared) return checkSuffix(shared->second);
        }
        auto constant = scope.consts.find(name);
        if (constant != scope.consts.end()) return checkSuffix(constant->second);
        if (!scope.isMain) {
            constant = main.consts.find(name);
            if (constant != main.consts.end()) return checkSuffix(constant->second);
        }
        Type type = suffix ? SuffixType(suffix) : DefaultType(name);
        std::string key = TypedKey(name, TypeLetter(type));
        auto found = scope.scalars.find(key);
        if (found != scope.scalars.end()) return found->second;
        if (!scope.isMain) {
            auto shared = main.scalars.find(key);
            if (shared != main.scalars.end() && shared->second->shared) return shared->second;
        }
        if (!create) return nullptr;
        Symbol* symbol = NewSymbol(scope, name, spelling, type, at);
        symbol->cppName = std::string(scope.isMain ? "g" : "") + "v_" + Mangle(name) + "_" + TypeLetter(type);
        scope.scalars[key] = symbol;
        return symbol;
    }

    Symbol* LookupArray(const std::string& name, char suffix) {
        Procedure& scope = *current_;
        Procedure& main = checked_.main;
        if (suffix == '!') return nullptr;
        auto byName = [&](Procedure& where, bool needShared) -> Symbol* {
            auto found = where.arrays.find(name);
            if (found != where.arrays.end() && (!needShared || found->second->shared)) return found->second;
            Type type = suffix ? SuffixType(suffix) : DefaultType(name);
            found = where.arrays.find(TypedKey(name, TypeLetter(type)));
            if (found != where.arrays.end() && (!needShared || found->second->shared)) return found->second;
            return nullptr;
        };
        if (Symbol* local = byName(scope, false)) return local;
        if (!scope.isMain) return byName(main, true);
        return nullptr;
    }

    // ---- Errors and conversions -------------------------------------------------
    void Error(Position at, const std::string& message) { diagnostics_.Error(at, message); }

    // Makes expr a value of type target: integer to DOUBLE, DOUBLE to an
    // integer (truncated), a store into 16 or 32 bits.
    void Convert(ExprPtr& expr, Type target) {
        if (!expr || expr->type == Type::kNone || target == Type::kNone) return;
        if ((expr->type == Type::kString) != (target == Type::kString)) {
            Error(expr->at, std::string("type mismatch: ") + (target == Type::kString ? "a string" : "a number") +
                                " is expected here, not " + (expr->type == Type::kString ? "a string" : "a number"));
            expr->type = Type::kNone;
            return;
        }
        if (expr->type == target) return;
        if (target == Type::kLong && expr->type == Type::kInteger) return;  // both are 32-bit values in expressions
        auto convert = std::make_unique<Expr>();
        convert->kind = ExprKind::kConvert;
        convert->at = expr->at;
        convert->type = target;
        convert->effects = expr->effects;
        convert->calls = expr->calls;
        convert->args.push_back(std::move(expr));
        expr = std::move(convert);
    }

    bool RequireNumber(const ExprPtr& expr) {
        if (!expr || expr->type == Type::kNone) return false;
        if (expr->type == Type::kString) {
            Error(expr->at, "type mismatch: a number is expected here, not a string");
            return false;
        }
        return true;
    }

    // ---- Expressions --------------------------------------------------------------
    void CheckExpr(ExprPtr& expr) {
        if (!expr) return;
        switch (expr->kind) {
        case ExprKind::kNumber: expr->type = expr->literalType; return;
        case ExprKind::kString: expr->type = Type::kString; return;
        case ExprKind::kParen:
            CheckExpr(expr->args[0]);
            expr->type = expr->args[0]->type;
            expr->effects = expr->args[0]->effects;
            expr->calls = expr->args[0]->calls;
            return;
        case ExprKind::kUnary: CheckUnary(*expr); return;
        case ExprKind::kBinary: CheckBinary(*expr); return;
        case ExprKind::kName: CheckName(*expr, false); return;
        case ExprKind::kConvert: return;
        }
    }

    void CheckUnary(Expr& expr) {
        CheckExpr(expr.args[0]);
        expr.effects = expr.args[0]->effects;
        expr.calls = expr.args[0]->calls;
        if (!RequireNumber(expr.args[0])) return;
        if (expr.op == Tok::kNot) {
            Convert(expr.args[0], Type::kLong);
            expr.type = Type::kLong;
        } else {
            expr.type = expr.args[0]->type == Type::kDouble ? Type::kDouble : Type::kLong;
        }
    }

    void CheckBinary(Expr& expr) {
        ExprPtr& left = expr.args[0];
        ExprPtr& right = expr.args[1];
        CheckExpr(left);
        CheckExpr(right);
        expr.effects = left->effects || right->effects;
        expr.calls = left->calls || right->calls;
        if (left->type == Type::kNone || right->type == Type::kNone) return;
        bool strings = left->type == Type::kString || right->type == Type::kString;
        bool comparison = expr.op == Tok::kEqual || expr.op == Tok::kLess || expr.op == Tok::kGreater ||
                          expr.op == Tok::kLessEqual || expr.op == Tok::kGreaterEqual || expr.op == Tok::kNotEqual;
        if (strings) {
            if (left->type != right->type) {
                Error(expr.at, "type mismatch: " + std::string(TokenName(expr.op)) + " between a string and a number");
                return;
            }
            if (comparison) expr.type = Type::kInteger;
            else if (expr.op == Tok::kPlus) expr.type = Type::kString;
            else Error(expr.at, "type mismatch: " + std::string(TokenName(expr.op)) + " does not work on strings");
            return;
        }
        bool anyDouble = left->type == Type::kDouble || right->type == Type::kDouble;
        switch (expr.op) {
        case Tok::kPlus: case Tok::kMinus: case Tok::kStar:
            if (anyDouble) {
                Convert(left, Type::kDouble);
                Convert(right, Type::kDouble);
            }
            expr.type = anyDouble ? Type::kDouble : Type::kLong;
            return;
        case Tok::kSlash: case Tok::kCaret:
            Convert(left, Type::kDouble);
            Convert(right, Type::kDouble);
            expr.type = Type::kDouble;
            return;
        case Tok::kBackslash: case Tok::kMod: case Tok::kAnd: case Tok::kOr: case Tok::kXor:
        case Tok::kEqv: case Tok::kImp:
            Convert(left, Type::kLong);
            Convert(right, Type::kLong);
            expr.type = Type::kLong;
            return;
        default:  // comparisons
            if (anyDouble) {
                Convert(left, Type::kDouble);
                Convert(right, Type::kDouble);
            }
            expr.type = Type::kInteger;
            return;
        }
    }

    void CheckArgs(Expr& expr) {
        for (auto& arg : expr.args) {
            CheckExpr(arg);
            expr.effects = expr.effects || arg->effects;
            expr.calls = expr.calls || arg->calls;
        }
    }

    void CheckName(Expr& expr, bool asTarget) {
        if (const BuiltinInfo* builtin = FindBuiltin(expr.name, expr.suffix)) {
            if (asTarget) {
                Error(expr.at, Upper(expr.spelling) + " is a builtin function; it cannot be assigned");
                return;
            }
            CheckBuiltin(expr, *builtin);
            return;
        }
        Procedure& scope = *current_;
        if (scope.isFunction && expr.name == scope.name && asTarget && !expr.hasParens) {
            if (expr.suffix && SuffixType(expr.suffix) != scope.resultType) {
                Error(expr.at, "FUNCTION " + scope.display + " returns " + TypeName(scope.resultType));
                return;
            }
            expr.ref = NameRef::kResult;
            expr.type = scope.resultType;
            return;
        }
        if (Procedure* procedure = FindProcedure(expr.name)) {
            if (asTarget) {
                Error(expr.at, procedure->display + " is a " + (procedure->isFunction ? "FUNCTION" : "SUB") +
                                   "; only its own body can set its result");
                return;
            }
            if (!procedure->isFunction) {
                Error(expr.at, "SUB " + procedure->display + " has no value; call it as a statement");
                return;
            }
            if (expr.suffix && SuffixType(expr.suffix) != procedure->resultType) {
                Error(expr.at, "FUNCTION " + procedure->display + " returns " + TypeName(procedure->resultType));
                return;
            }
            expr.ref = NameRef::kCall;
            expr.procedure = procedure;
            expr.type = procedure->resultType;
            expr.effects = true;
            expr.calls = true;
            CheckCallArgs(expr.args, *procedure, expr.at);
            return;
        }
        if (expr.hasParens) {
            Symbol* array = LookupArray(expr.name, expr.suffix);
            if (!array) {
                Error(expr.at, expr.spelling + " is neither an array (DIM it first) nor a FUNCTION");
                CheckArgs(expr);
                return;
            }
            if (static_cast<int>(expr.args.size()) != array->dims) {
                Error(expr.at, "array " + array->display + " has " + std::to_string(array->dims) +
                                   " dimension" + (array->dims == 1 ? "" : "s") + ", not " +
                                   std::to_string(expr.args.size()));
                return;
            }
            CheckArgs(expr);
            for (auto& index : expr.args)
                if (RequireNumber(index)) Convert(index, Type::kLong);
            expr.ref = NameRef::kElement;
            expr.symbol = array;
            expr.type = array->type;
            return;
        }
        Symbol* symbol = LookupScalar(expr.name, expr.suffix, expr.spelling, expr.at, true);
        if (!symbol) return;
        if (symbol->isConst) {
            if (asTarget) {
                Error(expr.at, symbol->display + " is a constant");
                return;
            }
            expr.ref = NameRef::kConst;
        } else {
            expr.ref = NameRef::kVariable;
        }
        expr.symbol = symbol;
        expr.type = symbol->type;
    }

    void CheckBuiltin(Expr& expr, const BuiltinInfo& info) {
        int count = static_cast<int>(expr.args.size());
        if (count < info.minArgs || count > info.maxArgs || (info.maxArgs == 0 && expr.hasParens)) {
            std::string expected = info.minArgs == info.maxArgs ? std::to_string(info.minArgs)
                                                                : std::to_string(info.minArgs) + " to " + std::to_string(info.maxArgs);
            Error(expr.at, Upper(expr.spelling) + " takes " + expected + " argument" +
                               (info.maxArgs == 1 && info.minArgs == 1 ? "" : "s") + ", not " + std::to_string(count));
            return;
        }
        CheckArgs(expr);
        for (auto& arg : expr.args)
            if (arg->type == Type::kNone) return;
        expr.ref = NameRef::kBuiltin;
        expr.builtin = static_cast<int>(info.id);
        auto number = [&](size_t i, Type type) {
            if (RequireNumber(expr.args[i])) Convert(expr.args[i], type);
        };
        auto string = [&](size_t i) { Convert(expr.args[i], Type::kString); };
        switch (info.id) {
        case Builtin::kInt: case Builtin::kFix: case Builtin::kAbs:
            if (!RequireNumber(expr.args[0])) return;
            if (info.id == Builtin::kInt) expr.type = Type::kLong;
            else expr.type = expr.args[0]->type == Type::kDouble ? Type::kDouble : Type::kLong;
            return;
        case Builtin::kSgn:
            if (RequireNumber(expr.args[0])) expr.type = Type::kInteger;
            return;
        case Builtin::kSqr: case Builtin::kLog: case Builtin::kExp:
            number(0, Type::kDouble);
            expr.type = Type::kDouble;
            return;
        case Builtin::kRnd:
            if (count == 1) RequireNumber(expr.args[0]);
            expr.type = Type::kDouble;
            expr.effects = true;
            return;
        case Builtin::kTimer:
            expr.type = Type::kDouble;
            expr.effects = true;
            return;
        case Builtin::kLen: string(0); expr.type = Type::kLong; return;
        case Builtin::kLeft: case Builtin::kRight:
            string(0);
            number(1, Type::kLong);
            expr.type = Type::kString;
            return;
        case Builtin::kMid:
            string(0);
            number(1, Type::kLong);
            if (count == 3) number(2, Type::kLong);
            expr.type = Type::kString;
            return;
        case Builtin::kChr: case Builtin::kSpace: case Builtin::kHex:
            number(0, Type::kLong);
            expr.type = Type::kString;
            return;
        case Builtin::kAsc: string(0); expr.type = Type::kInteger; return;
        case Builtin::kStr:
            RequireNumber(expr.args[0]);
            expr.type = Type::kString;
            return;
        case Builtin::kVal: string(0); expr.type = Type::kDouble; return;
        case Builtin::kInstr:
            if (count == 3) number(0, Type::kLong);
            string(count - 2);
            string(count - 1);
            expr.type = Type::kLong;
            return;
        case Builtin::kStringOf:
            number(0, Type::kLong);
            if (expr.args[1]->type != Type::kString) number(1, Type::kLong);
            expr.type = Type::kString;
            return;
        case Builtin::kUcase: case Builtin::kLcase: case Builtin::kLtrim: case Builtin::kRtrim:
            string(0);
            expr.type = Type::kString;
            return;
        case Builtin::kCommand: expr.type = Type::kString; return;
        }
    }

    // Is expr a place a by-reference argument can stand for?
    static bool IsPlace(const Expr& expr) {
        return expr.kind == ExprKind::kName && (expr.ref == NameRef::kVariable || expr.ref == NameRef::kElement);
    }

    void CheckCallArgs(std::vector<ExprPtr>& args, Procedure& procedure, Position at) {
        if (args.size() != procedure.params.size() ||
            procedure.params.size() != procedure.signature->params.size()) {
            if (procedure.params.size() == procedure.signature->params.size())
                Error(at, std::string(procedure.isFunction ? "FUNCTION " : "SUB ") + procedure.display + " takes " +
                              std::to_string(procedure.params.size()) + " argument" +
                              (procedure.params.size() == 1 ? "" : "s") + ", not " + std::to_string(args.size()));
            for (auto& arg : args) CheckExpr(arg);
            return;
        }
        for (size_t i = 0; i < args.size(); ++i) {
            ExprPtr& arg = args[i];
            CheckExpr(arg);
            Type type = procedure.params[i]->type;
            if (arg->type == Type::kNone) continue;
            // A variable or element of the parameter's type is passed by
            // reference; anything else (another numeric type included) as a
            // value converted to the parameter's type, as a store would.
            if (!IsPlace(*arg) || arg->type != type) Convert(arg, type);
        }
    }

    // ---- Statements ---------------------------------------------------------------
    void CollectLabels(Procedure& procedure, Block& block) {
        for (auto& stmt : block) {
            if (stmt->kind == StmtKind::kLabel) {
                auto [it, inserted] = procedure.labels.emplace(stmt->name, stmt->at);
                if (!inserted)
                    Error(stmt->at, "label " + stmt->spelling + " is already defined at line " + std::to_string(it->second.line));
            }
            for (auto& body : stmt->bodies) CollectLabels(procedure, body);
            for (auto& clause : stmt->cases) CollectLabels(procedure, clause.body);
        }
    }

    void CheckProcedureBody(Procedure& procedure, Block& body) {
        CollectLabels(procedure, body);
        loops_.clear();
        CheckBlock(body);
    }

    void CheckBlock(Block& block) {
        for (auto& stmt : block) CheckStatement(*stmt);
    }

    void CheckTarget(ExprPtr& target) {
        if (!target) return;
        CheckName(*target, true);
    }

    // A variable or an array element that a statement writes.
    bool RequirePlace(ExprPtr& target) {
        CheckTarget(target);
        if (target->type == Type::kNone) return false;
        if (target->ref == NameRef::kVariable || target->ref == NameRef::kElement) return true;
        if (target->ref == NameRef::kResult) {
            Error(target->at, "a FUNCTION's result can only be assigned with '='");
            return false;
        }
        return false;
    }

    void CheckStatement(Stmt& stmt) {
        switch (stmt.kind) {
        case StmtKind::kAssign: {
            CheckTarget(stmt.exprs[0]);
            CheckExpr(stmt.exprs[1]);
            if (stmt.exprs[0]->type != Type::kNone) Convert(stmt.exprs[1], stmt.exprs[0]->type);
            return;
        }
        case StmtKind::kMidAssign: {
            if (RequirePlace(stmt.exprs[0]) && stmt.exprs[0]->type != Type::kString)
                Error(stmt.exprs[0]->at, "MID$ needs a string variable");
            for (size_t i = 1; i <= 2; ++i) {
                if (!stmt.exprs[i]) continue;
                CheckExpr(stmt.exprs[i]);
                if (RequireNumber(stmt.exprs[i])) Convert(stmt.exprs[i], Type::kLong);
            }
            CheckExpr(stmt.exprs[3]);
            Convert(stmt.exprs[3], Type::kString);
            return;
        }
        case StmtKind::kPrint:
            for (auto& item : stmt.items) CheckExpr(item.value);
            return;
        case StmtKind::kLineInput:
            if (RequirePlace(stmt.exprs[1]) && stmt.exprs[1]->type != Type::kString)
                Error(stmt.exprs[1]->at, "LINE INPUT needs a string variable");
            return;
        case StmtKind::kInput:
            for (size_t i = 1; i < stmt.exprs.size(); ++i) RequirePlace(stmt.exprs[i]);
            return;
        case StmtKind::kColor: case StmtKind::kCls:
            NumbersAs(stmt, 0, stmt.exprs.size(), Type::kLong);
            return;
        case StmtKind::kRandomize:  // a DOUBLE seed keeps its value for its bit pattern
            if (!stmt.exprs.empty()) {
                CheckExpr(stmt.exprs[0]);
                RequireNumber(stmt.exprs[0]);
            }
            return;
        case StmtKind::kSleep:
            NumbersAs(stmt, 0, 1, Type::kDouble);
            return;
        case StmtKind::kCircle:
            NumbersAs(stmt, 0, 4, Type::kLong);
            NumbersAs(stmt, 4, 7, Type::kDouble);
            NumbersAs(stmt, 7, 8, Type::kLong);
            return;
        case StmtKind::kIf:
            for (auto& condition : stmt.exprs) Condition(condition);
            for (auto& body : stmt.bodies) CheckBlock(body);
            return;
        case StmtKind::kSelect: CheckSelect(stmt); return;
        case StmtKind::kFor: CheckFor(stmt); return;
        case StmtKind::kWhile: case StmtKind::kDo: {
            if (!stmt.exprs.empty() && stmt.exprs[0]) Condition(stmt.exprs[0]);
            stmt.loopId = NewLoop();
            loops_.push_back({stmt.kind == StmtKind::kDo ? Tok::kDo : Tok::kWhile, stmt.loopId});
            CheckBlock(stmt.bodies[0]);
            loops_.pop_back();
            return;
        }
        case StmtKind::kExit: CheckExit(stmt); return;
        case StmtKind::kGoto: case StmtKind::kGosub:
            if (!current_->labels.count(stmt.name)) Error(stmt.endAt, "label " + stmt.spelling + " is not defined");
            if (stmt.kind == StmtKind::kGosub) ++current_->gosubCount;
            return;
        case StmtKind::kReturn: current_->usesReturn = true; return;
        case StmtKind::kCall: CheckCall(stmt); return;
        case StmtKind::kDim: CheckDim(stmt); return;
        case StmtKind::kConst:
            if (!stmt.flag) CheckConst(stmt);
            return;
        case StmtKind::kDefType: ApplyDefType(stmt, defs_); return;
        case StmtKind::kDeclare:
            if (!current_->isMain) CheckDeclare(stmt);
            return;
        case StmtKind::kEnd: case StmtKind::kLabel: case StmtKind::kProcedure:
            return;
        }
    }

    void NumbersAs(Stmt& stmt, size_t from, size_t to, Type type) {
        for (size_t i = from; i < to && i < stmt.exprs.size(); ++i) {
            if (!stmt.exprs[i]) continue;
            CheckExpr(stmt.exprs[i]);
            if (RequireNumber(stmt.exprs[i])) Convert(stmt.exprs[i], type);
        }
    }

    void Condition(ExprPtr& condition) {
        CheckExpr(condition);
        RequireNumber(condition);
    }

    int NewLoop() {
        current_->loopExited.push_back(false);
        return current_->loopCount++;
    }

    void CheckFor(Stmt& stmt) {
        if (stmt.exprs.size() < 4) return;
        ExprPtr& variable = stmt.exprs[0];
        CheckTarget(variable);
        bool ok = variable->type != Type::kNone;
        if (ok && (variable->ref != NameRef::kVariable || variable->type == Type::kString)) {
            Error(variable->at, "the FOR variable must be a numeric variable");
            ok = false;
        }
        CheckExpr(stmt.exprs[1]);
        CheckExpr(stmt.exprs[2]);
        if (stmt.exprs[3]) CheckExpr(stmt.exprs[3]);
        if (ok) {
            Type type = variable->type;
            Type work = type == Type::kDouble ? Type::kDouble : Type::kLong;
            if (RequireNumber(stmt.exprs[1])) Convert(stmt.exprs[1], type);
            if (RequireNumber(stmt.exprs[2])) Convert(stmt.exprs[2], work);
            if (stmt.exprs[3] && RequireNumber(stmt.exprs[3])) Convert(stmt.exprs[3], work);
        }
        if (stmt.exprs.size() > 4 && ok) {
            Expr& next = *stmt.exprs[4];
            Symbol* named = LookupScalar(next.name, next.suffix, next.spelling, next.at, false);
            if (named != variable->symbol)
                Error(next.at, "NEXT " + next.spelling + " does not match FOR " + variable->spelling + " at line " +
                                   std::to_string(stmt.at.line));
        }
        stmt.loopId = NewLoop();
        loops_.push_back({Tok::kFor, stmt.loopId});
        CheckBlock(stmt.bodies[0]);
        loops_.pop_back();
    }

    void CheckExit(Stmt& stmt) {
        if (stmt.exitKind == Tok::kSub || stmt.exitKind == Tok::kFunction) {
            bool inSub = !current_->isMain && !current_->isFunction;
            bool inFunction = current_->isFunction;
            if ((stmt.exitKind == Tok::kSub && !inSub) || (stmt.exitKind == Tok::kFunction && !inFunction))
                Error(stmt.at, std::string("EXIT ") + (stmt.exitKind == Tok::kSub ? "SUB outside a SUB" : "FUNCTION outside a FUNCTION"));
            return;
        }
        for (auto it = loops_.rbegin(); it != loops_.rend(); ++it) {
            if (it->kind == stmt.exitKind) {
                stmt.exitTarget = it->id;
                current_->loopExited[it->id] = true;
                return;
            }
        }
        Error(stmt.at, std::string("EXIT ") + (stmt.exitKind == Tok::kFor ? "FOR outside a FOR loop" : "DO outside a DO loop"));
    }

    void CheckSelect(Stmt& stmt) {
        CheckExpr(stmt.exprs[0]);
        Type subject = stmt.exprs[0]->type;
        for (auto& clause : stmt.cases) {
            for (auto& test : clause.tests) {
                for (ExprPtr* value : {&test.first, &test.second}) {
                    if (!*value) continue;
                    CheckExpr(*value);
                    if (subject == Type::kNone || (*value)->type == Type::kNone) continue;
                    if ((subject == Type::kString) != ((*value)->type == Type::kString))
                        Error((*value)->at, std::string("type mismatch: CASE needs ") +
                                                (subject == Type::kString ? "a string" : "a number"));
                }
            }
            CheckBlock(clause.body);
        }
    }

    void CheckCall(Stmt& stmt) {
        Procedure* procedure = FindProcedure(stmt.name);
        if (!procedure) {
            Error(stmt.endAt, "SUB " + stmt.spelling + " is not defined");
            for (auto& arg : stmt.exprs) CheckExpr(arg);
            return;
        }
        if (procedure->isFunction) {
            Error(stmt.endAt, procedure->display + " is a FUNCTION; use its value in an expression");
            return;
        }
        stmt.callee = procedure;
        CheckCallArgs(stmt.exprs, *procedure, stmt.endAt);
    }

    void CheckDim(Stmt& stmt) {
        if (stmt.flag && !current_->isMain) {
            Error(stmt.at, "DIM SHARED belongs in the main program");
            return;
        }
        for (auto& decl : stmt.decls) {
            if (!decl.symbol && !stmt.flag) decl.symbol = Declare(decl, *current_, false);
            for (auto& bound : decl.bounds) {
                for (ExprPtr* value : {&bound.lower, &bound.upper}) {
                    if (!*value) continue;
                    CheckExpr(*value);
                    if (RequireNumber(*value)) Convert(*value, Type::kLong);
                }
            }
            if (current_->isMain && decl.isArray && decl.symbol) MarkFixedArray(decl);
        }
    }

    // A whole-number literal, or a CONST standing for one.
    static bool WholeNumber(const Expr& expr, int64_t* value) {
        const Expr* literal = &expr;
        if (expr.kind == ExprKind::kName && expr.ref == NameRef::kConst && expr.symbol) literal = expr.symbol->constValue;
        if (!literal || literal->kind != ExprKind::kNumber) return false;
        if (literal->type != Type::kInteger && literal->type != Type::kLong) return false;
        *value = literal->integer;
        return true;
    }

    // Arrays of the main program with fixed bounds get static storage, so the
    // C++ compiler knows their place and bounds (a large share of the time of
    // array-heavy programs). Others, and very large ones, live on the heap.
    void MarkFixedArray(const DimDecl& decl) {
        constexpr int64_t kLargestStaticBytes = 16 << 20;
        std::vector<int32_t> bounds;
        int64_t count = 1;
        for (auto& bound : decl.bounds) {
            int64_t lower = 0, upper = 0;
            if ((bound.lower && !WholeNumber(*bound.lower, &lower)) || !bound.upper ||
                !WholeNumber(*bound.upper, &upper) || upper < lower)
                return;
            count *= upper - lower + 1;
            if (count * 8 > kLargestStaticBytes) return;
            bounds.push_back(static_cast<int32_t>(lower));
            bounds.push_back(static_cast<int32_t>(upper));
        }
        decl.symbol->fixedBounds = std::move(bounds);
    }

    // A constant's value may use literals, other constants and operators.
    bool IsConstant(const Expr& expr) {
        switch (expr.kind) {
        case ExprKind::kNumber: case ExprKind::kString: return true;
        case ExprKind::kName: return expr.ref == NameRef::kConst;
        default:
            for (auto& arg : expr.args)
                if (!IsConstant(*arg)) return false;
            return true;
        }
    }

    void CheckConst(Stmt& stmt) {
        for (size_t i = 0; i < stmt.decls.size(); ++i) {
            DimDecl& decl = stmt.decls[i];
            ExprPtr& value = stmt.exprs[i];
            CheckExpr(value);
            if (value->type == Type::kNone) continue;
            if (!IsConstant(*value)) {
                Error(value->at, "the value of a CONST may only use numbers, strings, constants and operators");
                continue;
            }
            if (decl.suffix == '!') {
                Error(decl.at, "SINGLE is not supported; use DOUBLE (#)");
                continue;
            }
            Type type = decl.suffix ? SuffixType(decl.suffix) : value->type;
            Convert(value, type);
            if (value->type == Type::kNone) continue;
            Procedure& scope = *current_;
            bool taken = scope.consts.count(decl.name) > 0 || scope.scalars.count(decl.name) > 0;
            for (const char letter : {'i', 'l', 'd', 's'}) taken = taken || scope.scalars.count(TypedKey(decl.name, letter)) > 0;
            if (taken) {
                Error(decl.at, decl.spelling + " is already defined");
                continue;
            }
            Symbol* symbol = NewSymbol(scope, decl.name, decl.spelling, type, decl.at);
            symbol->isConst = true;
            symbol->constValue = value.get();
            scope.consts[decl.name] = symbol;
        }
    }

    CheckedProgram& checked_;
    Diagnostics& diagnostics_;
    Procedure* current_ = nullptr;
    DefTable defs_{};
    std::vector<LoopFrame> loops_;
};

}  // namespace

void CheckProgram(CheckedProgram& checked, Diagnostics& diagnostics) {
    Checker checker(checked, diagnostics);
    checker.Run();
}

}  // namespace basic
