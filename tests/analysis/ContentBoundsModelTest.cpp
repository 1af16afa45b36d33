#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "analysis/ContentBoundsModel.h"

namespace tavrelion::analysis {
namespace {

TEST(ContentBoundsModel, OpensRightAlignedInFourAndClampsOnlyTheSliders) {
    ContentBounds bounds{10, 110};
    ContentBoundsModel model(bounds);
    EXPECT_EQ(model.minText(), "   10");
    EXPECT_EQ(model.maxText(), "  110");
    EXPECT_EQ(model.minLabel(), "The total content must be greater than 10");
    EXPECT_EQ(model.maxLabel(), "The total content must be lower than 110");
    EXPECT_EQ(model.minSlider(), 10);
    EXPECT_EQ(model.maxSlider(), 110);

    bounds = {150, -20};  // typed earlier, outside the sliders' ranges
    ContentBoundsModel outside(bounds);
    EXPECT_EQ(outside.minSlider(), 100);
    EXPECT_EQ(outside.maxSlider(), 100);
    EXPECT_EQ(outside.minText(), "  150");
    EXPECT_EQ(outside.maxLabel(), "The total content must be lower than -20");
    EXPECT_EQ(bounds.ContentMin, 150);
    EXPECT_EQ(bounds.ContentMax, -20);
}

TEST(ContentBoundsModel, MovingASliderSetsItsBoundBoxAndLabel) {
    ContentBounds bounds{10, 110};
    ContentBoundsModel model(bounds);
    model.minSliderMoved(55);
    model.maxSliderMoved(250);
    EXPECT_EQ(bounds.ContentMin, 55);
    EXPECT_EQ(bounds.ContentMax, 250);
    EXPECT_EQ(model.minText(), "55");
    EXPECT_EQ(model.maxText(), "250");
    EXPECT_EQ(model.minLabel(), "The total content must be greater than 55");
    EXPECT_EQ(model.maxLabel(), "The total content must be lower than 250");
}

struct TypedBoundCase {
    const char* typed;
    int bound;
};

void PrintTo(const TypedBoundCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class ContentBoundsTyping : public testing::TestWithParam<TypedBoundCase> {};

TEST_P(ContentBoundsTyping, StoresTheRoundedClampedNumberAndLeavesTheSliders) {
    const auto& c = GetParam();
    ContentBounds bounds{10, 110};
    ContentBoundsModel model(bounds);
    model.minTextChanged(c.typed);
    model.maxTextChanged(c.typed);
    EXPECT_EQ(bounds.ContentMin, c.bound);
    EXPECT_EQ(bounds.ContentMax, c.bound);
    EXPECT_EQ(model.minLabel(),
              "The total content must be greater than " + std::to_string(c.bound));
    EXPECT_EQ(model.minSlider(), 10);
    EXPECT_EQ(model.maxSlider(), 110);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContentBoundsTyping,
                         testing::Values(TypedBoundCase{"150", 150}, TypedBoundCase{"  95 %", 95},
                                         TypedBoundCase{"12.5", 12}, TypedBoundCase{"-5", -5},
                                         TypedBoundCase{"abc", 0}, TypedBoundCase{"40000", 32767},
                                         TypedBoundCase{"-40000", -32768},
                                         TypedBoundCase{" -1D400", -32768}));

TEST(ContentBoundsModel, CancelDoesNotAcceptNorRestoreTheBounds) {
    ContentBounds bounds{10, 110};
    ContentBoundsModel model(bounds);
    model.maxTextChanged("130");
    model.cancel();
    EXPECT_TRUE(model.closed());
    EXPECT_FALSE(model.accepted());
    EXPECT_EQ(bounds.ContentMax, 130);
}

}  // namespace
}  // namespace tavrelion::analysis
