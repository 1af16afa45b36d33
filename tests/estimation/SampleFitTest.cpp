#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "fakes/FakeServices.h"
#include "spectrumio/LoadFixture.h"

namespace tavrelion::estimation {
namespace {

const std::filesystem::path SourceFolder(TAVRELION_SOURCE_DIR);

struct KnownProtein {
    const char* file;
    double helix;  // fraction from the crystal structure (DSSP), as in the reference set
    double sheet;
};

void PrintTo(const KnownProtein& protein, std::ostream* out) {
    *out << protein.file;
}

class SampleFit : public testing_support::LoadFixture,
                  public testing::WithParamInterface<KnownProtein> {};

// The shipped basis sets estimate the helix of every sample protein within twice their
// leave-one-out error (0.075) with the four-column sets.
TEST_P(SampleFit, FourColumnSetsFindTheKnownHelix) {
    auto sets = std::make_unique<ReferenceSets>();
    ASSERT_TRUE(LoadReferenceSets((SourceFolder / "data").string(), *sets, messages));
    dialogs.unitPresses.push_back([](spectrumio::UnitDialogModel& model) {
        model.valid(model.initialConcentrationText(), model.initialCellWidthText());
    });
    store->SpectrumFileName = (SourceFolder / "samples" / GetParam().file).string();
    ASSERT_TRUE(loadCurrentFile());

    FitResults results;
    LeastSquaresFit(*store, *sets, results, messages);
    EXPECT_TRUE(messages.shown.empty());
    for (int set : {Bolotina, Chang}) {
        EXPECT_NEAR(*results.FitHelix(set), GetParam().helix, 0.15) << results.FitSetName(set);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleFit,
    testing::Values(KnownProtein{"LYSO.ASC", 0.40, 0.06}, KnownProtein{"MYOG_DA.ASC", 0.75, 0.0},
                    KnownProtein{"CONA_TH.ASC", 0.04, 0.46}, KnownProtein{"HSA_DE.ASC", 0.72, 0.0},
                    KnownProtein{"UBIQ.ASC", 0.25, 0.32}, KnownProtein{"CYTC.JCD", 0.41, 0.0},
                    KnownProtein{"LYSO.TVR", 0.40, 0.06}));

}  // namespace
}  // namespace tavrelion::estimation
