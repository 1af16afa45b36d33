#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "estimation/BackCalculation.h"
#include "estimation/FitQuality.h"
#include "estimation/GaussJordan.h"
#include "estimation/LeastSquaresFit.h"
#include "fakes/FakeServices.h"

namespace tavrelion::estimation {
namespace {

using testing::Each;
using testing::ElementsAre;
using testing_support::FakeMessages;

// A smooth, clearly independent basis value of column c at wavelength w.
double Basis(int column, int wavelength) {
    const double x = (wavelength - 215) / 25.0;
    switch (column) {
        case 1:
            return -30000 * std::exp(-x * x) + 5000 * x;
        case 2:
            return 12000 * x * x - 8000;
        case 3:
            return 3000 * std::sin(3 * x) + 1000;
        default:
            return 4000 * x * x * x - 2000 * x;
    }
}

// A set of the given columns with rows from high down to low wavelength.
void FillSet(ReferenceSet& set, int components, int high, int low) {
    set.ComponentCount = static_cast<store::Int16>(components);
    set.RowCount = static_cast<store::Int16>(high - low + 1);
    for (int row = 1; row <= set.RowCount; ++row) {
        set.RefWavelength(row) = static_cast<store::Int16>(high - row + 1);
        for (int column = 1; column <= components; ++column) {
            set.RefBasis(row, column) = Basis(column, high - row + 1);
        }
    }
}

// A TVR-like current spectrum from first to last nm, value given per wavelength.
template <typename Value>
void FillSpectrum(store::SpectrumStore& store, int first, int last, Value value) {
    store.PointCount = store.RawPointCount = static_cast<store::Int16>(last - first + 1);
    store.WavelengthStep = 1;
    for (int i = 1; i <= store.PointCount; ++i) {
        store.SpectrumWavelength(i) = static_cast<store::Int16>(first + i - 1);
        store.SpectrumValue(i) = value(first + i - 1);
    }
}

class LeastSquaresFitTest : public testing::Test {
  protected:
    LeastSquaresFitTest() {
        for (int set = 1; set <= ReferenceSetCount; ++set) {
            const bool fourColumns = set == Bolotina || set == Chang;
            FillSet((*sets)(set), fourColumns ? 4 : 3, 240, 190);
        }
    }

    void fit() { LeastSquaresFit(*store, *sets, *results, messages); }

    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    std::unique_ptr<ReferenceSets> sets = std::make_unique<ReferenceSets>();
    std::unique_ptr<FitResults> results = std::make_unique<FitResults>();
    FakeMessages messages;
};

TEST_F(LeastSquaresFitTest, ExactMixtureIsRecoveredOnCommonWavelengthsOnly) {
    // 260 to 178 nm against rows 240 to 190: the 51 common wavelengths decide; values outside
    // them must not matter.
    FillSpectrum(*store, 178, 260, [](int w) {
        if (w < 190 || w > 240) {
            return 1e6;
        }
        return 0.5 * Basis(1, w) + 0.3 * Basis(2, w) + 0.2 * Basis(3, w);
    });
    fit();
    EXPECT_TRUE(messages.shown.empty());
    for (int set : {Fasman, Chen, Yang}) {
        EXPECT_NEAR(*results->FitHelix(set), 0.5, 1e-9);
        EXPECT_NEAR(*results->FitSheet(set), 0.3, 1e-9);
        EXPECT_NEAR(*results->FitCoil(set), 0.2, 1e-9);
        EXPECT_FALSE(results->FitTurn(set).has_value());
    }
    // the four-column sets find the same mixture with no fourth component
    EXPECT_NEAR(*results->FitTurn(Bolotina), 0.2, 1e-9);
    EXPECT_NEAR(*results->FitCoil(Chang), 0.0, 1e-9);
    EXPECT_EQ(results->FitSetName(Chen), "Chen     ");
}

TEST_F(LeastSquaresFitTest, NegativeCoefficientsAreKept) {
    FillSpectrum(*store, 190, 240, [](int w) {
        return -0.4 * Basis(1, w) + 1.3 * Basis(2, w) - 0.1 * Basis(3, w) + 0.25 * Basis(4, w);
    });
    fit();
    EXPECT_NEAR(*results->FitHelix(Chang), -0.4, 1e-9);
    EXPECT_NEAR(*results->FitSheet(Chang), 1.3, 1e-9);
    EXPECT_NEAR(*results->FitTurn(Chang), -0.1, 1e-9);
    EXPECT_NEAR(*results->FitCoil(Chang), 0.25, 1e-9);
}

TEST_F(LeastSquaresFitTest, NoCommonWavelengthGivesFiveMessagesAndNoCoefficients) {
    FillSpectrum(*store, 250, 260, [](int) { return -1000.0; });
    fit();
    EXPECT_THAT(messages.texts(),
                ElementsAre("No solution determinant is nil", "No solution determinant is nil",
                            "No solution determinant is nil", "No solution determinant is nil",
                            "No solution determinant is nil"));
    for (int set = 1; set <= ReferenceSetCount; ++set) {
        EXPECT_FALSE(results->FitHelix(set).has_value());
    }
}

TEST_F(LeastSquaresFitTest, MoreThan1000ValuesAreRefusedAndResultsKept) {
    FillSpectrum(*store, 190, 240, [](int w) { return Basis(1, w); });
    fit();
    store->RawPointCount = 1001;
    fit();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Number of points > 1000 no fit possible");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Critical);
    EXPECT_NEAR(*results->FitHelix(Fasman), 1.0, 1e-9);
}

TEST_F(LeastSquaresFitTest, ExtraGridPointOfInstrumentFilesIsLeftOut) {
    // A 1-nm instrument file of 51 values from 190: the grid's 52nd point (241 nm) reads 0.
    FillSpectrum(*store, 190, 241, [](int w) { return 0.7 * Basis(1, w) + 0.3 * Basis(2, w); });
    store->RawPointCount = 51;
    (*sets)(Fasman).RowCount = 52;
    (*sets)(Fasman).RefWavelength(52) = 241;
    (*sets)(Fasman).RefBasis(52, 1) = 99999;  // would spoil the fit if 241 nm took part
    fit();
    EXPECT_NEAR(*results->FitHelix(Fasman), 0.7, 1e-9);
}

TEST_F(LeastSquaresFitTest, OtherStepsUseEveryGridPointBackedByAValue) {
    // Half-nm file: 61 values give 31 grid points; positions past the grid hold an older load.
    FillSpectrum(*store, 190, 240, [](int w) { return 0.6 * Basis(1, w) + 0.4 * Basis(3, w); });
    store->SpectrumValue(32) = 5e5;
    store->SpectrumWavelength(32) = 230;
    store->PointCount = 31;
    store->RawPointCount = 61;
    store->WavelengthStep = 0.5;
    fit();
    EXPECT_NEAR(*results->FitHelix(Fasman), 0.6, 1e-9);

    // 2-nm file of 25 values from 190: grid 190..240, the last point without a value.
    FillSpectrum(*store, 190, 240, [](int w) { return 0.6 * Basis(1, w) + 0.4 * Basis(3, w); });
    store->SpectrumValue(51) = 0;
    store->RawPointCount = 25;
    store->WavelengthStep = 2;
    fit();
    EXPECT_NEAR(*results->FitHelix(Fasman), 0.6, 1e-9);
}

TEST_F(LeastSquaresFitTest, SetLeftIncompleteByAFailedReadingIsReportedNotFitted) {
    (*sets)(Yang).ComponentCount = 5;
    (*sets)(Chen).ComponentCount = 0;
    FillSpectrum(*store, 190, 240, [](int w) { return Basis(2, w); });
    fit();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(results->FitHelix(Yang).has_value());
    EXPECT_NEAR(*results->FitSheet(Fasman), 1.0, 1e-9);
}

TEST(GaussJordanSolve, SolvesAndInvertsWhateverThePivotOrder) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-10, 10);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + trial % 4;
        NormalMatrix a{};
        NormalVector b{};
        for (int i = 1; i <= n; ++i) {
            b[i] = value(random);
            for (int j = 1; j <= n; ++j) {
                // zeros on the diagonal force row and column exchanges
                a[i][j] = (i == j && n > 1 && trial % 3 == 0) ? 0.0 : value(random);
            }
        }
        NormalMatrix inverse = a;
        NormalVector c = b;
        ASSERT_TRUE(GaussJordanSolve(inverse, c, n));
        for (int i = 1; i <= n; ++i) {
            double residual = -b[i];
            for (int j = 1; j <= n; ++j) {
                residual += a[i][j] * c[j];
                double identity = 0;
                for (int k = 1; k <= n; ++k) {
                    identity += a[i][k] * inverse[k][j];
                }
                EXPECT_NEAR(identity, i == j ? 1.0 : 0.0, 1e-9) << "trial " << trial;
            }
            EXPECT_NEAR(residual, 0.0, 1e-9) << "trial " << trial;
        }
    }
}

TEST(GaussJordanSolve, SingularMatrixStopsWithoutSolution) {
    NormalMatrix a{};
    a[1] = {0, 1, 2, 0, 0};
    a[2] = {0, 2, 4, 0, 0};
    NormalVector b{0, 1, 2, 0, 0};
    EXPECT_FALSE(GaussJordanSolve(a, b, 2));
    NormalMatrix zero{};
    NormalVector none{};
    EXPECT_FALSE(GaussJordanSolve(zero, none, 3));
}

TEST_F(LeastSquaresFitTest, BackCalculatedSpectrumIsTheBasisCombinationOnTheFittedWavelengths) {
    // A mixture with a ripple no set can follow, so that the fit is not exact; points outside
    // the sets' 240-190 nm take no part.
    const auto measured = [](int w) {
        return w < 190 || w > 240 ? 1e6
                                  : 0.5 * Basis(1, w) + 0.3 * Basis(2, w) + 0.2 * Basis(3, w) +
                                        800 * std::sin(w * 0.7);
    };
    FillSpectrum(*store, 178, 260, measured);
    fit();
    for (int set : {Fasman, Chang}) {
        const BackCalculatedSpectrum back = BackCalculate(*store, (*sets)(set), *results, set);
        ASSERT_EQ(back.wavelengths.size(), 51u);
        EXPECT_EQ(back.wavelengths.front(), 240);
        EXPECT_EQ(back.wavelengths.back(), 190);
        const double turn = set == Chang ? *results->FitTurn(set) : 0.0;
        const int coilColumn = set == Chang ? 4 : 3;
        double squares = 0;
        double deviations = 0;
        for (std::size_t i = 0; i < back.wavelengths.size(); ++i) {
            const int w = static_cast<int>(back.wavelengths[i]);
            const double combination = *results->FitHelix(set) * Basis(1, w) +
                                       *results->FitSheet(set) * Basis(2, w) +
                                       turn * (set == Chang ? Basis(3, w) : 0.0) +
                                       *results->FitCoil(set) * Basis(coilColumn, w);
            EXPECT_NEAR(back.calculated[i], combination, 1e-6) << w;
            EXPECT_EQ(back.measured[i], measured(w)) << w;
            squares += measured(w) * measured(w);
            deviations += (measured(w) - combination) * (measured(w) - combination);
        }
        const std::optional<double> nrmsd = Nrmsd(back.measured, back.calculated);
        ASSERT_TRUE(nrmsd.has_value());
        EXPECT_NEAR(*nrmsd, std::sqrt(deviations / squares), 1e-12);
        EXPECT_GT(*nrmsd, 0.01);
    }
    // A set without coefficients rebuilds nothing.
    results->FitHelix(Yang).reset();
    EXPECT_TRUE(BackCalculate(*store, (*sets)(Yang), *results, Yang).wavelengths.empty());
}

TEST(FitQuality, NrmsdAndGradeFollowTheAnalysisProgramsDefinitionAndLimits) {
    // sqrt((0 + 16) / (9 + 16)) = 0.8
    EXPECT_DOUBLE_EQ(*Nrmsd({3, 4}, {3, 0}), 0.8);
    EXPECT_DOUBLE_EQ(*Nrmsd({-2, 1, 2}, {-2, 1, 2}), 0.0);
    EXPECT_FALSE(Nrmsd({0, 0, 0}, {1, 2, 3}).has_value());  // nothing to judge a fit against
    EXPECT_FALSE(Nrmsd({1, 2}, {1}).has_value());
    const std::pair<double, const char*> grades[] = {
        {0.0, "good"}, {0.041, "good"}, {0.0411, "fair"}, {0.092, "fair"}, {0.0921, "poor"}};
    for (const auto& [nrmsd, word] : grades) {
        EXPECT_EQ(FitQualityWord(nrmsd), word) << nrmsd;
    }
}

}  // namespace
}  // namespace tavrelion::estimation
