// The checked program: every name resolved to a symbol or a procedure, every
// expression typed, and every conversion written into the tree as a kConvert
// node (integer to DOUBLE, DOUBLE to integer by truncation, stores into 16 or
// 32 bits). The emitter reads it without deciding anything about meaning.
#pragma once
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "basic/diagnostics.h"
#include "basic/syntax.h"

namespace basic {

struct Symbol {
    std::string name;     // lower case, without suffix
    std::string display;  // as first written
    Type type = Type::kDouble;
    bool isArray = false;
    int dims = 0;
    bool isConst = false;
    const Expr* constValue = nullptr;  // checked, already of the constant's type
    bool isParam = false;
    bool shared = false;   // DIM SHARED in the main program
    bool global = false;   // a main-program name (file scope in C++)
    // A main-program array whose one DIM has whole-number literal (or CONST)
    // bounds, small enough for static storage: lower, upper per dimension.
    std::vector<int32_t> fixedBounds;
    std::string cppName;
    Position at;
};

using DefTable = std::array<Type, 26>;

struct Procedure {
    bool isMain = false;
    bool isFunction = false;
    std::string name, display, cppName;
    Type resultType = Type::kNone;
    ProcedureDef* def = nullptr;
    Signature* signature = nullptr;
    std::vector<Symbol*> params;
    std::vector<std::unique_ptr<Symbol>> symbols;  // everything declared in this scope
    std::map<std::string, Symbol*> scalars;  // "name" + type letter, and AS names under "name"
    std::map<std::string, Symbol*> arrays;
    std::map<std::string, Symbol*> consts;
    std::map<std::string, Position> labels;
    DefTable defs{};  // the DEF ranges where the procedure starts
    int gosubCount = 0;   // return points
    bool usesReturn = false;
    int loopCount = 0;
    std::vector<bool> loopExited;  // by loop id: an EXIT leaves it
};

struct CheckedProgram {
    Program program;
    Procedure main;
    std::vector<std::unique_ptr<Procedure>> procedures;  // in the order of their definitions
};

// Checks the parsed program; errors go to diagnostics.
void CheckProgram(CheckedProgram& checked, Diagnostics& diagnostics);

// The builtin functions the emitter knows by index (Expr::builtin).
enum class Builtin : int {
    kInt, kFix, kAbs, kSgn, kSqr, kLog, kExp, kRnd, kTimer, kLen, kLeft, kRight, kMid, kChr,
    kAsc, kStr, kVal, kInstr, kSpace, kStringOf, kUcase, kLcase, kLtrim, kRtrim, kHex, kCommand,
};

}  // namespace basic
