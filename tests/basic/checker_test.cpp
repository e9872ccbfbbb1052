// Unit tests of the BASIC checker and emitter: the conversions written into
// the tree, where names resolve, and when the C++ evaluates operands into
// temporaries to keep BASIC's left-to-right order.
#include <gtest/gtest.h>

#include <string>

#include "basic/checker.h"
#include "basic/emitter.h"
#include "basic/parser.h"
#include "basic/scanner.h"
#include "basic/source.h"

namespace basic {
namespace {

struct Checked {
    SourceSet sources;
    CheckedProgram program;
    size_t errors = 0;
};

void Check(Checked& out, const std::string& text) {
    Diagnostics diagnostics(out.sources);
    int file = out.sources.Add("t.bas", "t.bas", text);
    out.program.program = ParseProgram(ScanProgram(out.sources, file, diagnostics), diagnostics);
    CheckProgram(out.program, diagnostics);
    out.errors = diagnostics.Take().size();
}

std::string Cpp(const std::string& text) {
    Checked checked;
    Check(checked, text);
    EXPECT_EQ(checked.errors, 0u) << text;
    return EmitProgram(checked.program, ProgramMode::kConsole, "t.bas");
}

const Symbol* MainSymbol(const Checked& checked, const std::string& cppName) {
    for (auto& symbol : checked.program.main.symbols)
        if (symbol->cppName == cppName) return symbol.get();
    return nullptr;
}

TEST(BasicChecker, StoresWriteTheirConversionIntoTheTree) {
    Checked checked;
    Check(checked, "x% = 2.5\ny = x% + 1\n");
    ASSERT_EQ(checked.errors, 0u);
    const Expr& stored = *checked.program.program.main[0]->exprs[1];
    EXPECT_EQ(stored.kind, ExprKind::kConvert);
    EXPECT_EQ(stored.type, Type::kInteger);
    EXPECT_EQ(stored.args[0]->type, Type::kDouble);
    const Expr& sum = *checked.program.program.main[1]->exprs[1];  // integer sum stored into a DOUBLE
    EXPECT_EQ(sum.kind, ExprKind::kConvert);
    EXPECT_EQ(sum.args[0]->type, Type::kLong);
}

TEST(BasicChecker, DefRangesApplyFromWhereTheyStand) {
    Checked checked;
    Check(checked, "a = 1\nDEFINT A-C\na = 1: b = 2\nDIM d AS STRING\nd$ = \"x\"\n");
    ASSERT_EQ(checked.errors, 0u);
    EXPECT_EQ(MainSymbol(checked, "gv_a_d")->type, Type::kDouble);
    EXPECT_EQ(MainSymbol(checked, "gv_a_i")->type, Type::kInteger);
    EXPECT_EQ(MainSymbol(checked, "gv_b_i")->type, Type::kInteger);
    EXPECT_EQ(checked.program.main.symbols.size(), 4u);  // d and d$ are one variable
}

TEST(BasicChecker, SharedNamesReachEveryProcedureOthersStayLocal) {
    Checked checked;
    Check(checked, "SUB S\n  t(1) = 2: x = 3\nEND SUB\nDIM SHARED t(3)\nx = 1\n");
    ASSERT_EQ(checked.errors, 0u);
    const Procedure& sub = *checked.program.procedures[0];
    // Names typed by suffix or DEF range are kept under name, separator, type letter.
    const std::string t = std::string("t") + '\x1f' + 'd', x = std::string("x") + '\x1f' + 'd';
    EXPECT_EQ(sub.arrays.count(t), 0u);  // t(1) is the main program's array
    ASSERT_EQ(sub.scalars.count(x), 1u);
    EXPECT_FALSE(sub.scalars.at(x)->global);  // x in S is S's own
}

TEST(BasicEmitter, OperandsGoThroughTemporariesOnlyWhereTheOrderShows) {
    const char* functions = "\nFUNCTION F (v)\n  F = v\nEND FUNCTION\n";
    EXPECT_EQ(Cpp(std::string("x = 1: PRINT RND * x") + functions).find("t1_ ="), std::string::npos);
    EXPECT_NE(Cpp(std::string("PRINT RND - RND") + functions).find("t1_ = Rnd(), t2_ = Rnd()"), std::string::npos);
    EXPECT_NE(Cpp(std::string("x = 1: PRINT x + F(2)") + functions).find("t1_ = gv_x_d, t2_ = fn_f("),
              std::string::npos);
}

TEST(BasicEmitter, VariablesOfTheParameterTypeGoByReferenceOthersByValue) {
    std::string cpp = Cpp("DIM a(2) AS INTEGER\ni% = 1: d = 2\nS i%\nS a(1)\nS d\nS (i%)\n"
                          "SUB S (p AS INTEGER)\n  p = p + 1\nEND SUB\n");
    EXPECT_NE(cpp.find("sub_s(gv_i_i);"), std::string::npos);
    EXPECT_NE(cpp.find("sub_s(BasicAt(ga_a_i, 4, 1));"), std::string::npos);
    EXPECT_NE(cpp.find("sub_s(BasicByValue<int16_t>(static_cast<int16_t>(TruncateToInt32(gv_d_d))).Ref());"),
              std::string::npos);
    EXPECT_NE(cpp.find("sub_s(BasicByValue<int16_t>(gv_i_i).Ref());"), std::string::npos);
}

}  // namespace
}  // namespace basic
