#include <gtest/gtest.h>

#include "store/BasicError.h"
#include "store/TextRoutines.h"

namespace tavrelion::store {
namespace {

TEST(TextRoutines, CutAtFirstAndLastSeparator) {
    EXPECT_EQ(TextUpToFirst("C:\\data\\LYSO.ASC", '\\'), "C:\\");
    EXPECT_EQ(TextUpToFirst("LYSO.ASC", '\\'), "");
    EXPECT_EQ(TextAfterLast("C:\\data\\LYSO.ASC", '\\'), "LYSO.ASC");
    EXPECT_EQ(TextAfterLast("LYSO.ASC", '\\'), "LYSO.ASC");
    EXPECT_EQ(TextAfterLast(" 2)LYSO.ASC", ' '), "2)LYSO.ASC");
    EXPECT_EQ(TextAfterLast("ends with\\", '\\'), "");
    EXPECT_EQ(ReplaceChar("-12,5", ',', '.'), "-12.5");
}

TEST(TabField, TakesTheFieldBetweenFirstAndLastSeparator) {
    EXPECT_DOUBLE_EQ(TabField("x\t-12.5\tz", '\t'), -12.5);
    EXPECT_DOUBLE_EQ(TabField("CONCENTRATION\t0.0001\tM", '\t'), 0.0001);
    EXPECT_DOUBLE_EQ(TabField("\t5\t", '\t'), 5);
    // A single separator leaves an empty field.
    EXPECT_DOUBLE_EQ(TabField("190\t-12.5", '\t'), 0);
    // Inner separators are skipped like blanks when the number is read.
    EXPECT_DOUBLE_EQ(TabField("a\t1\t2\t3", '\t'), 12);
}

TEST(TabField, LineWithoutSeparatorIsError5) {
    try {
        TabField("190 -12.5", '\t');
        FAIL() << "no error";
    } catch (const BasicError& error) {
        EXPECT_EQ(error.number(), InvalidArgument);
    }
}

TEST(Mid, CountsFromOneAndStopsAtTheEnd) {
    EXPECT_EQ(Mid("FIRSTX\t260.000", 8, 4), "260.");
    EXPECT_EQ(Mid("short", 4, 10), "rt");
    EXPECT_EQ(Mid("short", 9, 4), "");
    EXPECT_THROW(Mid("short", 0, 1), BasicError);
    EXPECT_EQ(UpperCase("lyso.asc 1e-3"), "LYSO.ASC 1E-3");
}

}  // namespace
}  // namespace tavrelion::store
