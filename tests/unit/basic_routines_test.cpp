// The routines of compiled BASIC programs: number text, the string functions
// on Shift-JIS bytes, PRINT's zones and INPUT in console mode, and the
// runtime errors of arrays and division.
#include "runtime/basic/basic_state.h"
#include "runtime/core/strings.h"
#include "runtime/math/numeric.h"
#include "tests/unit/runtime_reset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

CountedString Make(const std::string& text) { return BasicStringFrom(text.data(), text.size(), 0); }

// Takes the routine's result and frees it.
std::string Take(CountedString s) {
    std::string bytes(s, static_cast<size_t>(StrLength(s)));
    StrFree(s);
    return bytes;
}

// "日本" in Shift-JIS: 0x93 0xFA 0x96 0x7B; the second trail byte is '{', and
// "表" (0x95 0x5C) ends in '\'.
const std::string kNihon = "\x93\xFA\x96\x7B";
const std::string kHyou = "\x95\x5C";

class BasicRoutines : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRuntime();
        gBasic = BasicState{};
        output_ = std::tmpfile();
        gBasic.output = output_;
    }
    void TearDown() override {
        if (gBasic.input != nullptr) std::fclose(gBasic.input);
        gBasic = BasicState{};
        std::fclose(output_);
        EXPECT_EQ(gRuntime.registryCount, 0) << "a routine leaked or kept a string";
    }
    // Everything written so far (temporary files are binary: no line-end change).
    std::string Output() {
        std::fflush(output_);
        std::rewind(output_);
        std::string text;
        for (int c; (c = std::fgetc(output_)) != EOF;) text += static_cast<char>(c);
        std::fseek(output_, 0, SEEK_END);  // writing may follow
        return text;
    }
    void GiveInput(const std::string& text) {
        if (gBasic.input != nullptr) std::fclose(gBasic.input);
        gBasic.input = std::tmpfile();
        std::fwrite(text.data(), 1, text.size(), gBasic.input);
        std::rewind(gBasic.input);
    }

private:
    std::FILE* output_ = nullptr;
};

TEST_F(BasicRoutines, DoublesPrintShortestDigitsInBasicLayout) {
    const std::pair<double, const char*> cases[] = {
        {0.25, " .25"}, {-0.5, "-.5"}, {1e20, " 1E+20"}, {1.5e20, " 1.5E+20"}, {2.5e-7, " 2.5E-07"},
        {Sqr(2.0), " 1.414213562373095"}, {std::sqrt(2.0), " 1.4142135623730951"},
        {42.0, " 42"}, {-3.0, "-3"}, {0.0, " 0"}, {-0.0, " 0"}, {0.1 + 0.2, " .30000000000000004"},
        {1e16, " 10000000000000000"}, {1e17, " 1E+17"}, {1.5e16, " 15000000000000000"},
        {0.00001, " .00001"}, {0.000001, " 1E-06"}, {123.456, " 123.456"},
        {1e300, " 1E+300"}, {-1.25e-100, "-1.25E-100"}, {5e-324, " 5E-324"},
        {INFINITY, " Inf"}, {-INFINITY, "-Inf"}, {NAN, " NaN"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(Take(BasicStrDouble(value)), text) << value;
    EXPECT_EQ(Take(BasicStrInteger(0)), " 0");
    EXPECT_EQ(Take(BasicStrInteger(40000)), " 40000");
    EXPECT_EQ(Take(BasicStrInteger(INT32_MIN)), "-2147483648");
}

TEST_F(BasicRoutines, ValReadsTheLeadingNumber) {
    EXPECT_EQ(BasicVal(Make(" 12 34abc")), 1234.0);
    EXPECT_EQ(BasicVal(Make("-.5")), -0.5);
    EXPECT_EQ(BasicVal(Make("1.5D3")), 1500.0);
    EXPECT_EQ(BasicVal(Make("2e")), 2.0);
    EXPECT_EQ(BasicVal(Make("abc")), 0.0);
    EXPECT_EQ(BasicVal(Make("&HFF")), 255.0);
    EXPECT_EQ(BasicVal(Make("&HFFFFFFFF")), -1.0);
    EXPECT_EQ(BasicVal(Make("1e999")), INFINITY);
    EXPECT_EQ(BasicVal(Make("1.414213562373095")), Sqr(2.0));
}

TEST_F(BasicRoutines, StringFunctionsCountShiftJisBytes) {
    const std::string text = "A" + kNihon + "b";
    EXPECT_EQ(BasicLen(Make(text)), 6);
    EXPECT_EQ(Take(BasicLeft(Make(text), 3)), "A\x93\xFA");
    EXPECT_EQ(Take(BasicRight(Make(text), 3)), "\x96\x7B" "b");
    EXPECT_EQ(Take(BasicMid(Make(text), 2, 4)), kNihon);
    EXPECT_EQ(Take(BasicMid(Make(text), 4, -1)), "\x96\x7B" "b");
    EXPECT_EQ(Take(BasicMid(Make(text), 9, 2)), "");
    EXPECT_EQ(Take(BasicLeft(Make(text), -1)), "");
    EXPECT_EQ(Take(BasicRight(Make(text), 100)), text);
    // Trail bytes that look like letters or '\' are left alone and never match.
    EXPECT_EQ(Take(BasicUcase(Make("ab" + kNihon + kHyou))), "AB" + kNihon + kHyou);
    EXPECT_EQ(Take(BasicLcase(Make("X\x82\x60Y"))), "x\x82\x60y");
    EXPECT_EQ(BasicInstr(1, Make(kNihon), Make("{")), 0);
    EXPECT_EQ(BasicInstr(1, Make(kHyou + "\\"), Make("\\")), 3);
    EXPECT_EQ(BasicInstr(1, Make("abcabc"), Make("bc")), 2);
    EXPECT_EQ(BasicInstr(3, Make("abcabc"), Make("bc")), 5);
    EXPECT_EQ(BasicInstr(2, Make("abc"), Make("")), 2);
    EXPECT_EQ(BasicInstr(4, Make("abc"), Make("")), 0);
    EXPECT_EQ(Take(BasicLtrim(Make("  a b  "))), "a b  ");
    EXPECT_EQ(Take(BasicRtrim(Make("  a b  "))), "  a b");
    EXPECT_EQ(Take(BasicHex(255)), "FF");
    EXPECT_EQ(Take(BasicHex(-1)), "FFFFFFFF");
    EXPECT_EQ(Take(BasicHex(0)), "0");
    EXPECT_EQ(Take(BasicStringOf(3, '*', 1)), "***");
    EXPECT_EQ(Take(BasicSpace(0, 1)), "");
    EXPECT_EQ(Take(BasicChr(0x93, 1)), "\x93");
    EXPECT_EQ(Take(BasicConcat(Make("ab"), Make(kNihon), 1)), "ab" + kNihon);
    CountedString kept = Make("abc");
    EXPECT_EQ(Take(BasicCopy(kept)), "abc");
    StrFree(kept);
}

TEST_F(BasicRoutines, MidAssignOverwritesWithoutChangingTheLength) {
    CountedString target = Make("abcdef");
    BasicMidAssign(&target, 2, -1, Make("XY"));
    BasicMidAssign(&target, 5, 1, Make("ZZZ"));
    BasicMidAssign(&target, 6, -1, Make("1234"));
    EXPECT_EQ(Take(target), "aXYdZ1");
}

TEST_F(BasicRoutines, PrintZonesAndConsoleOutputInUtf8) {
    BasicPrintInteger(1);
    BasicPrintComma();
    BasicPrintDouble(-2.5);
    BasicPrintString(Make(kNihon));
    BasicPrintComma();
    BasicPrintString(Make("x"));
    BasicPrintNewline();
    BasicPrintComma();
    BasicPrintString(Make("1234567890123"));
    BasicPrintComma();
    BasicPrintString(Make("|"));
    BasicPrintNewline();
    EXPECT_EQ(Output(), " 1            -2.5 日本     x\n              1234567890123 |\n");
}

TEST_F(BasicRoutines, DoubleByteCharacterSplitBetweenItemsPrintsWhole) {
    BasicPrintString(Make("\x93"));
    BasicPrintString(Make("\xFA!"));
    EXPECT_EQ(Output(), "日!");
}

TEST_F(BasicRoutines, InputSplitsFieldsAndAsksAgainOnABadNumber) {
    GiveInput("12, abc\n3.7, \"x, y\" , 1e2\n-70000.9,\"q\",40000\n日本語\n");
    int16_t small = 0;
    CountedString text = StrAlloc(0);
    double real = 0;
    const BasicInputTarget targets[] = {{BasicInputKind::kInteger, &small},
                                        {BasicInputKind::kString, &text},
                                        {BasicInputKind::kDouble, &real}};
    BasicInput(Make("N"), true, targets, 3);
    EXPECT_EQ(Output(), "N? ?Redo from start\nN? ");
    EXPECT_EQ(small, 3);
    EXPECT_EQ(std::string(text), "x, y");
    EXPECT_EQ(real, 100.0);

    int32_t wide = 0;
    const BasicInputTarget again[] = {{BasicInputKind::kLong, &wide},
                                      {BasicInputKind::kString, &text},
                                      {BasicInputKind::kInteger, &small}};
    BasicInput(nullptr, false, again, 3);
    EXPECT_EQ(wide, -70000);
    EXPECT_EQ(small, static_cast<int16_t>(40000));  // the low 16 bits, as every store
    EXPECT_EQ(Take(BasicLineInput(Make("> "))), "\x93\xFA\x96\x7B\x8C\xEA");
    StrFree(text);
}

TEST_F(BasicRoutines, EndOfInputEndsTheProgramWithStatusZero) {
    GiveInput("");
    EXPECT_EXIT(BasicLineInput(nullptr), ::testing::ExitedWithCode(0), "");
    int16_t value = 0;
    const BasicInputTarget target{BasicInputKind::kInteger, &value};
    GiveInput("x\n");
    EXPECT_EXIT(BasicInput(nullptr, true, &target, 1), ::testing::ExitedWithCode(0), "");
}

TEST_F(BasicRoutines, RuntimeErrorsNameTheLineAndExitWithThree) {
    gBasic.sourceName = "prog.bas";
    const auto kError = ::testing::ExitedWithCode(3);
    EXPECT_EXIT(BasicIntDivide(1, 0, 12), kError, "prog.bas:12: runtime error: division by zero");
    EXPECT_EXIT(BasicMod(1, 0, 13), kError, "prog.bas:13: runtime error: division by zero");
    EXPECT_EXIT(BasicCheckIndex(11, 0, 10, 14), kError, "prog.bas:14: runtime error: array index out of bounds");
    EXPECT_EXIT(BasicArrayAlloc(-1, 2, 15), kError, "prog.bas:15: runtime error: array too large");
    EXPECT_EXIT(BasicArrayAlloc(INT64_MAX / 2, 8, 16), kError, "prog.bas:16: runtime error: array too large");
    EXPECT_EXIT(BasicStringArrayAlloc(INT64_C(1) << 40, 17), kError, "prog.bas:17: runtime error: array too large");
    EXPECT_EXIT(BasicSpace(-1, 18), kError, "prog.bas:18: runtime error: illegal function call");
    EXPECT_EXIT(BasicChr(256, 19), kError, "prog.bas:19: runtime error: illegal function call");
}

TEST_F(BasicRoutines, IntegerDivisionTruncatesAndWraps) {
    EXPECT_EQ(BasicIntDivide(-7, 2, 1), -3);
    EXPECT_EQ(BasicMod(-7, 2, 1), -1);
    EXPECT_EQ(BasicMod(7, -2, 1), 1);
    EXPECT_EQ(BasicIntDivide(INT32_MIN, -1, 1), INT32_MIN);
    EXPECT_EQ(BasicMod(INT32_MIN, -1, 1), 0);
    EXPECT_EQ(BasicToInt32(-2.7), -2);
    EXPECT_EQ(BasicFix(-2.7), -2.0);
    EXPECT_EQ(BasicCheckIndex(5, 1, 5, 1), 4);
}

TEST_F(BasicRoutines, ArraysStartZeroAndStringArraysEmpty) {
    auto* numbers = static_cast<double*>(BasicArrayAlloc(4, 8, 1));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(numbers[i], 0.0);
    CountedString* strings = BasicStringArrayAlloc(3, 1);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(BasicLen(strings[i]), 0);  // consumes each
    HeapFree(GetProcessHeap(), 0, strings);
    HeapFree(GetProcessHeap(), 0, numbers);
}

}  // namespace
