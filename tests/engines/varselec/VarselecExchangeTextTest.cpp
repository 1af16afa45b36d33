#include <gtest/gtest.h>

#include "varselec/ExchangeText.h"

namespace tavrelion::engines::varselec {
namespace {

// The numbers the driver writes into b.dta ("##.#####") and those of the basis lines.
TEST(VarselecExchangeText, ReadsTheProgramsNumberForms) {
    const std::pair<const char*, double> cases[] = {{".25", 0.25},
                                                    {"-1.5", -1.5},
                                                    {".", 0.0},
                                                    {"-.", 0.0},
                                                    {"12.34567", 12.34567},
                                                    {"-.00001", -0.00001},
                                                    {"  -5.4440", -5.444},
                                                    {"7", 7.0},
                                                    {"1E3", 1000.0},
                                                    {"2.5D-1", 0.25},
                                                    {"+3.", 3.0}};
    for (const auto& [text, value] : cases) {
        const auto parsed = ParseDecimal(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
}

TEST(VarselecExchangeText, RefusesWhatIsNotANumber) {
    for (const char* text : {"", " ", "-", "abc", "1.2.3", "nan", "inf", "0x10", "1e", "1 2", "--1",
                             "no data", "1,5"}) {
        EXPECT_FALSE(ParseDecimal(text).has_value()) << '"' << text << '"';
    }
    EXPECT_EQ(ParseWhole(" 190.0"), 190);
    EXPECT_FALSE(ParseWhole("190.5").has_value());
    EXPECT_TRUE(SaysNoValue("  no data"));
    EXPECT_TRUE(SaysNoValue("NO DATA "));
    EXPECT_FALSE(SaysNoValue(""));
}

}  // namespace
}  // namespace tavrelion::engines::varselec
