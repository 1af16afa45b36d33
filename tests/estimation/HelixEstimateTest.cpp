#include <gtest/gtest.h>

#include <memory>

#include "estimation/HelixEstimate.h"
#include "fakes/FakeServices.h"

namespace tavrelion::estimation {
namespace {

using testing_support::FakeMessages;

class HelixEstimateTest : public testing::Test {
  protected:
    HelixEstimateTest() {
        // slot 2 holds LYSO.ASC from 190 nm at 1 nm, -12000 at 222 nm
        store->SpectrumCount = 2;
        store->SlotLabel(2) = " 2)LYSO.ASC";
        store->SlotFirstWavelength(2) = 190;
        store->SlotStep(2) = 1;
        store->SlotRawCount(2) = 61;
        store->SlotValue(33, 2) = -12000;
    }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    FakeMessages messages;
    store::Int16 residueCount = 0;
};

TEST_F(HelixEstimateTest, ShowsPercentageForTheResiduesGiven) {
    messages.typedAnswers = {"100"};
    CalculateFromEllipticity(*store, residueCount, messages);
    EXPECT_EQ(messages.proposedAnswers, std::vector<std::string>{""});  // nothing typed yet
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Enter the number of AA into your protein)");
    EXPECT_EQ(messages.shown[1].text, "Alpha helix content in LYSO.ASC 31.181 %");
    EXPECT_EQ(messages.shown[1].icon, platform::MessageIcon::None);
    EXPECT_EQ(residueCount, 100);
}

TEST_F(HelixEstimateTest, PromptRepeatsUntilANonZeroCount) {
    messages.typedAnswers = {"", "abc", "1e9", "0.4", "129.5"};
    CalculateFromEllipticity(*store, residueCount, messages);
    EXPECT_EQ(messages.proposedAnswers.size(), 5u);
    EXPECT_EQ(residueCount, 130);
    EXPECT_EQ(messages.unscriptedPrompts, 0);
}

TEST_F(HelixEstimateTest, ProposesTheLastCountTypedAndCancelGivesNoEstimate) {
    messages.typedAnswers = {"129"};
    CalculateFromEllipticity(*store, residueCount, messages);
    messages.typedAnswers = {std::nullopt};
    CalculateFromEllipticity(*store, residueCount, messages);
    EXPECT_EQ(messages.proposedAnswers, (std::vector<std::string>{"", "129"}));
    EXPECT_EQ(messages.shown.size(), 3u);  // two prompts, one estimate
    EXPECT_EQ(residueCount, 129);
    EXPECT_EQ(messages.unscriptedPrompts, 0);
}

TEST_F(HelixEstimateTest, SpectrumWithout222nmIsToldSoWithoutAPrompt) {
    store->SlotFirstWavelength(2) = 225;
    CalculateFromEllipticity(*store, residueCount, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(
        messages.shown[0].text,
        "The spectrum LYSO.ASC has no value at 222 nm: its helix content cannot be estimated");
    EXPECT_TRUE(messages.proposedAnswers.empty());

    messages.shown.clear();
    store->SlotFirstWavelength(2) = 100;  // 222 nm lies past the slot's 61 values
    CalculateFromEllipticity(*store, residueCount, messages);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(HelixPercentage, FollowsTheChainLengthCorrection) {
    EXPECT_NEAR(HelixPercentage(-12000, 100), 31.1811, 1e-4);
    EXPECT_NEAR(HelixPercentage(-39496.9, 32767), 100.0, 1e-3);
    EXPECT_NEAR(HelixPercentage(6000, -10), -12.0842, 1e-4);  // a negative count is used as it is
}

}  // namespace
}  // namespace tavrelion::estimation
