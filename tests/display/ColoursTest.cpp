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
        const Colour colour = store.SlotColor(slot);
        distinct.insert(colour);
        EXPECT_GE(ContrastRatio(colour, Black), 3.0) << slot;
        EXPECT_GE(ContrastRatio(colour, White), 3.0) << slot;
    }
    EXPECT_EQ(distinct.size(), 15u);
}

TEST(Colours, TextColourTooCloseToANewBackgroundSwitchesToAContrastingOne) {
    EXPECT_EQ(ContrastingTextColour(White, White), Black);
    EXPECT_EQ(ContrastingTextColour(0x00F0F0F0, White), Black);  // light grey on white
    EXPECT_EQ(ContrastingTextColour(Black, 0x00202020), White);
    EXPECT_EQ(ContrastingTextColour(0x000000C0, White), 0x000000C0u);  // dark red stays
    EXPECT_NEAR(ContrastRatio(Black, White), 21.0, 1e-9);
}

TEST(Colours, LightColoursAreDarkenedForWhitePaperInTheirOwnHue) {
    const Colour paperYellow = ReadableOnWhite(0x0000FFFF);
    EXPECT_GE(ContrastRatio(paperYellow, White), 3.0);
    EXPECT_EQ(paperYellow & 0x00FF0000, 0u);  // still no blue in it
    EXPECT_EQ(ReadableOnWhite(0x000000C0), 0x000000C0u);
}

}  // namespace
}  // namespace tavrelion::display
