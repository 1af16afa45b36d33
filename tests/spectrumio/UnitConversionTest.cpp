#include <gtest/gtest.h>

#include "spectrumio/UnitConversion.h"
#include "spectrumio/UnitDialogModel.h"
#include "store/BasicError.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {
namespace {

TEST(UnitConversion, EachUnitBecomesMeanResidueEllipticity) {
    EXPECT_DOUBLE_EQ(ToMeanResidueEllipticity(-0.001, store::UnitDeltaA, 0.1, 0.0001), -330000);
    EXPECT_DOUBLE_EQ(ToMeanResidueEllipticity(0.01, store::UnitThetaDegrees, 1, 0.001), 1000);
    EXPECT_DOUBLE_EQ(ToMeanResidueEllipticity(-10, store::UnitDeltaEpsilon, 0, 0), -33000);
    for (store::Int16 unit :
         {store::UnitNotRecognised, store::UnitMolarEllipticity, store::UnitTvrSpectrum}) {
        EXPECT_EQ(ToMeanResidueEllipticity(-12345.5, unit, 0, 0), -12345.5);
    }
}

TEST(UnitConversion, ResultBeyondDoubleRangeIsAnOverflow) {
    EXPECT_THROW(ToMeanResidueEllipticity(1, store::UnitDeltaA, 1e-200, 1e-200), store::BasicError);
    EXPECT_THROW(ToMeanResidueEllipticity(1e306, store::UnitDeltaEpsilon, 0, 0), store::BasicError);
}

TEST(UnitDialogRules, OpensWithStoredValuesInGeneralForm) {
    store::SpectrumStore store;
    store.ResidueConcentration = 0.0005;
    store.CellWidth = 0.1;
    UnitDialogModel dialog(store);
    EXPECT_EQ(dialog.initialConcentrationText(), " .0005");
    EXPECT_EQ(dialog.initialCellWidthText(), " .1");
}

TEST(UnitDialogRules, ValidClosesOnlyWhenBothValuesAreNonZero) {
    store::SpectrumStore store;
    UnitDialogModel dialog(store);
    dialog.valid("0.001", "0");
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(store.ResidueConcentration, 0.001);
    EXPECT_EQ(store.CellWidth, 0);
    dialog.valid("abc", "1");
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(store.ResidueConcentration, 0);
    dialog.valid("1e999", "1");  // too large to hold: taken as no number
    EXPECT_FALSE(dialog.closed());
    dialog.valid(" 1e-3", "-1");  // a negative value is accepted
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(store.DialogAccepted, 1);
    EXPECT_EQ(store.CellWidth, -1);
}

TEST(UnitDialogRules, CancelKeepsWhatTheLastValidStored) {
    store::SpectrumStore store;
    store.DialogAccepted = 1;
    UnitDialogModel dialog(store);
    dialog.valid("2", "0");
    dialog.cancel();
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(store.DialogAccepted, 0);
    EXPECT_EQ(store.ResidueConcentration, 2);
    EXPECT_EQ(store.CellWidth, 0);
}

TEST(UnitDialogRules, ExponentLettersAreReadInEitherCase) {
    store::SpectrumStore store;
    UnitDialogModel dialog(store);
    dialog.valid("1e-3", "1d1");
    EXPECT_EQ(store.ResidueConcentration, 0.001);
    EXPECT_EQ(store.CellWidth, 10);
}

}  // namespace
}  // namespace tavrelion::spectrumio
