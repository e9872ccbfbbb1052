// The syntax tree the parser builds. The checker later fills in the fields
// marked "checked": types, what each name stands for, and the conversions
// the values need, so that the emitter never has to guess.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "basic/token.h"

namespace basic {

struct Symbol;
struct Procedure;

enum class ExprKind : uint8_t {
    kNumber, kString, kName, kUnary, kBinary, kParen,
    kConvert,  // checked: the operand converted to `type` (inserted by the checker)
};

// What a name in an expression stands for (checked).
enum class NameRef : uint8_t { kUnresolved, kVariable, kElement, kConst, kBuiltin, kCall, kResult };

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    ExprKind kind = ExprKind::kNumber;
    Position at;
    Tok op = Tok::kEndOfInput;  // kUnary, kBinary
    // kName: the name as written; args when written with parentheses.
    std::string name;
    std::string spelling;
    char suffix = 0;
    bool hasParens = false;
    std::vector<ExprPtr> args;  // kName arguments; operands of the other kinds
    // Literals.
    Type literalType = Type::kNone;
    int64_t integer = 0;
    double real = 0;
    std::string text;  // Shift-JIS bytes
    // Checked.
    Type type = Type::kNone;
    NameRef ref = NameRef::kUnresolved;
    Symbol* symbol = nullptr;
    Procedure* procedure = nullptr;
    int builtin = -1;
    bool effects = false;  // evaluating it may change state or depend on the order
    bool calls = false;    // it calls a FUNCTION, which may change any variable
    int depth = 1;         // of the operator tree below (the parser bounds it)
};

struct Stmt;
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

enum class StmtKind : uint8_t {
    kAssign, kMidAssign, kPrint, kLineInput, kInput, kColor, kCls, kCircle, kRandomize, kSleep,
    kIf, kSelect, kFor, kWhile, kDo, kExit, kGoto, kGosub, kReturn, kEnd, kCall, kDim, kConst,
    kDefType, kDeclare, kLabel, kProcedure,
};

struct PrintItem {
    ExprPtr value;                   // may be null (a separator alone)
    Tok separator = Tok::kNewline;   // kSemicolon, kComma, or kNewline for none
};

enum class CaseTestKind : uint8_t { kValue, kRange, kIs };
struct CaseTest {
    CaseTestKind kind = CaseTestKind::kValue;
    Tok op = Tok::kEqual;  // kIs: the comparison
    ExprPtr first, second;
};
struct CaseClause {
    Position at;
    bool isElse = false;
    std::vector<CaseTest> tests;
    Block body;
};

struct Bound {
    ExprPtr lower;  // null: 0
    ExprPtr upper;
};
struct DimDecl {
    Position at;
    std::string name, spelling;
    char suffix = 0;
    bool isArray = false;
    std::vector<Bound> bounds;
    Type asType = Type::kNone;  // the AS type, kNone without one
    Position asAt;
    Symbol* symbol = nullptr;  // checked
};

struct Param {
    Position at;
    std::string name, spelling;
    char suffix = 0;
    Type asType = Type::kNone;
    Position asAt;
    bool isArray = false;
};

struct Signature {
    Position at;
    bool isFunction = false;
    std::string name, spelling;
    char suffix = 0;
    std::vector<Param> params;
};

struct Stmt {
    StmtKind kind = StmtKind::kEnd;
    Position at;
    int line = 0;  // the source line, for runtime errors
    // Operands by kind:
    //  kAssign: target, value. kMidAssign: target, start, count (may be null), value.
    //  kLineInput: prompt (may be null), target. kInput: prompt (may be null), targets...
    //  kColor: fore, back. kCls: mode. kCircle: x, y, radius, colour, start, end,
    //  aspect, fill (each after radius may be null). kRandomize: seed (may be null).
    //  kSleep: seconds. kIf: one condition per branch. kSelect: subject.
    //  kFor: variable, start, limit, step (may be null). kWhile, kDo: condition
    //  (kDo: may be null). kCall: arguments. kConst: one value per name.
    std::vector<ExprPtr> exprs;
    std::vector<Block> bodies;        // kIf: one per branch (+ ELSE); loops: one
    std::vector<PrintItem> items;     // kPrint
    std::vector<CaseClause> cases;    // kSelect
    std::vector<DimDecl> decls;       // kDim, kConst (name and position)
    std::string name, spelling;       // labels, GOTO/GOSUB targets, CALL
    bool flag = false;  // kInput: question mark; kDim: SHARED; kDo: condition at top;
                        // kCall: written with CALL
    bool until = false;  // kDo: UNTIL instead of WHILE
    Tok exitKind = Tok::kEndOfInput;  // kExit: kFor, kDo, kSub or kFunction
    Type defType = Type::kNone;       // kDefType
    uint32_t letters = 0;             // kDefType: bit n for letter 'a' + n
    Signature signature;              // kDeclare
    int procedure = -1;               // kProcedure: index into Program::procedures
    Position endAt;                   // where the block's closer stands
    // Checked.
    Procedure* callee = nullptr;      // kCall
    int exitTarget = -1;              // kExit (kFor, kDo): id of the loop left
    int loopId = -1;                  // kFor, kWhile, kDo
};

struct ProcedureDef {
    Signature signature;
    Block body;
    Position endAt;
};

struct Program {
    Block main;
    std::vector<std::unique_ptr<ProcedureDef>> procedures;
};

}  // namespace basic
