#include <gtest/gtest.h>

#include <ostream>

#include "analysis/SelconSettingsModel.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::analysis {
namespace {

TEST(SelconSettingsModel, OpensRightAlignedInThreeWithSummaryFormatAndFiveClasses) {
    drivers::SelconSettings settings;
    settings.SelconTolerance = 7;
    settings.SelconModel = 3;
    SelconSettingsModel model(settings);
    EXPECT_EQ(model.iterationText(), "  10");
    EXPECT_EQ(model.toleranceText(), "   7");
    EXPECT_EQ(model.toleranceBar(), 7);
    EXPECT_EQ(settings.SelconFormat, 1);
    EXPECT_EQ(settings.SelconClassCount, 5);
    EXPECT_EQ(model.modelShown(), 3);  // the stored model, not the first option
    EXPECT_EQ(settings.SelconModel, 3);

    settings.SelconIterations = 250;  // typed earlier: kept, the bar cannot show it
    SelconSettingsModel reopened(settings);
    EXPECT_EQ(reopened.iterationBar(), 30);
    EXPECT_EQ(reopened.iterationText(), " 250");
    EXPECT_EQ(settings.SelconIterations, 250);
}

TEST(SelconSettingsModel, ModelsWithoutTheirDataFileCannotBeChosenAndSayWhy) {
    testing_support::TemporaryFolder folder;
    folder.write("ssdata.p2", "x");
    folder.write("ssdata.ks", "x");
    drivers::SelconSettings settings;
    SelconSettingsModel model(settings);
    model.checkModelFiles(folder.path());
    EXPECT_TRUE(model.modelAvailable(2));
    EXPECT_FALSE(model.modelAvailable(3));
    EXPECT_EQ(model.modelUnavailableReason(4),
              "not installed: its structure data file ssdata.lg is not in the program folder");
    model.chooseModel(3);
    EXPECT_EQ(settings.SelconModel, 1);
    EXPECT_EQ(model.modelShown(), 1);
}

struct TypedIterationCase {
    const char* typed;
    int iterations;
};

void PrintTo(const TypedIterationCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class SelconIterationTyping : public testing::TestWithParam<TypedIterationCase> {};

TEST_P(SelconIterationTyping, StoresTheNumberAtLeastOneWithoutMovingTheBar) {
    drivers::SelconSettings settings;
    SelconSettingsModel model(settings);
    model.iterationTextChanged(GetParam().typed);
    EXPECT_EQ(settings.SelconIterations, GetParam().iterations);
    EXPECT_EQ(model.iterationBar(), 10);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelconIterationTyping,
                         testing::Values(TypedIterationCase{" 12.5", 12},
                                         TypedIterationCase{"40 times", 40},
                                         TypedIterationCase{"0", 1}, TypedIterationCase{"-4", 1},
                                         TypedIterationCase{"", 1},
                                         TypedIterationCase{"123456", 32767}));

TEST(SelconSettingsModel, BarsAndOptionsSetTheSettings) {
    drivers::SelconSettings settings;
    SelconSettingsModel model(settings);
    model.iterationBarMoved(23);
    model.toleranceBarMoved(4);
    EXPECT_EQ(settings.SelconIterations, 23);
    EXPECT_EQ(model.iterationText(), "23");
    EXPECT_EQ(settings.SelconTolerance, 4);
    EXPECT_EQ(model.toleranceText(), "4");
    settings.SelconClassCount = 0;
    model.chooseModel(4);
    model.chooseFormat(2);
    EXPECT_EQ(settings.SelconModel, 4);
    EXPECT_EQ(settings.SelconClassCount, 5);
    EXPECT_EQ(settings.SelconFormat, 2);
}

TEST(SelconSettingsModel, DefaultsRestoreTenTenAndTheFirstModel) {
    drivers::SelconSettings settings;
    SelconSettingsModel model(settings);
    model.iterationTextChanged("17");
    model.toleranceBarMoved(29);
    model.chooseModel(2);
    model.defaults();
    EXPECT_EQ(settings.SelconIterations, 10);
    EXPECT_EQ(settings.SelconTolerance, 10);
    EXPECT_EQ(settings.SelconModel, 1);
    EXPECT_EQ(model.modelShown(), 1);
    EXPECT_EQ(model.iterationBar(), 10);
    EXPECT_EQ(model.toleranceBar(), 10);
    EXPECT_EQ(model.iterationText(), "  10");
    EXPECT_EQ(model.toleranceText(), "  10");
    EXPECT_FALSE(model.closed());
}

}  // namespace
}  // namespace tavrelion::analysis
