#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "store/BasicError.h"
#include "store/CheckedArray.h"
#include "store/Int16.h"

namespace tavrelion::store {
namespace {

template <typename F>
int ErrorNumberOf(F&& step) {
    try {
        step();
    } catch (const BasicError& error) {
        return error.number();
    }
    return 0;
}

TEST(CheckedArray, IndexBeyondBoundsIsError9AndElementZeroExists) {
    CheckedArray<double, 1000> values;
    EXPECT_EQ(values(0), 0.0);
    EXPECT_EQ(values(1000), 0.0);
    EXPECT_EQ(ErrorNumberOf([&] { values(1001) = 1; }), SubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { values(-1) = 1; }), SubscriptOutOfRange);

    CheckedMatrix<double, 1000, 15> slots;
    slots(1000, 15) = 2.5;
    EXPECT_EQ(slots(1000, 15), 2.5);
    EXPECT_EQ(ErrorNumberOf([&] { slots(1, 16) = 1; }), SubscriptOutOfRange);
    EXPECT_EQ(ErrorNumberOf([&] { slots(1001, 1) = 1; }), SubscriptOutOfRange);
}

TEST(Int16Conversions, ResultsOutside16BitsAreError6) {
    EXPECT_EQ(CheckedInt16(-32768), -32768);
    EXPECT_EQ(ErrorNumberOf([] { CheckedInt16(32768); }), Overflow);
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(1.5), 2);
    EXPECT_EQ(RoundToInt16(-1.5), -2);
    EXPECT_EQ(ErrorNumberOf([] { RoundToInt16(std::nan("")); }), Overflow);
    EXPECT_EQ(ErrorNumberOf([] { RoundToInt16(std::numeric_limits<double>::infinity()); }),
              Overflow);
    EXPECT_EQ(ErrorNumberOf([] { RoundToInt16(1e300); }), Overflow);
    EXPECT_EQ(FloorToInt16(60.5), 60);
    EXPECT_EQ(FloorToInt16(-0.001), -1);
    EXPECT_EQ(ErrorNumberOf([] { FloorToInt16(32768.0); }), Overflow);
}

}  // namespace
}  // namespace tavrelion::store
