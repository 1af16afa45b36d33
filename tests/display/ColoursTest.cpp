#include "display/Colours.h"

#include <gtest/gtest.h>

#include <set>

#include "store/SpectrumStore.h"

namespace tavrelion::display {
namespace {

TEST(Colours, FifteenDifferentCurveColoursThatReadOnBlackAndOnWhite) {
    store::SpectrumStore store;
    store::SetDefaultSlotColours(store);
    std::set<Colour> distinct;
    for (int slot = 1; slot <= store::MaxSlots; ++slot) {
        distinct.insert(store.SlotColor(slot));
        EXPECT_GE(ContrastRatio(store.SlotColor(slot), Black), 3.0) << slot;
        EXPECT_GE(ContrastRatio(store.SlotColor(slot), White), 3.0) << slot;
    }
    EXPECT_EQ(distinct.size(), 15u);
}

TEST(Colours, TextTooCloseToTheBackgroundAndLightInkOnPaperAreMadeReadable) {
    EXPECT_EQ(ContrastingTextColour(White, White), Black);
    EXPECT_EQ(ContrastingTextColour(Black, 0x00202020), White);
    EXPECT_EQ(ContrastingTextColour(0x000000C0, White), 0x000000C0u);  // dark red stays
    const Colour paperYellow = ReadableOnWhite(0x0000FFFF);
    EXPECT_GE(ContrastRatio(paperYellow, White), 3.0);
    EXPECT_EQ(paperYellow & 0x00FF0000, 0u);  // still a yellow: no blue in it
}

}  // namespace
}  // namespace tavrelion::display
