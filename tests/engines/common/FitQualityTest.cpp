// One fit-quality measure and one input check shared by the analysis programs: the NRMSD each
// report prints is recomputed here from the back-calculated spectrum it gives, and spectra no
// protein gives are flagged in the same words by every program.
#include "common/FitQuality.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "contin/ContinReport.h"
#include "engines/common/EngineTestSupport.h"
#include "k2d/K2dProgram.h"
#include "k2d/WeightsFile.h"
#include "selcon3/Selcon3Report.h"

namespace tavrelion::engines {
namespace {

using engine_testing::DataFolder;
using engine_testing::ProteinIndex;
using engine_testing::Sp175;

Eigen::VectorXd Protein(const std::string& code) {
    return Sp175().spectra.col(ProteinIndex(code));
}

const ReferenceSet& Idp175() {
    static const ReferenceSet set = LoadReferenceSet(ReferenceFileOf(DataFolder(), "IDP175"));
    return set;
}

// The reports of the three programs for a spectrum from 240 nm down to 175 nm in delta epsilon,
// on the set given with the K2D map trained on it.
std::vector<std::string> Reports(const Eigen::VectorXd& spectrum,
                                 const ReferenceSet& set = Sp175()) {
    std::vector<std::string> reports;
    selcon::MeasuredSpectrum measured{240, 175, {spectrum.begin(), spectrum.end()}};
    const auto options = selcon::DefaultOptions();
    const auto estimate = selcon::EstimateStructure(set, measured, options);
    std::string text;
    for (const auto& line : selcon::Selcon3Report(set, {"test", 240, 175, ""}, estimate, options))
        text += line + "\n";
    reports.push_back(text);
    const Eigen::VectorXd to190 = spectrum.head(51);
    contin::ContinInput input;
    input.count = 51;
    input.highestWavelength = 240;
    input.lowestWavelength = 190;
    reports.push_back(
        contin::EstimateReport(input, {&set, ""}, contin::AnalyseSpectrum(set, 240, 190, to190)));
    const k2d::KohonenMap map =
        k2d::ReadWeightsFile(TrainedDataFolder(DataFolder(), set.name) / k2d::WeightsFileName);
    const Eigen::VectorXd gd = spectrum.segment(0, 41).reverse() * k2d::InputPerDeltaEpsilon;
    reports.push_back(
        k2d::EstimateReport(map, k2d::EstimateStructure(map, gd), k2d::CheckInput(set, map, gd)));
    return reports;
}

TEST(FitQuality, NrmsdIsMaoWachterWallace) {
    // sqrt(((1-1)^2 + (2-1)^2 + (3-1)^2) / (1 + 4 + 9)) = sqrt(5 / 14)
    EXPECT_NEAR(Nrmsd(Eigen::Vector3d(1, 2, 3), Eigen::Vector3d(1, 1, 1)), 0.597614, 1e-6);
}

struct BadSpectrum {
    const char* name;
    Eigen::VectorXd values;
    const char* words;
};

class SpectrumFlags : public ::testing::TestWithParam<BadSpectrum> {};

TEST_P(SpectrumFlags, EveryProgramSaysTheSame) {
    const BadSpectrum& c = GetParam();
    const std::string flag = SpectrumFlag(Sp175(), 240, c.values);
    ASSERT_NE(flag.find(c.words), std::string::npos) << flag;
    for (const std::string& report : Reports(c.values)) {
        EXPECT_NE(report.find(flag), std::string::npos) << report;
        EXPECT_EQ(report.find("good: the spectrum resembles"), std::string::npos);
    }
}

Eigen::VectorXd Sine() {
    Eigen::VectorXd sine(66);
    for (int i = 0; i < 66; ++i)
        sine(i) = 10.0 * std::sin(2.0 * std::numbers::pi * i / 9.0);
    return sine;
}

INSTANTIATE_TEST_SUITE_P(
    FitQuality, SpectrumFlags,
    ::testing::Values(BadSpectrum{"zero", Eigen::VectorXd::Zero(66), "zero or flat"},
                      BadSpectrum{"half", 0.5 * Protein("MBH"), "intensity is far outside"},
                      // A delta-epsilon file read as mean residue ellipticity, then converted.
                      BadSpectrum{"deltaEpsilonAsEllipticity", Protein("MBH") / 3300.0,
                                  "zero or flat"},
                      BadSpectrum{"deltaEpsilonAsEllipticityHigh", 3300.0 * Protein("LYS"),
                                  "intensity is far outside"},
                      BadSpectrum{"sine", Sine(), "shape matches no reference protein"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FitQuality, ProteinSpectraPassTheCheck) {
    for (const char* code : {"MBH", "LYS", "UBIQ", "CONA"})
        EXPECT_EQ(SpectrumFlag(Sp175(), 240, Protein(code)), "") << code;
}

// Every NRMSD a report prints equals the NRMSD recomputed from the spectra the report lists.
TEST(FitQuality, ReportsPrintOneDefinition) {
    for (const std::string& report : Reports(0.9 * Protein("LYS"))) {
        const auto table = report.find("   nm   measured calculated");
        if (table == std::string::npos)
            continue;  // K2D gives a map distance, no NRMSD
        std::istringstream rows(report.substr(report.find('\n', table) + 1));
        double nm = 0, measured = 0, calculated = 0, off = 0, size = 0;
        while (rows >> nm >> measured >> calculated) {
            off += (measured - calculated) * (measured - calculated);
            size += measured * measured;
        }
        const double recomputed = std::sqrt(off / size);
        int printed = 0;
        for (auto at = report.find("NRMSD "); at != std::string::npos;
             at = report.find("NRMSD ", at + 1)) {
            double value = 0;
            if (std::istringstream(report.substr(at + 6, 8)) >> value) {
                EXPECT_NEAR(value, recomputed, 2e-3) << report.substr(at, 40);
                ++printed;
            }
        }
        // SELCON's summary column
        const auto fractions = report.find(selcon::FractionsLabel);
        if (fractions != std::string::npos) {
            const std::string line =
                report.substr(fractions, report.find('\n', fractions) - fractions);
            EXPECT_NEAR(std::stod(line.substr(line.size() - 5)), recomputed, 2e-3) << line;
            ++printed;
        }
        EXPECT_GE(printed, 2);
    }
}

// A reference protein's own spectrum gets its structure back: every report says so in the same
// words, naming the protein, its NRMSD and the set; a spectrum 10 % off it (NRMSD 0.1) does not.
TEST(FitQuality, AReferenceProteinsOwnSpectrumIsCalledANearDuplicate) {
    const std::string line = NearDuplicateLine(Sp175(), 240, Protein("LYS"));
    EXPECT_EQ(line,
              " Reference check: the spectrum is almost that of LYS (NRMSD 0.000) in the reference "
              "set SP175; the estimate repeats that protein's structure.");
    for (const std::string& report : Reports(Protein("LYS")))
        EXPECT_NE(report.find(line), std::string::npos) << report;
    // Rounded to two decimals as the exchange files carry it, cut to 240-190 nm: still LYS.
    const Eigen::VectorXd rounded = (Protein("LYS").head(51) * 100.0).array().round() / 100.0;
    EXPECT_NE(NearDuplicateLine(Sp175(), 240, rounded).find("LYS (NRMSD 0.00"), std::string::npos);
    EXPECT_EQ(NearDuplicateLine(Sp175(), 240, 0.9 * Protein("LYS")), "");
    for (const std::string& report : Reports(0.9 * Protein("LYS")))
        EXPECT_EQ(report.find(NearDuplicateLead), std::string::npos) << report;
}

// On IDP175 every report names the set, cites its paper and takes a disordered protein's
// spectrum for that protein's.
TEST(FitQuality, ReportsOnIdp175NameItAndItsDisorderedProteins) {
    ASSERT_EQ(Idp175().name, "IDP175");
    const auto mg14 = std::find(Idp175().codes.begin(), Idp175().codes.end(), "MG14");
    ASSERT_NE(mg14, Idp175().codes.end());
    const Eigen::VectorXd spectrum = Idp175().spectra.col(mg14 - Idp175().codes.begin());
    for (const std::string& report : Reports(spectrum, Idp175())) {
        EXPECT_NE(report.find("IDP175"), std::string::npos) << report;
        EXPECT_NE(report.find("Miles AJ, Drew ED, Wallace BA (2023)"), std::string::npos);
        EXPECT_NE(report.find("almost that of MG14 (NRMSD 0.000) in the reference set IDP175"),
                  std::string::npos)
            << report;
    }
}

}  // namespace
}  // namespace tavrelion::engines
