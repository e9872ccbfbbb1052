// The emitter writes C++ that reads like the program: one function per SUB
// and FUNCTION, main for the main program, GOTO as goto. Every declaration
// stands at the top of its function, so a goto never crosses one. Operands
// with side effects (FUNCTION calls, RND) are evaluated left to right into
// temporaries, as C++ leaves the order of operands open.
//
// Runtime checks carry the statement's line in its own file. The routines
// name only the program's file in their messages, so a failing statement of
// an include file is reported with the program's name and the include's
// line number: one source name is all the runtime keeps.
#include "basic/emitter.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace basic {
namespace {

const char* CppType(Type type) {
    switch (type) {
    case Type::kInteger: return "int16_t";
    case Type::kLong: return "int32_t";
    case Type::kString: return "CountedString";
    default: return "double";
    }
}

// The C++ type of an expression's value (integer values are 32-bit).
const char* ValueType(Type type) {
    switch (type) {
    case Type::kInteger: case Type::kLong: return "int32_t";
    case Type::kString: return "CountedString";
    default: return "double";
    }
}

bool IsIntegral(Type type) { return type == Type::kInteger || type == Type::kLong; }

std::string CString(const std::string& bytes) {
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out += static_cast<char>(c);
        } else {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    return out + "\"";
}

std::string IntegerLiteral(int64_t value) {
    if (value == INT32_MIN) return "(-2147483647 - 1)";
    if (value < 0) return "(" + std::to_string(value) + ")";
    return std::to_string(value);
}

std::string DoubleLiteral(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    std::string out = text;
    if (out.find_first_of(".en") == std::string::npos) out += ".0";
    return out;
}

std::string LabelName(const std::string& label) {
    std::string out = "L_";
    for (char c : label) {
        if (c == '_') out += "_u";
        else if (c == '.') out += "_d";
        else out += c;
    }
    return out;
}

class Emitter {
public:
    Emitter(const CheckedProgram& checked, ProgramMode mode, const std::string& sourceName)
        : checked_(checked), mode_(mode), sourceName_(sourceName) {}

    std::string Run() {
        out_ << "// Translated from " << sourceName_ << " by promptbasic.\n";
        out_ << "#include \"runtime/basic/basic.h\"\n#include \"runtime/basic/basic_ops.h\"\n"
                "#include \"runtime/console/console.h\"\n#include \"runtime/console/statements.h\"\n"
                "#include \"runtime/graphics/graphics.h\"\n#include \"runtime/math/numeric.h\"\n"
                "#include \"runtime/core/strings.h\"\n\n";
        // The main program's variables: visible to the SUBs that share them.
        for (auto& symbol : checked_.main.symbols) {
            if (symbol->isConst) continue;
            out_ << "static " << DeclarationType(*symbol) << " " << symbol->cppName
                 << (symbol->isArray ? "" : symbol->type == Type::kString ? " = nullptr" : " = 0") << ";\n";
        }
        out_ << "\n";
        for (auto& procedure : checked_.procedures) out_ << Prototype(*procedure) << ";\n";
        out_ << "\n";
        EmitMain();
        for (auto& procedure : checked_.procedures) EmitProcedure(*procedure);
        return out_.str();
    }

private:
    static std::string DeclarationType(const Symbol& symbol) {
        if (symbol.isArray && !symbol.fixedBounds.empty()) {
            int64_t count = 1;
            std::string bounds;
            for (size_t i = 0; i < symbol.fixedBounds.size(); i += 2) {
                count *= int64_t{symbol.fixedBounds[i + 1]} - symbol.fixedBounds[i] + 1;
                bounds += ", " + std::to_string(symbol.fixedBounds[i]) + ", " + std::to_string(symbol.fixedBounds[i + 1]);
            }
            return std::string("BasicFixedArray<") + CppType(symbol.type) + ", " + std::to_string(count) + bounds + ">";
        }
        if (symbol.isArray)
            return std::string("BasicArray<") + CppType(symbol.type) + ", " + std::to_string(symbol.dims) + ">";
        return CppType(symbol.type);
    }

    std::string Prototype(const Procedure& procedure) {
        std::string text = std::string("static ") + (procedure.isFunction ? CppType(procedure.resultType) : "void") +
                           " " + procedure.cppName + "(";
        for (size_t i = 0; i < procedure.params.size(); ++i) {
            if (i) text += ", ";
            text += std::string(CppType(procedure.params[i]->type)) + "& " + procedure.params[i]->cppName;
        }
        return text + ")";
    }

    // ---- Functions ------------------------------------------------------------------
    void BeginFunction(const Procedure& procedure) {
        procedure_ = &procedure;
        temps_.clear();
        body_.str("");
        gosubPoint_ = 0;
        indent_ = 1;
    }

    std::string TempDeclarations() {
        std::string text;
        for (size_t i = 0; i < temps_.size(); ++i)
            text += std::string("    ") + temps_[i] + " t" + std::to_string(i + 1) + "_;\n";
        return text;
    }

    void EmitMain() {
        const Procedure& main = checked_.main;
        BeginFunction(main);
        EmitBlock(checked_.program.main);
        out_ << "int main(int argc, char** argv) {\n";
        out_ << "    BasicProgramStart(BasicMode::" << (mode_ == ProgramMode::kConsole ? "kConsole" : "kWindow")
             << ", argc, argv, " << CString(sourceName_) << ");\n";
        out_ << "    BasicSetStackBase(&argc);\n";
        for (auto& symbol : main.symbols)
            if (!symbol->isConst && !symbol->isArray && symbol->type == Type::kString)
                out_ << "    " << symbol->cppName << " = StrAlloc(0);\n";
        out_ << TempDeclarations();
        if (main.gosubCount > 0) out_ << "    static BasicGosubStack gosub_;\n";
        out_ << body_.str();
        out_ << "    BasicProgramEnd();\n}\n";
    }

    void EmitProcedure(const Procedure& procedure) {
        BeginFunction(procedure);
        EmitBlock(procedure.def->body);
        out_ << "\n" << Prototype(procedure) << " {\n";
        out_ << "    BasicCheckStack(" << procedure.signature->at.line << ");\n";
        if (procedure.isFunction)
            out_ << "    " << CppType(procedure.resultType) << " result_ = "
                 << (procedure.resultType == Type::kString ? "StrAlloc(0)" : "0") << ";\n";
        for (auto& symbol : procedure.symbols) {
            if (symbol->isConst || symbol->isParam) continue;
            out_ << "    " << DeclarationType(*symbol) << " " << symbol->cppName;
            if (!symbol->isArray) out_ << (symbol->type == Type::kString ? " = StrAlloc(0)" : " = 0");
            out_ << ";\n";
        }
        out_ << TempDeclarations();
        if (procedure.gosubCount > 0) out_ << "    BasicGosubStack gosub_;\n";
        out_ << body_.str();
        out_ << "exit_:\n";
        for (auto& symbol : procedure.symbols) {
            if (symbol->isConst || symbol->isParam) continue;
            if (symbol->isArray) out_ << "    BasicArrayRelease(" << symbol->cppName << ");\n";
            else if (symbol->type == Type::kString) out_ << "    StrFree(" << symbol->cppName << ");\n";
        }
        if (procedure.isFunction) out_ << "    return result_;\n";
        else out_ << "    return;\n";
        out_ << "}\n";
    }

    std::string NewTemp(Type type) {
        temps_.push_back(ValueType(type));
        return "t" + std::to_string(temps_.size()) + "_";
    }

    // ---- Expressions ----------------------------------------------------------------
    // A literal, or a literal converted: its value needs no evaluation.
    static bool IsConstantOperand(const Expr& expr) {
        if (expr.kind == ExprKind::kConvert || expr.kind == ExprKind::kParen) return IsConstantOperand(*expr.args[0]);
        return expr.kind == ExprKind::kNumber || expr.kind == ExprKind::kString;
    }

    // Operands in order. C++ leaves their order open, so where it could show
    // they are first evaluated into temporaries (prefix), left to right: all
    // of them when one calls a FUNCTION (which may change what the others
    // read), only those with side effects (RND) when two or more have some.
    std::vector<std::string> Operands(const std::vector<const Expr*>& operands, std::string& prefix, int line) {
        int evaluated = 0, effectful = 0;
        bool calls = false;
        for (const Expr* operand : operands) {
            if (!operand || IsConstantOperand(*operand)) continue;
            ++evaluated;
            if (operand->effects) ++effectful;
            calls = calls || operand->calls;
        }
        bool hoistAll = calls && evaluated >= 2;
        bool hoistEffects = effectful >= 2;
        std::vector<std::string> out;
        for (const Expr* operand : operands) {
            if (!operand) {
                out.emplace_back();
                continue;
            }
            std::string value = Value(*operand, line);
            bool hoist = !IsConstantOperand(*operand) && (hoistAll || (hoistEffects && operand->effects));
            if (hoist) {
                std::string temp = NewTemp(operand->type);
                prefix += temp + " = " + value + ", ";
                value = temp;
            }
            out.push_back(value);
        }
        return out;
    }

    static std::string Wrap(const std::string& prefix, const std::string& core) {
        return prefix.empty() ? core : "(" + prefix + core + ")";
    }

    // The value of expr: a new string for STRING expressions.
    std::string Value(const Expr& expr, int line) {
        switch (expr.kind) {
        case ExprKind::kNumber:
            return expr.literalType == Type::kDouble ? DoubleLiteral(expr.real) : IntegerLiteral(expr.integer);
        case ExprKind::kString:
            return "BasicLiteral(" + CString(expr.text) + ", " + std::to_string(expr.text.size()) + ")";
        case ExprKind::kParen: return Value(*expr.args[0], line);
        case ExprKind::kConvert: return Conversion(expr, line);
        case ExprKind::kUnary: {
            std::string operand = Value(*expr.args[0], line);
            if (expr.op == Tok::kNot) return "(~" + operand + ")";
            return expr.type == Type::kDouble ? "(-" + operand + ")" : "BasicNeg(" + operand + ")";
        }
        case ExprKind::kBinary: return BinaryValue(expr, line);
        case ExprKind::kName: return NameValue(expr, line);
        }
        return "0";
    }

    std::string Conversion(const Expr& expr, int line) {
        const Expr& from = *expr.args[0];
        std::string value = Value(from, line);
        if (from.kind == ExprKind::kNumber && expr.type == Type::kDouble)
            return DoubleLiteral(static_cast<double>(from.integer));
        switch (expr.type) {
        case Type::kDouble: return "static_cast<double>(" + value + ")";
        case Type::kLong: return from.type == Type::kDouble ? "TruncateToInt32(" + value + ")" : value;
        case Type::kInteger:
            if (from.type == Type::kDouble) value = "TruncateToInt32(" + value + ")";
            return "static_cast<int16_t>(" + value + ")";
        default: return value;
        }
    }

    std::string BinaryValue(const Expr& expr, int line) {
        const Expr& left = *expr.args[0];
        const Expr& right = *expr.args[1];
        std::string prefix;
        // A string variable on the left of a comparison is compared in place.
        if (left.type == Type::kString && expr.type != Type::kString && IsStringPlace(left) && !right.effects) {
            return StringComparison(expr.op, "StrCompareKeepLeft(" + Place(left, line) + ", " + Value(right, line) + ")");
        }
        auto values = Operands({&left, &right}, prefix, line);
        const std::string& a = values[0];
        const std::string& b = values[1];
        if (left.type == Type::kString) {
            if (expr.op == Tok::kPlus) return Wrap(prefix, "BasicConcat(" + a + ", " + b + ", " + std::to_string(line) + ")");
            return Wrap(prefix, StringComparison(expr.op, "StrCompare(" + a + ", " + b + ")"));
        }
        bool real = left.type == Type::kDouble;  // the checker made both operands agree
        std::string core;
        switch (expr.op) {
        case Tok::kPlus: core = real ? "(" + a + " + " + b + ")" : "BasicAdd(" + a + ", " + b + ")"; break;
        case Tok::kMinus: core = real ? "(" + a + " - " + b + ")" : "BasicSub(" + a + ", " + b + ")"; break;
        case Tok::kStar: core = real ? "(" + a + " * " + b + ")" : "BasicMul(" + a + ", " + b + ")"; break;
        case Tok::kSlash: core = "(" + a + " / " + b + ")"; break;
        case Tok::kCaret: core = "Pow(" + a + ", " + b + ")"; break;
        case Tok::kBackslash: core = "BasicIntDivide(" + a + ", " + b + ", " + std::to_string(line) + ")"; break;
        case Tok::kMod: core = "BasicMod(" + a + ", " + b + ", " + std::to_string(line) + ")"; break;
        case Tok::kAnd: core = "(" + a + " & " + b + ")"; break;
        case Tok::kOr: core = "(" + a + " | " + b + ")"; break;
        case Tok::kXor: core = "(" + a + " ^ " + b + ")"; break;
        case Tok::kEqv: core = "(~(" + a + " ^ " + b + "))"; break;
        case Tok::kImp: core = "(~" + a + " | " + b + ")"; break;
        default: core = NumberComparison(expr.op, real, a, b); break;
        }
        return Wrap(prefix, core);
    }

    static std::string NumberComparison(Tok op, bool real, const std::string& a, const std::string& b) {
        if (real) {
            const char* name = op == Tok::kEqual ? "BasicEqualD" : op == Tok::kLess ? "BasicLessD"
                             : op == Tok::kGreater ? "BasicGreaterD" : op == Tok::kLessEqual ? "BasicLessEqualD"
                             : op == Tok::kGreaterEqual ? "BasicGreaterEqualD" : "BasicNotEqualD";
            return std::string(name) + "(" + a + ", " + b + ")";
        }
        const char* symbol = op == Tok::kEqual ? " == " : op == Tok::kLess ? " < " : op == Tok::kGreater ? " > "
                           : op == Tok::kLessEqual ? " <= " : op == Tok::kGreaterEqual ? " >= " : " != ";
        return "BasicTruth(" + a + symbol + b + ")";
    }

    static std::string StringComparison(Tok op, const std::string& order) {
        const char* name = op == Tok::kEqual ? "BasicStrEqual" : op == Tok::kLess ? "BasicStrLess"
                         : op == Tok::kGreater ? "BasicStrGreater" : op == Tok::kLessEqual ? "BasicStrLessEqual"
                         : op == Tok::kGreaterEqual ? "BasicStrGreaterEqual" : "BasicStrNotEqual";
        return std::string(name) + "(" + order + ")";
    }

    static bool IsStringPlace(const Expr& expr) {
        return expr.kind == ExprKind::kName && expr.ref == NameRef::kVariable && expr.type == Type::kString;
    }

    // The C++ lvalue of a variable, array element or FUNCTION result.
    std::string Place(const Expr& expr, int line) {
        switch (expr.ref) {
        case NameRef::kResult: return "result_";
        case NameRef::kElement: {
            std::string prefix;
            std::vector<const Expr*> indexes;
            for (auto& index : expr.args) indexes.push_back(index.get());
            auto values = Operands(indexes, prefix, line);
            std::string text = "BasicAt(" + expr.symbol->cppName + ", " + std::to_string(line);
            for (auto& value : values) text += ", " + value;
            text += ")";
            return prefix.empty() ? text : "(" + prefix + text + ")";
        }
        default: return expr.symbol->cppName;
        }
    }

    std::string NameValue(const Expr& expr, int line) {
        switch (expr.ref) {
        case NameRef::kVariable: case NameRef::kElement:
            return expr.type == Type::kString ? "BasicCopy(" + Place(expr, line) + ")" : Place(expr, line);
        case NameRef::kConst: return "(" + Value(*expr.symbol->constValue, line) + ")";
        case NameRef::kCall: return Call(expr.procedure, expr.args, line);
        case NameRef::kBuiltin: return BuiltinValue(expr, line);
        default: return "0";
        }
    }

    std::string Call(const Procedure* procedure, const std::vector<ExprPtr>& args, int line) {
        std::vector<const Expr*> values;  // the by-value arguments, evaluated in order
        for (size_t i = 0; i < args.size(); ++i)
            values.push_back(IsByReference(*args[i], procedure->params[i]->type) ? nullptr : args[i].get());
        std::string prefix;
        auto evaluated = Operands(values, prefix, line);
        std::string text = procedure->cppName + "(";
        for (size_t i = 0; i < args.size(); ++i) {
            if (i) text += ", ";
            Type type = procedure->params[i]->type;
            if (!values[i]) text += Place(*args[i], line);
            else if (type == Type::kString) text += "BasicStringByValue(" + evaluated[i] + ").Ref()";
            else text += std::string("BasicByValue<") + CppType(type) + ">(" + evaluated[i] + ").Ref()";
        }
        return Wrap(prefix, text + ")");
    }

    static bool IsByReference(const Expr& arg, Type paramType) {
        return arg.kind == ExprKind::kName && (arg.ref == NameRef::kVariable || arg.ref == NameRef::kElement) &&
               arg.type == paramType;
    }

    std::string BuiltinValue(const Expr& expr, int line) {
        std::vector<const Expr*> operands;
        for (auto& arg : expr.args) operands.push_back(arg.get());
        Builtin id = static_cast<Builtin>(expr.builtin);
        // LEN of a string variable reads its stored length in place.
        if (id == Builtin::kLen && IsStringPlace(*expr.args[0]))
            return "StrLength(" + Place(*expr.args[0], line) + ")";
        std::string prefix;
        auto a = Operands(operands, prefix, line);
        std::string l = std::to_string(line);
        Type first = expr.args.empty() ? Type::kNone : expr.args[0]->type;
        std::string core;
        switch (id) {
        case Builtin::kInt: core = IsIntegral(first) ? a[0] : "Int(" + a[0] + ")"; break;
        case Builtin::kFix: core = IsIntegral(first) ? a[0] : "BasicFix(" + a[0] + ")"; break;
        case Builtin::kAbs: core = IsIntegral(first) ? "BasicAbsInt(" + a[0] + ")" : "Abs(" + a[0] + ")"; break;
        case Builtin::kSgn: core = IsIntegral(first) ? "BasicSgnInt(" + a[0] + ")" : "BasicSgnDouble(" + a[0] + ")"; break;
        case Builtin::kSqr: core = "Sqr(" + a[0] + ")"; break;
        case Builtin::kLog: core = "Log(" + a[0] + ")"; break;
        case Builtin::kExp: core = "Exp(" + a[0] + ")"; break;
        case Builtin::kRnd:
            // An argument is evaluated and ignored: every RND draws the next number.
            core = expr.args.empty() ? "Rnd()" : "(static_cast<void>(" + a[0] + "), Rnd())";
            break;
        case Builtin::kTimer: core = "BasicTimer()"; break;
        case Builtin::kLen: core = "BasicLen(" + a[0] + ")"; break;
        case Builtin::kLeft: core = "BasicLeft(" + a[0] + ", " + a[1] + ")"; break;
        case Builtin::kRight: core = "BasicRight(" + a[0] + ", " + a[1] + ")"; break;
        case Builtin::kMid: core = "BasicMid(" + a[0] + ", " + a[1] + ", " + (a.size() > 2 ? a[2] : "-1") + ")"; break;
        case Builtin::kChr: core = "BasicChr(" + a[0] + ", " + l + ")"; break;
        case Builtin::kAsc: core = "Asc(" + a[0] + ")"; break;
        case Builtin::kStr:
            core = (first == Type::kDouble ? "BasicStrDouble(" : "BasicStrInteger(") + a[0] + ")";
            break;
        case Builtin::kVal: core = "BasicVal(" + a[0] + ")"; break;
        case Builtin::kInstr:
            core = a.size() == 3 ? "BasicInstr(" + a[0] + ", " + a[1] + ", " + a[2] + ")"
                                 : "BasicInstr(1, " + a[0] + ", " + a[1] + ")";
            break;
        case Builtin::kSpace: core = "BasicSpace(" + a[0] + ", " + l + ")"; break;
        case Builtin::kStringOf:
            core = "BasicStringOf(" + a[0] + ", " +
                   (expr.args[1]->type == Type::kString ? "Asc(" + a[1] + ")" : a[1]) + ", " + l + ")";
            break;
        case Builtin::kUcase: core = "BasicUcase(" + a[0] + ")"; break;
        case Builtin::kLcase: core = "BasicLcase(" + a[0] + ")"; break;
        case Builtin::kLtrim: core = "BasicLtrim(" + a[0] + ")"; break;
        case Builtin::kRtrim: core = "BasicRtrim(" + a[0] + ")"; break;
        case Builtin::kHex: core = "BasicHex(" + a[0] + ")"; break;
        case Builtin::kCommand: core = "BasicCommand()"; break;
        }
        return Wrap(prefix, core);
    }

    // A condition as a C++ bool.
    std::string Condition(const Expr& expr, int line) {
        std::string value = Value(expr, line);
        return expr.type == Type::kDouble ? "BasicHolds(" + value + ")" : "(" + value + ") != 0";
    }

    // ---- Statements ---------------------------------------------------------------------
    void Line(const std::string& text) {
        for (int i = 0; i < indent_; ++i) body_ << "    ";
        body_ << text << "\n";
    }

    void EmitBlock(const Block& block) {
        for (auto& stmt : block) EmitStatement(*stmt);
    }

    void EmitNested(const Block& block) {
        ++indent_;
        EmitBlock(block);
        --indent_;
    }

    void Store(const Expr& target, const Expr& value, int line) {
        std::string place = Place(target, line);
        std::string v = Value(value, line);
        if (target.type == Type::kString) Line("BasicSetString(" + place + ", " + v + ");");
        else Line(place + " = " + v + ";");
    }

    void EmitStatement(const Stmt& stmt) {
        int line = stmt.line;
        std::string l = std::to_string(line);
        switch (stmt.kind) {
        case StmtKind::kAssign: Store(*stmt.exprs[0], *stmt.exprs[1], line); return;
        case StmtKind::kMidAssign:
            Line("BasicMidAssign(&" + Place(*stmt.exprs[0], line) + ", " + Value(*stmt.exprs[1], line) + ", " +
                 (stmt.exprs[2] ? Value(*stmt.exprs[2], line) : "-1") + ", " + Value(*stmt.exprs[3], line) + ");");
            return;
        case StmtKind::kPrint: EmitPrint(stmt); return;
        case StmtKind::kLineInput:
            Line("BasicSetString(" + Place(*stmt.exprs[1], line) + ", BasicLineInput(" +
                 (stmt.exprs[0] ? Value(*stmt.exprs[0], line) : "nullptr") + "));");
            return;
        case StmtKind::kInput: EmitInput(stmt); return;
        case StmtKind::kColor:
            Line("Color(" + Value(*stmt.exprs[0], line) + ", " + (stmt.exprs.size() > 1 ? Value(*stmt.exprs[1], line) : "0") + ");");
            return;
        case StmtKind::kCls: Line("Cls(" + (stmt.exprs.empty() ? std::string("3") : Value(*stmt.exprs[0], line)) + ");"); return;
        case StmtKind::kCircle: EmitCircle(stmt); return;
        case StmtKind::kRandomize:
            // A seed's 32-bit pattern: an integer's two's complement, a DOUBLE's
            // whole part modulo 2^32.
            if (stmt.exprs.empty()) Line("Randomize();");
            else if (stmt.exprs[0]->type == Type::kDouble)
                Line("SetSeed(BasicSeedPattern(" + Value(*stmt.exprs[0], line) + "));");
            else Line("SetSeed(static_cast<uint32_t>(" + Value(*stmt.exprs[0], line) + "));");
            return;
        case StmtKind::kSleep: Line("BasicSleep(" + Value(*stmt.exprs[0], line) + ");"); return;
        case StmtKind::kIf: EmitIf(stmt); return;
        case StmtKind::kSelect: EmitSelect(stmt); return;
        case StmtKind::kFor: EmitFor(stmt); return;
        case StmtKind::kWhile:
            Line("while (" + Condition(*stmt.exprs[0], line) + ") {");
            EmitNested(stmt.bodies[0]);
            Line("}");
            LoopExit(stmt);
            return;
        case StmtKind::kDo: EmitDo(stmt); return;
        case StmtKind::kExit:
            if (stmt.exitKind == Tok::kSub || stmt.exitKind == Tok::kFunction) Line("goto exit_;");
            else Line("goto X" + std::to_string(stmt.exitTarget) + "_;");
            return;
        case StmtKind::kGoto: Line("goto " + LabelName(stmt.name) + ";"); return;
        case StmtKind::kGosub: {
            int point = ++gosubPoint_;
            Line("gosub_.Push(" + std::to_string(point) + ", " + l + ");");
            Line("goto " + LabelName(stmt.name) + ";");
            Line("R" + std::to_string(point) + "_:;");
            return;
        }
        case StmtKind::kReturn: EmitReturn(stmt); return;
        case StmtKind::kEnd: Line("BasicProgramEnd();"); return;
        case StmtKind::kCall: Line(Call(stmt.callee, stmt.exprs, line) + ";"); return;
        case StmtKind::kDim: EmitDim(stmt); return;
        case StmtKind::kLabel:
            --indent_;
            Line(LabelName(stmt.name) + ":;");
            ++indent_;
            return;
        case StmtKind::kConst: case StmtKind::kDefType: case StmtKind::kDeclare: case StmtKind::kProcedure:
            return;
        }
    }

    void EmitPrint(const Stmt& stmt) {
        Tok last = Tok::kNewline;
        for (auto& item : stmt.items) {
            if (item.value) {
                const Expr& value = *item.value;
                std::string v = Value(value, stmt.line);
                if (value.type == Type::kString) Line("BasicPrintString(" + v + ");");
                else if (value.type == Type::kDouble) Line("BasicPrintDouble(" + v + ");");
                else Line("BasicPrintInteger(" + v + ");");
            }
            if (item.separator == Tok::kComma) Line("BasicPrintComma();");
            last = item.separator;
        }
        if (last == Tok::kNewline) Line("BasicPrintNewline();");
    }

    void EmitInput(const Stmt& stmt) {
        std::string targets;
        size_t count = stmt.exprs.size() - 1;
        for (size_t i = 1; i < stmt.exprs.size(); ++i) {
            const Expr& target = *stmt.exprs[i];
            const char* kind = target.type == Type::kInteger ? "kInteger" : target.type == Type::kLong ? "kLong"
                             : target.type == Type::kString ? "kString" : "kDouble";
            if (i > 1) targets += ", ";
            targets += std::string("{BasicInputKind::") + kind + ", &" + Place(target, stmt.line) + "}";
        }
        Line("{");
        Line("    BasicInputTarget targets[] = {" + targets + "};");
        Line("    BasicInput(" + (stmt.exprs[0] ? Value(*stmt.exprs[0], stmt.line) : std::string("nullptr")) + ", " +
             (stmt.flag ? "true" : "false") + ", targets, " + std::to_string(count) + ");");
        Line("}");
    }

    void EmitCircle(const Stmt& stmt) {
        std::vector<const Expr*> operands;
        for (auto& expr : stmt.exprs) operands.push_back(expr.get());
        std::string prefix;
        auto a = Operands(operands, prefix, stmt.line);
        auto or_ = [&](size_t i, const char* fallback) { return operands[i] ? a[i] : std::string(fallback); };
        std::string call = "Circle(" + a[0] + ", " + a[1] + ", " + a[2] + ", " + or_(3, "7") + ", " + or_(4, "0.0") +
                           ", " + or_(5, "0.0") + ", " + or_(6, "1.0") + ", " + (operands[7] ? "1" : "0") + ", " +
                           or_(7, "0") + ")";
        Line(Wrap(prefix, call) + ";");
    }

    void EmitIf(const Stmt& stmt) {
        for (size_t i = 0; i < stmt.bodies.size(); ++i) {
            if (i < stmt.exprs.size()) {
                std::string head = (i == 0 ? "if (" : "} else if (") + Condition(*stmt.exprs[i], stmt.line) + ") {";
                Line(head);
            } else {
                Line("} else {");
            }
            EmitNested(stmt.bodies[i]);
        }
        if (stmt.bodies.empty()) Line("if (" + Condition(*stmt.exprs[0], stmt.line) + ") {");
        Line("}");
    }

    void EmitSelect(const Stmt& stmt) {
        const Expr& subject = *stmt.exprs[0];
        std::string temp = NewTemp(subject.type);
        Line(temp + " = " + Value(subject, stmt.line) + ";");
        bool first = true;
        for (auto& clause : stmt.cases) {
            std::string condition;
            if (clause.isElse) {
                Line(first ? "{" : "} else {");
            } else {
                for (auto& test : clause.tests) {
                    if (!condition.empty()) condition += " || ";
                    condition += CaseTest(test, subject.type, temp, stmt.line);
                }
                Line((first ? "if (" : "} else if (") + condition + ") {");
            }
            first = false;
            EmitNested(clause.body);
        }
        if (!first) Line("}");
        if (subject.type == Type::kString) Line("StrFree(" + temp + ");");
    }

    std::string CaseTest(const CaseTest& test, Type subject, const std::string& temp, int line) {
        auto compare = [&](Tok op, const Expr& value) {
            if (subject == Type::kString)
                return StringComparison(op, "StrCompareKeepLeft(" + temp + ", " + Value(value, line) + ")") + " != 0";
            bool real = subject == Type::kDouble || value.type == Type::kDouble;
            std::string left = real && subject != Type::kDouble ? "static_cast<double>(" + temp + ")" : temp;
            std::string right = Value(value, line);
            if (real && value.type != Type::kDouble) right = "static_cast<double>(" + right + ")";
            return NumberComparison(op, real, left, right) + " != 0";
        };
        switch (test.kind) {
        case CaseTestKind::kValue: return "(" + compare(Tok::kEqual, *test.first) + ")";
        case CaseTestKind::kIs: return "(" + compare(test.op, *test.first) + ")";
        case CaseTestKind::kRange:
            return "(" + compare(Tok::kGreaterEqual, *test.first) + " && " + compare(Tok::kLessEqual, *test.second) + ")";
        }
        return "false";
    }

    void EmitFor(const Stmt& stmt) {
        const Expr& variable = *stmt.exprs[0];
        int line = stmt.line;
        bool real = variable.type == Type::kDouble;
        std::string v = Place(variable, line);
        Line(v + " = " + Value(*stmt.exprs[1], line) + ";");
        std::string limit = NewTemp(real ? Type::kDouble : Type::kLong);
        Line(limit + " = " + Value(*stmt.exprs[2], line) + ";");
        std::string step;
        if (stmt.exprs[3]) {
            step = NewTemp(real ? Type::kDouble : Type::kLong);
            Line(step + " = " + Value(*stmt.exprs[3], line) + ";");
        }
        std::string past;  // the loop ends once the variable is past the limit
        if (real) {
            std::string up = "BasicGreaterD(" + v + ", " + limit + ") != 0";
            std::string down = "BasicLessD(" + v + ", " + limit + ") != 0";
            past = step.empty() ? up : "(BasicGreaterEqualD(" + step + ", 0.0) != 0 ? " + up + " : " + down + ")";
        } else {
            past = step.empty() ? v + " > " + limit : "(" + step + " >= 0 ? " + v + " > " + limit + " : " + v + " < " + limit + ")";
        }
        Line("for (;;) {");
        Line("    if (" + past + ") break;");
        EmitNested(stmt.bodies[0]);
        std::string increment;
        std::string by = step.empty() ? (real ? "1.0" : "1") : step;
        if (real) increment = v + " = " + v + " + " + by + ";";
        else if (variable.type == Type::kInteger) increment = v + " = static_cast<int16_t>(BasicAdd(" + v + ", " + by + "));";
        else increment = v + " = BasicAdd(" + v + ", " + by + ");";
        Line("    " + increment);
        Line("}");
        LoopExit(stmt);
    }

    void EmitDo(const Stmt& stmt) {
        const Expr* condition = stmt.exprs[0].get();
        std::string test;
        if (condition) {
            test = Condition(*condition, stmt.line);
            if (stmt.until) test = "!(" + test + ")";
        }
        if (!condition) {
            Line("for (;;) {");
            EmitNested(stmt.bodies[0]);
            Line("}");
        } else if (stmt.flag) {
            Line("while (" + test + ") {");
            EmitNested(stmt.bodies[0]);
            Line("}");
        } else {
            Line("do {");
            EmitNested(stmt.bodies[0]);
            Line("} while (" + test + ");");
        }
        LoopExit(stmt);
    }

    void LoopExit(const Stmt& stmt) {
        if (stmt.loopId >= 0 && procedure_->loopExited[stmt.loopId]) {
            --indent_;
            Line("X" + std::to_string(stmt.loopId) + "_:;");
            ++indent_;
        }
    }

    void EmitReturn(const Stmt& stmt) {
        std::string l = std::to_string(stmt.line);
        if (procedure_->gosubCount == 0) {
            Line("BasicRuntimeError(" + l + ", \"RETURN without GOSUB\");");
            return;
        }
        Line("switch (gosub_.Pop(" + l + ")) {");
        for (int point = 1; point <= procedure_->gosubCount; ++point)
            Line("    case " + std::to_string(point) + ": goto R" + std::to_string(point) + "_;");
        Line("    default: break;");
        Line("}");
    }

    void EmitDim(const Stmt& stmt) {
        for (auto& decl : stmt.decls) {
            if (!decl.isArray || !decl.symbol) continue;
            std::string call = "BasicDim(" + decl.symbol->cppName + ", " + std::to_string(stmt.line);
            if (!decl.symbol->fixedBounds.empty()) {  // the bounds are in its type
                Line(call + ");");
                continue;
            }
            for (auto& bound : decl.bounds) {
                call += ", " + (bound.lower ? Value(*bound.lower, stmt.line) : std::string("0"));
                call += ", " + Value(*bound.upper, stmt.line);
            }
            Line(call + ");");
        }
    }

    const CheckedProgram& checked_;
    ProgramMode mode_;
    std::string sourceName_;
    std::ostringstream out_;
    std::ostringstream body_;
    const Procedure* procedure_ = nullptr;
    std::vector<std::string> temps_;
    int gosubPoint_ = 0;
    int indent_ = 1;
};

}  // namespace

std::string EmitProgram(const CheckedProgram& checked, ProgramMode mode, const std::string& sourceName) {
    Emitter emitter(checked, mode, sourceName);
    return emitter.Run();
}

}  // namespace basic
