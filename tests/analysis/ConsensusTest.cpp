#include "analysis/Consensus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "AnalysisTestFiles.h"
#include "ConsensusFit.h"
#include "LeaveOneOutTable.h"
#include "analysis/ConsensusCalibration.h"

namespace tavrelion::analysis {
namespace {

using testing_support::MethodFractions;

constexpr const char* Sp175 = "SP175";

std::vector<const ConsensusWeight*> WeightsOf(int lowest, const std::string& set = Sp175) {
    std::vector<const ConsensusWeight*> weights;
    for (const ConsensusWeight& w : ConsensusWeights) {
        if (w.lowestWavelength == lowest && w.referenceSet == set) {
            weights.push_back(&w);
        }
    }
    return weights;
}

const ConsensusHalfWidths& HalfWidthsOf(int lowest, const std::string& set = Sp175) {
    for (const ConsensusHalfWidths& h : ConsensusIntervals) {
        if (h.lowestWavelength == lowest && h.referenceSet == set) {
            return h;
        }
    }
    throw std::logic_error("no calibration");
}

// Every chosen method saying the same gives that, whatever the weights; the methods outside
// the consensus and the duplicates of a method change nothing; the interval is the calibrated
// half-width of the range the spectrum reaches in full.
TEST(Consensus, AgreeingMethodsGiveTheirFractionsWithTheRangesHalfWidths) {
    const struct {
        int shortest;
        int calibrated;
    } cases[] = {{175, 175}, {178, 190}, {190, 190}, {195, 200}, {200, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortest);
        std::vector<MethodResult> methods = {MethodFractions("Unknown method", 0.9, 0.9, 0.9, 0.9)};
        for (const ConsensusWeight* w : WeightsOf(c.calibrated)) {
            methods.push_back(MethodFractions(w->method, 0.40, 0.25, 0.15, 0.20));
            methods.push_back(
                MethodFractions(w->method, 0.9, 0.9, 0.9, 0.9));  // a second run: ignored
        }
        const ConsensusResult result = ConsensusOf(methods, c.shortest, Sp175);
        ASSERT_TRUE(result.available) << result.reason;
        EXPECT_NEAR(result.helix, 0.40, 1e-12);
        EXPECT_NEAR(result.sheet, 0.25, 1e-12);
        EXPECT_NEAR(result.turn, 0.15, 1e-12);
        EXPECT_NEAR(result.other, 0.20, 1e-12);
        EXPECT_NEAR(result.total, 1.0, 1e-12);
        const ConsensusHalfWidths& h = HalfWidthsOf(c.calibrated);
        EXPECT_NEAR(result.helix68.low, 0.40 - h.helix68, 1e-12);
        EXPECT_NEAR(result.helix68.high, 0.40 + h.helix68, 1e-12);
        EXPECT_NEAR(result.sheet95.high, 0.25 + h.sheet95, 1e-12);
        EXPECT_LT(result.helix68.high - result.helix68.low,
                  result.helix95.high - result.helix95.low);
    }
}

// One method apart from the others moves the consensus by its weight.
TEST(Consensus, EachMethodCountsByItsWeight) {
    const auto weights = WeightsOf(175);
    double helixTotal = 0;
    for (const ConsensusWeight* w : weights) {
        helixTotal += w->helix;
    }
    for (const ConsensusWeight* odd : weights) {
        SCOPED_TRACE(odd->method);
        std::vector<MethodResult> methods;
        for (const ConsensusWeight* w : weights) {
            methods.push_back(w == odd ? MethodFractions(w->method, 0.6, 0.1, 0.1, 0.2)
                                       : MethodFractions(w->method, 0.3, 0.1, 0.1, 0.2));
        }
        const ConsensusResult result = ConsensusOf(methods, 175, Sp175);
        ASSERT_TRUE(result.available);
        EXPECT_NEAR(result.helix, 0.3 + 0.3 * odd->helix / helixTotal, 1e-12);
    }
}

TEST(Consensus, TooFewMethodsOrTooShortASpectrumGiveNoConsensusAndSayWhy) {
    const auto weights = WeightsOf(175);
    // The method of largest helix weight alone, and everyone but it.
    const auto heaviest = *std::max_element(weights.begin(), weights.end(),
                                            [](auto a, auto b) { return a->helix < b->helix; });
    std::vector<MethodResult> withoutHeaviest, onlyLight;
    for (const ConsensusWeight* w : weights) {
        if (w != heaviest) {
            withoutHeaviest.push_back(MethodFractions(w->method, 0.3, 0.2, 0.1, 0.4));
            onlyLight.push_back(MethodFractions(w->method, NAN, 0.2, 0.1, 0.4));  // not a result
        }
    }
    onlyLight.push_back(MethodFractions(heaviest->method, 0.3, 0.2, 0.1, 0.4));
    // Methods carrying less than half of any class's weight: no consensus, the missing named.
    for (const auto* methods : {&withoutHeaviest, &onlyLight}) {
        double present[4] = {}, total[4] = {};
        for (const ConsensusWeight* w : weights) {
            const double share[4] = {w->helix, w->sheet, w->turn, w->other};
            const auto m = std::find_if(methods->begin(), methods->end(),
                                        [&](auto& r) { return r.method == w->method; });
            for (int c = 0; c < 4; ++c) {
                const bool given = m != methods->end() && std::isfinite(c == 0   ? m->helix
                                                                        : c == 1 ? m->sheet
                                                                                 : 0.0);
                total[c] += share[c];
                present[c] += given ? share[c] : 0;
            }
        }
        bool enough = true;
        for (int c = 0; c < 4; ++c) {
            enough = enough && present[c] >= 0.5 * total[c];
        }
        const ConsensusResult result = ConsensusOf(*methods, 175, Sp175);
        EXPECT_EQ(result.available, enough) << result.reason;
        if (!enough) {
            EXPECT_NE(result.reason.find("gave no result"), std::string::npos) << result.reason;
        }
    }
    const ConsensusResult none = ConsensusOf({}, 175, Sp175);
    EXPECT_FALSE(none.available);
    EXPECT_NE(none.reason.find(weights.front()->method), std::string::npos) << none.reason;

    const ConsensusResult shortSpectrum =
        ConsensusOf({MethodFractions("K2D", 0.3, 0.2, 0, 0.5)}, 205, Sp175);
    EXPECT_FALSE(shortSpectrum.available);
    EXPECT_EQ(shortSpectrum.reason,
              "the spectrum stops at 205 nm; the consensus needs it down to 200 nm at least");
    const ConsensusResult otherSet = ConsensusOf(withoutHeaviest, 175, "CDPRO43");
    EXPECT_FALSE(otherSet.available);
    EXPECT_EQ(otherSet.reason, "the consensus is not calibrated with the reference set CDPRO43");
}

TEST(Consensus, IntervalsStayWithinZeroAndOne) {
    for (const double helix : {0.01, 0.98}) {
        std::vector<MethodResult> methods;
        for (const ConsensusWeight* w : WeightsOf(175)) {
            methods.push_back(MethodFractions(w->method, helix, 0.99 - helix, 0.005, 0.005));
        }
        const ConsensusResult result = ConsensusOf(methods, 175, Sp175);
        ASSERT_TRUE(result.available);
        for (const FractionInterval& i :
             {result.helix68, result.helix95, result.sheet68, result.sheet95}) {
            EXPECT_GE(i.low, 0.0);
            EXPECT_LE(i.high, 1.0);
            EXPECT_LT(i.low, i.high);
        }
        EXPECT_EQ(helix < 0.5 ? result.helix95.low : result.helix95.high, helix < 0.5 ? 0.0 : 1.0);
    }
}

// The methods' own leave-one-out estimates of the 71 proteins of each reference set (written by
// make_consensus_calibration): with weights and half-widths fitted without each protein, the
// true fraction lies inside its 68 % interval for 68 +- 5 % of the proteins and inside its 95 %
// interval for 95 +- 4 %; and the shipped consensus, given those estimates, matches the
// calibration's own RMSD and coverage.
class ConsensusLeaveOneOut : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(ConsensusLeaveOneOut, IntervalsHoldTheTrueFractionAsOftenAsTheySay) {
    const auto [set, file] = GetParam();
    const auto tables =
        tools::ReadLeaveOneOutTables(std::string(TAVRELION_SOURCE_DIR) + "/tests/analysis/" + file);
    ASSERT_EQ(tables.size(), 3u);
    for (const tools::LeaveOneOutTable& table : tables) {
        SCOPED_TRACE(table.lowestWavelength);
        ASSERT_EQ(table.proteinCount(), 71);
        const tools::NestedResult nested = tools::NestedLeaveOneOut(table);
        for (int c = 0; c < 2; ++c) {
            EXPECT_NEAR(nested.coverage(c, 0), 0.68, 0.05);
            EXPECT_NEAR(nested.coverage(c, 1), 0.95, 0.04);
        }
        // The shipped consensus on the same estimates.
        const ConsensusHalfWidths& h = HalfWidthsOf(table.lowestWavelength, set);
        int inside68[2] = {}, inside95[2] = {}, available = 0;
        for (int p = 0; p < table.proteinCount(); ++p) {
            std::vector<MethodResult> methods;
            for (int m = 0; m < table.methodCount(); ++m) {
                const auto& e = table.estimates[static_cast<std::size_t>(m)];
                // K2D and the three-class sets give no separate turn and other (NaN).
                methods.push_back(MethodFractions(table.methods[static_cast<std::size_t>(m)],
                                                  e(0, p), e(1, p), e(2, p), e(3, p)));
            }
            const ConsensusResult r = ConsensusOf(methods, table.lowestWavelength, set);
            if (!r.available) {
                continue;
            }
            ++available;
            const double known[2] = {table.known(0, p), table.known(1, p)};
            const FractionInterval i68[2] = {r.helix68, r.sheet68};
            const FractionInterval i95[2] = {r.helix95, r.sheet95};
            for (int c = 0; c < 2; ++c) {
                inside68[c] += i68[c].low <= known[c] && known[c] <= i68[c].high ? 1 : 0;
                inside95[c] += i95[c].low <= known[c] && known[c] <= i95[c].high ? 1 : 0;
            }
        }
        EXPECT_GE(available, 69);
        for (int c = 0; c < 2; ++c) {
            EXPECT_NEAR(inside68[c] / double(available), 0.68, 0.07);
            EXPECT_GE(inside95[c] / double(available), 0.93);
        }
        EXPECT_GT(h.helix95, h.helix68);
    }
}

INSTANTIATE_TEST_SUITE_P(EachReferenceSet, ConsensusLeaveOneOut,
                         testing::Values(std::make_pair("SP175", "consensus-leave-one-out.txt"),
                                         std::make_pair("IDP175",
                                                        "consensus-leave-one-out-idp175.txt")),
                         [](const auto& param) { return std::string(param.param.first); });

}  // namespace
}  // namespace tavrelion::analysis
