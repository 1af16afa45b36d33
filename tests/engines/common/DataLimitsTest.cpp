#include "common/DataLimits.h"

#include <gtest/gtest.h>

namespace tavrelion::engines {
namespace {

TEST(DataLimits, NumbersThatAreNotFiniteAreFoundInAReportButWordsAreNot) {
    EXPECT_TRUE(PrintsNonFinite("Helix       -nan\r\n"));
    EXPECT_TRUE(PrintsNonFinite("Sheet  inf  0.12"));
    EXPECT_TRUE(PrintsNonFinite("RMS NaN%"));
    EXPECT_FALSE(PrintsNonFinite("Information: 190-240 nanometres, an infinite loop"));
    EXPECT_FALSE(PrintsNonFinite("b.dta, line 14: \"N10__vmi_class_type_inf"));
    EXPECT_FALSE(PrintsNonFinite("b.dta, line 14: \"type\xA0inf\" is not a value"));
}

TEST(DataLimits, FractionsMustEachLieInZeroToOneAndSumToOne) {
    const double rounded[] = {0.46, 0.14, 0.16, 0.25};
    const double summingTo170[] = {0.46, 0.34, 0.36, 0.54};
    const double negative[] = {1.2, -0.2, 0.0, 0.0};
    EXPECT_EQ(FractionsProblem(rounded, 4), "");
    EXPECT_EQ(FractionsProblem(summingTo170, 4), "the fractions sum to 1.7 instead of 1");
    EXPECT_EQ(FractionsProblem(negative, 4), "the fraction 1.2 lies outside 0 to 1");
}

}  // namespace
}  // namespace tavrelion::engines
