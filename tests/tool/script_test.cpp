// promptdraw's script parser: statements, numbers as C reads them, and the
// line that a mistake is reported on.
#include "tools/promptdraw/script.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<Statement> ParseGood(const std::string& text) {
    std::vector<Statement> statements;
    ScriptError error;
    EXPECT_TRUE(ParseScript(text, statements, error)) << error.line << ": " << error.message;
    return statements;
}

ScriptError ParseBad(const std::string& text) {
    std::vector<Statement> statements;
    ScriptError error;
    EXPECT_FALSE(ParseScript(text, statements, error)) << text;
    return error;
}

}  // namespace

TEST(DrawScript, ReadsStatementsSkippingCommentsAndBlankLines) {
    const auto statements = ParseGood(
        "# a comment\n"
        "\n"
        "   \t\n"
        "  # indented comment\n"
        "cls 3\r\n"
        "\tcircle 100 -100 2 4 0.5 -1.57 1 0 0   \n"
        "circle +7 2147483647 -2147483648 9 1e2 0x1p-2 2 1 6");  // no final line end
    ASSERT_EQ(statements.size(), 3u);
    EXPECT_EQ(statements[0].kind, StatementKind::Cls);
    EXPECT_EQ(statements[0].mode, 3);

    const CircleArguments& a = statements[1].circle;
    EXPECT_EQ(statements[1].kind, StatementKind::Circle);
    EXPECT_EQ(a.x, 100);
    EXPECT_EQ(a.y, -100);
    EXPECT_EQ(a.radius, 2);
    EXPECT_EQ(a.colour, 4);
    EXPECT_EQ(a.start, 0.5);
    EXPECT_EQ(a.end, -1.57);
    EXPECT_EQ(a.ratio, 1.0);
    EXPECT_EQ(a.fill, 0);

    const CircleArguments& b = statements[2].circle;
    EXPECT_EQ(b.x, 7);
    EXPECT_EQ(b.y, INT32_MAX);
    EXPECT_EQ(b.radius, INT32_MIN);
    EXPECT_EQ(b.start, 100.0);
    EXPECT_EQ(b.end, 0.25);
    EXPECT_EQ(b.fill, 1);
    EXPECT_EQ(b.fillColour, 6);
}

// Negative zero keeps its sign (it must reach Circle as -0.0), and nan and
// infinities pass through unscreened.
TEST(DrawScript, KeepsSpecialReals) {
    const auto statements = ParseGood("circle 0 0 1 1 -0.0 nan inf 0 0\ncircle 0 0 1 1 -inf NAN -1e-400 0 0\n");
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_EQ(statements[0].circle.start, 0.0);
    EXPECT_TRUE(std::signbit(statements[0].circle.start));
    EXPECT_TRUE(std::isnan(statements[0].circle.end));
    EXPECT_TRUE(std::isinf(statements[0].circle.ratio));
    EXPECT_GT(statements[0].circle.ratio, 0);
    EXPECT_TRUE(std::isinf(statements[1].circle.start));
    EXPECT_LT(statements[1].circle.start, 0);
    EXPECT_TRUE(std::isnan(statements[1].circle.end));
    // Too small for a double: the nearest one, negative zero.
    EXPECT_EQ(statements[1].circle.ratio, 0.0);
}

TEST(DrawScript, ReportsTheFirstBadLineAndWhatIsWrong) {
    struct Case {
        std::string text;
        int line;
        std::string says;
    } cases[] = {
        {"cls 1\n\n# fine\nsquare 1 2\ncls x\n", 4, "unknown statement 'square'"},
        {"circle 1 2 3\n", 1, "circle takes 9 arguments, not 3"},
        {"cls 1\ncircle 1 2 3 4 0 0 1 0 0 7\n", 2, "not 10"},
        {"cls\n", 1, "cls takes 1 argument, not 0"},
        {"cls 1 2\n", 1, "not 2"},
        {"cls 2147483648\n", 1, "'2147483648' does not fit in 32 bits"},
        {"cls -2147483649\n", 1, "does not fit in 32 bits"},
        {"cls 99999999999999999999999\n", 1, "does not fit in 32 bits"},
        {"cls 0x10\n", 1, "'0x10' is not an integer"},
        {"cls 1.5\n", 1, "'1.5' is not an integer"},
        {"circle 1 2 3 4 0 0 1 0 -\n", 1, "'-' is not an integer"},
        {"circle 1 2 3 4 zero 0 1 0 0\n", 1, "'zero' is not a number"},
        {"circle 1 2 3 4 1.5.2 0 1 0 0\n", 1, "'1.5.2' is not a number"},
        {"circle 1 2 3 4 0 1e999 1 0 0\n", 1, "'1e999' is out of the range of a double"},
        {"circle 1 2 3 4 0 0 -1e400 0 0\n", 1, "out of the range"},
        {"CLS 1\n", 1, "unknown statement 'CLS'"},
        {"cls 1 # trailing\n", 1, "cls takes 1 argument"},
        {std::string("cls 1\ncls 2\0x\n", 13), 2, "NUL byte"},
    };
    for (const Case& c : cases) {
        const ScriptError error = ParseBad(c.text);
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.message.find(c.says), std::string::npos) << c.text << " -> " << error.message;
    }
}
