#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

#include "corrections/SavitzkyGolay.h"
#include "corrections/SpectrumCorrections.h"

namespace tavrelion::corrections {
namespace {

// A spectrum from `first` to `last` nm with the values of f.
template <typename F>
Spectrum Make(int first, int last, F f) {
    Spectrum s;
    for (int w = first; w <= last; ++w) {
        s.wavelengths.push_back(w);
        s.values.push_back(f(w));
    }
    return s;
}

// Nothing left from 245 nm on, as for a protein far from its bands.
double Protein(int w) {
    if (w >= 245) {
        return 0;
    }
    return -12000 * std::exp(-0.5 * std::pow((w - 222) / 8.0, 2)) +
           20000 * std::exp(-0.5 * std::pow((w - 193) / 6.0, 2));
}

TEST(Baseline, AConstantOffsetIsRemovedExactly) {
    const Spectrum shifted = Make(190, 265, [](int w) { return Protein(w) - 120; });
    const WavelengthRange range = DefaultBaselineRange(190, 265);
    EXPECT_EQ(range.from, 250);
    EXPECT_EQ(range.to, 260);
    const double mean = *RangeMean(shifted, range);
    EXPECT_DOUBLE_EQ(mean, -120);
    const Spectrum corrected = SubtractBaseline(shifted, -120);
    for (std::size_t i = 0; i < corrected.values.size(); ++i) {
        EXPECT_NEAR(corrected.values[i], Protein(corrected.wavelengths[i]), 1e-9);
    }
    // A spectrum that stops short of 260 nm takes its longest 5 nm.
    EXPECT_EQ(DefaultBaselineRange(178, 240).from, 235);
    EXPECT_EQ(DefaultBaselineRange(178, 240).to, 240);
    EXPECT_FALSE(RangeMean(shifted, {300, 310}).has_value());
}

TEST(Combine, SubtractingTheBufferGivesTheProteinBackOnTheSharedWavelengths) {
    const auto buffer = [](int w) { return 300.0 - 2.5 * (w - 180); };
    const Spectrum sample = Make(185, 260, [&](int w) { return Protein(w) + buffer(w); });
    const Spectrum result = Combine(sample, Make(180, 250, buffer), -1);
    ASSERT_EQ(result.wavelengths.front(), 185);
    ASSERT_EQ(result.wavelengths.back(), 250);
    ASSERT_EQ(result.values.size(), 66u);
    for (std::size_t i = 0; i < result.values.size(); ++i) {
        EXPECT_NEAR(result.values[i], Protein(result.wavelengths[i]), 1e-9);
    }
    const Spectrum back = Combine(result, Make(180, 250, buffer), +1);
    EXPECT_NEAR(back.values[10], sample.values[10], 1e-9);
    EXPECT_TRUE(Combine(sample, Make(300, 310, buffer), -1).values.empty());
}

class SavitzkyGolayCubic : public testing::TestWithParam<int> {};

// A cubic is its own least-squares cubic: smoothing gives it back, ends included.
TEST_P(SavitzkyGolayCubic, ACubicComesBackUnchanged) {
    const auto cubic = [](int w) {
        const double x = w - 210.0;
        return 3 - 40 * x + 1.5 * x * x - 0.02 * x * x * x;
    };
    const Spectrum s = Make(180, 240, cubic);
    const std::vector<double> smoothed = SmoothSavitzkyGolay(s.values, GetParam(), 3);
    ASSERT_EQ(smoothed.size(), s.values.size());
    for (std::size_t i = 0; i < smoothed.size(); ++i) {
        EXPECT_NEAR(smoothed[i], s.values[i], 1e-6 * (1 + std::fabs(s.values[i]))) << i;
    }
}
INSTANTIATE_TEST_SUITE_P(WindowPoints, SavitzkyGolayCubic, testing::Values(5, 7, 11, 61, 99));

TEST(SavitzkyGolay, KnownWeightsAndShortInput) {
    // The classic 5-point quadratic weights (-3, 12, 17, 12, -3) / 35 at the centre.
    const std::vector<double> spike = {0, 0, 0, 0, 35, 0, 0, 0, 0};
    const std::vector<double> smoothed = SmoothSavitzkyGolay(spike, 5, 2);
    EXPECT_NEAR(smoothed[2], -3, 1e-9);
    EXPECT_NEAR(smoothed[3], 12, 1e-9);
    EXPECT_NEAR(smoothed[4], 17, 1e-9);
    EXPECT_EQ(WindowPoints(4), 5);
    EXPECT_EQ(WindowPoints(7), 7);
    const std::vector<double> two = {1, 5};
    EXPECT_EQ(SmoothSavitzkyGolay(two, 5, 2), two);
}

// The SP175 proteins' spectra (delta epsilon, 240 down to 175 nm) from the shipped reference file.
std::vector<std::vector<double>> Sp175Spectra() {
    std::ifstream file(std::string(TAVRELION_SOURCE_DIR) + "/data/SP175.REF");
    std::vector<std::vector<double>> spectra;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("PROTEIN ", 0) == 0) {
            spectra.emplace_back();
        } else if (!spectra.empty() && !line.empty() && line[0] != '#') {
            std::istringstream numbers(line);
            for (double v; numbers >> v;) {
                spectra.back().push_back(v);
            }
        }
    }
    return spectra;
}

double RmsError(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    }
    return std::sqrt(sum / static_cast<double>(a.size()));
}

TEST(SavitzkyGolay, SmoothingNoisySp175SpectraLowersTheErrorAgainstTheCleanOnes) {
    const auto spectra = Sp175Spectra();
    ASSERT_EQ(spectra.size(), 71u);
    std::mt19937 generator(175);
    std::normal_distribution<double> noise(0.0, 0.3);  // delta epsilon, a noisy far-UV record
    double noisyTotal = 0;
    double smoothedTotal = 0;
    for (const auto& clean : spectra) {
        ASSERT_EQ(clean.size(), 66u);
        std::vector<double> noisy = clean;
        for (double& v : noisy) {
            v += noise(generator);
        }
        const double before = RmsError(noisy, clean);
        const double after = RmsError(SmoothSavitzkyGolay(noisy, 7, 2), clean);
        EXPECT_LT(after, before);
        noisyTotal += before;
        smoothedTotal += after;
    }
    EXPECT_LT(smoothedTotal, 0.7 * noisyTotal);
}

TEST(Average, MeanAndSampleDeviationOnTheSharedWavelengths) {
    const AveragedSpectrum average =
        Average({Make(190, 200, [](int) { return 1.0; }), Make(192, 205, [](int) { return 2.0; }),
                 Make(180, 198, [](int) { return 3.0; })});
    ASSERT_EQ(average.mean.wavelengths.front(), 192);
    ASSERT_EQ(average.mean.wavelengths.back(), 198);
    EXPECT_DOUBLE_EQ(average.mean.values[0], 2.0);
    EXPECT_DOUBLE_EQ(average.deviation[0], 1.0);
}

}  // namespace
}  // namespace tavrelion::corrections
