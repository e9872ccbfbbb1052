// Unit tests of the BASIC compiler's front end: what the scanner makes of
// literals, names and columns, and how the parser and checker go on after
// an error so that one run reports every error at its place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basic/checker.h"
#include "basic/compiler.h"
#include "basic/parser.h"
#include "basic/scanner.h"
#include "basic/source.h"

namespace basic {
namespace {

std::vector<Token> Scan(const std::string& text, std::vector<Diagnostic>* errors = nullptr) {
    SourceSet sources;
    Diagnostics diagnostics(sources);
    int file = sources.Add("t.bas", "t.bas", text);
    std::vector<Token> tokens = ScanProgram(sources, file, diagnostics);
    if (errors) *errors = diagnostics.Take();
    return tokens;
}

// Every error of a program, as "LINE:COLUMN message".
std::vector<std::string> Errors(const std::string& text) {
    SourceSet sources;
    Diagnostics diagnostics(sources);
    int file = sources.Add("t.bas", "t.bas", text);
    CheckedProgram checked;
    checked.program = ParseProgram(ScanProgram(sources, file, diagnostics), diagnostics);
    CheckProgram(checked, diagnostics);
    std::vector<std::string> out;
    for (const Diagnostic& d : diagnostics.Take())
        out.push_back(std::to_string(d.line) + ":" + std::to_string(d.column) + " " + d.message);
    return out;
}

TEST(BasicScanner, IntegerLiteralsTakeTheNarrowestTypeThatHoldsThem) {
    auto tokens = Scan("32767 32768 2147483647 2147483648 &HFFFF &HFFFFFFFF 1.5 7&");
    ASSERT_GE(tokens.size(), 8u);
    EXPECT_EQ(tokens[0].numberType, Type::kInteger);
    EXPECT_EQ(tokens[1].numberType, Type::kLong);
    EXPECT_EQ(tokens[2].numberType, Type::kLong);
    EXPECT_EQ(tokens[3].numberType, Type::kDouble);
    EXPECT_EQ(tokens[4].numberType, Type::kInteger);
    EXPECT_EQ(tokens[4].integer, -1);
    EXPECT_EQ(tokens[5].numberType, Type::kLong);
    EXPECT_EQ(tokens[5].integer, -1);
    EXPECT_EQ(tokens[6].numberType, Type::kDouble);
    EXPECT_EQ(tokens[7].numberType, Type::kLong);
}

TEST(BasicScanner, NamesAreCaseInsensitiveAndKeepTheirSuffix) {
    auto tokens = Scan("Print COUNT% name$ Next");
    EXPECT_EQ(tokens[0].kind, Tok::kPrint);
    EXPECT_EQ(tokens[1].kind, Tok::kName);
    EXPECT_EQ(tokens[1].text, "count");
    EXPECT_EQ(tokens[1].suffix, '%');
    EXPECT_EQ(tokens[2].suffix, '$');
    EXPECT_EQ(tokens[3].kind, Tok::kNext);
}

TEST(BasicScanner, StringsBecomeShiftJisAndColumnsCountCharacters) {
    std::vector<Diagnostic> errors;
    auto tokens = Scan("x$ = \"日本\" + y$ + \"\xF0\x9F\x98\x80\"", &errors);
    EXPECT_EQ(tokens[2].text, "\x93\xFA\x96\x7B");
    EXPECT_EQ(tokens[3].at.column, 11);  // the '+' after four characters of string
    ASSERT_EQ(errors.size(), 1u);       // the emoji has no Shift-JIS form
    EXPECT_EQ(errors[0].column, 19);
}

TEST(BasicScanner, UnterminatedStringIsReportedAtItsQuote) {
    std::vector<Diagnostic> errors;
    Scan("PRINT 1: PRINT \"open\n", &errors);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].column, 16);
    EXPECT_EQ(errors[0].message, "unterminated string");
}

TEST(BasicParser, GoesOnAfterEachBrokenStatement) {
    auto errors = Errors("x = (1 +\nPRINT 1 2 ) 3\ny = 2: z = : w = 3\nPRINT q$ + 1\n");
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_EQ(errors[0], "1:9 expression expected, found end of line");
    EXPECT_EQ(errors[1], "2:11 expression expected, found ')'");
    EXPECT_EQ(errors[2], "3:12 expression expected, found ':'");
    EXPECT_EQ(errors[3], "4:10 type mismatch: '+' between a string and a number");
}

TEST(BasicParser, AnOpenBlockIsReportedAtItsOpenerAndTheRestIsStillChecked) {
    auto errors = Errors("FOR i = 1 TO 2\nIF i THEN\nSUB S\n  PRINT \"a\" - 1\nEND SUB\nNEXT\n");
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_EQ(errors[0], "1:1 FOR without NEXT");
    EXPECT_EQ(errors[1], "2:1 IF without END IF");
    EXPECT_EQ(errors[2], "4:13 type mismatch: '-' between a string and a number");
    EXPECT_EQ(errors[3], "6:1 NEXT without FOR");
}

TEST(BasicDiagnostics, CaretStandsUnderTheColumnThroughTabsAndWideCharacters) {
    Diagnostic d{"t.bas", 3, 5, "oops", "\tあい x"};
    EXPECT_EQ(FormatDiagnostic(d), "t.bas:3:5: error: oops\n\tあい x\n\t   ^\n");
}

TEST(BasicDiagnostics, AnUnreadableFileIsOneError) {
    Translation t = TranslateFile("/nonexistent/x.bas", ProgramMode::kConsole);
    ASSERT_EQ(t.errors.size(), 1u);
    EXPECT_TRUE(t.cpp.empty());
    EXPECT_EQ(FormatDiagnostic(t.errors[0]), "/nonexistent/x.bas: error: cannot read the file\n");
}

}  // namespace
}  // namespace basic
