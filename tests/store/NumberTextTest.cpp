#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "store/BasicError.h"
#include "store/NumberText.h"

namespace tavrelion::store {
namespace {

struct NumberCase {
    const char* text;
    double expected;
};

class NumberOfText : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberOfText, ReadsLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(NumberOf(GetParam().text), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberOfText,
    testing::Values(NumberCase{"1e-3", 0.001}, NumberCase{"1D2", 100}, NumberCase{"1d-2", 0.01},
                    NumberCase{"-12.5 # comment", -12.5}, NumberCase{" 1 2 3", 123},
                    NumberCase{"1 e 2", 100}, NumberCase{"\t-3\n", -3}, NumberCase{".5", 0.5},
                    NumberCase{"-.25", -0.25}, NumberCase{"5.", 5}, NumberCase{"+7", 7},
                    NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"1.2.3", 1.2},
                    NumberCase{"12abc", 12}, NumberCase{"1,5", 1}, NumberCase{"abc", 0},
                    NumberCase{"", 0}, NumberCase{"-", 0}, NumberCase{".", 0}, NumberCase{"--1", 0},
                    NumberCase{"# 5", 0}, NumberCase{"1e-400", 0}, NumberCase{"0.1E1", 1},
                    NumberCase{"-0", 0}, NumberCase{"000123.4500", 123.45},
                    NumberCase{"1.7976931348623157e308", std::numeric_limits<double>::max()}));

TEST(NumberOfText, TooLargeForADoubleIsAnOverflow) {
    for (const char* text : {"1e400", "-1e309", "9e99999999999", "2e308"}) {
        try {
            NumberOf(text);
            ADD_FAILURE() << text << " was read without error";
        } catch (const BasicError& error) {
            EXPECT_EQ(error.number(), Overflow) << text;
        }
    }
}

TEST(WholeOfText, RoundsHalfToEvenWithin16Bits) {
    EXPECT_EQ(WholeOf("2.5"), 2);
    EXPECT_EQ(WholeOf("3.5"), 4);
    EXPECT_EQ(WholeOf("-2.5"), -2);
    EXPECT_EQ(WholeOf("2.5000001"), 3);
    EXPECT_EQ(WholeOf("190"), 190);
    EXPECT_EQ(WholeOf("32767"), 32767);
    EXPECT_EQ(WholeOf("-32768.5"), -32768);
    EXPECT_EQ(WholeOf("none"), 0);
}

TEST(WholeOfText, OutOf16BitsIsAnOverflow) {
    for (const char* text : {"32767.5", "32768", "-32769", "1e9", "1e400"}) {
        try {
            WholeOf(text);
            ADD_FAILURE() << text << " was read without error";
        } catch (const BasicError& error) {
            EXPECT_EQ(error.number(), Overflow) << text;
        }
    }
}

struct FormCase {
    double value;
    const char* expected;
};

class GeneralFormOf : public testing::TestWithParam<FormCase> {};

TEST_P(GeneralFormOf, WritesShortestFormWithSignColumn) {
    EXPECT_EQ(GeneralForm(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFormOf,
    testing::Values(FormCase{0.5, " .5"}, FormCase{-12.345, "-12.345"}, FormCase{0, " 0"},
                    FormCase{-0.0, " 0"}, FormCase{-0.5, "-.5"}, FormCase{0.1, " .1"},
                    FormCase{1000, " 1000"}, FormCase{2, " 2"}, FormCase{208.347, " 208.347"},
                    FormCase{1.0 / 3, " .333333333333333"}, FormCase{2.0 / 3, " .666666666666667"},
                    FormCase{-1.0 / 3, "-.333333333333333"}, FormCase{0.1 + 0.2, " .3"},
                    FormCase{123456789012345, " 123456789012345"}, FormCase{1e15, " 1E+15"},
                    FormCase{-2.5e20, "-2.5E+20"}, FormCase{1e300, " 1E+300"},
                    FormCase{0.0001, " .0001"}, FormCase{0.00001, " 1E-05"},
                    FormCase{-2.5e-7, "-2.5E-07"}, FormCase{5e-324, " 4.94065645841247E-324"},
                    FormCase{99999.99999999999, " 100000"}));

TEST(RightAlignNumber, PadsToOneMoreThanWidthAndNeverCuts) {
    EXPECT_EQ(RightAlignNumber(33, 4), "   33");
    EXPECT_EQ(RightAlignNumber(-33, 4), "  -33");
    EXPECT_EQ(RightAlignNumber(190, 3), " 190");
    EXPECT_EQ(RightAlignNumber(123456, 3), " 123456");
    EXPECT_EQ(RightAlignNumber(0.5, 0), " .5");
}

TEST(RoundTo3, RoundsHalfUpToThreeDecimals) {
    EXPECT_EQ(RoundTo3(208.3474), " 208.347");
    EXPECT_EQ(RoundTo3(208.3475), " 208.348");
    EXPECT_EQ(RoundTo3(0.0005), " .001");
    EXPECT_EQ(RoundTo3(-0.0005), " 0");
    EXPECT_EQ(RoundTo3(-1.2346), "-1.235");
    EXPECT_EQ(RoundTo3(-12345.6789), "-12345.679");
    EXPECT_EQ(RoundTo3(190), " 190");
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

class PatternFormat : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternFormat, RoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatPattern(GetParam().value, GetParam().pattern), GetParam().expected)
        << GetParam().value << " with " << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, PatternFormat,
    testing::Values(
        // report coefficients
        PatternCase{0.3456, "0.00", "0.35"}, PatternCase{-0.012, "0.00", "-0.01"},
        PatternCase{12.5, "0.00", "12.50"}, PatternCase{0.125, "0.00", "0.13"},
        PatternCase{-0.125, "0.00", "-0.13"}, PatternCase{0, "0.00", "0.00"},
        PatternCase{-0.004, "0.00", "0.00"}, PatternCase{0.995, "0.00", "1.00"},
        PatternCase{-9.995, "0.00", "-10.00"}, PatternCase{0.1249999999, "0.00", "0.12"},
        // values stored just below a half are taken as written
        PatternCase{1.005, "0.00", "1.01"}, PatternCase{2.675, "0.00", "2.68"},
        PatternCase{1e20, "0.00", "100000000000000000000.00"}, PatternCase{1e-20, "0.00", "0.00"},
        // report totals
        PatternCase{0.97, "00.00", "00.97"}, PatternCase{1.02, "00.00", "01.02"},
        PatternCase{100, "00.00", "100.00"}, PatternCase{9.995, "00.00", "10.00"},
        PatternCase{-0.5, "00.00", "-00.50"},
        // Varselec input values
        PatternCase{-1.5, "##.#####", "-1.5"}, PatternCase{0.25, "##.#####", ".25"},
        PatternCase{0, "##.#####", "."}, PatternCase{1, "##.#####", "1."},
        PatternCase{123.456789, "##.#####", "123.45679"}, PatternCase{-0.000001, "##.#####", "."},
        PatternCase{0.000005, "##.#####", ".00001"},
        PatternCase{-3.7390909, "##.#####", "-3.73909"}));

}  // namespace
}  // namespace tavrelion::store
