// Every input the fuzzers found worth keeping, replayed: none breaks a rule of its target, and
// each ends as its name says ("refused-..." or "accepted-...").
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "FuzzTargets.h"

namespace tavrelion::fuzz {
namespace {

struct Target {
    const char* folder;
    Outcome (*run)(std::string_view);
};

void PrintTo(const Target& target, std::ostream* out) {
    *out << target.folder;
}

class CorpusReplayTest : public testing::TestWithParam<Target> {};

TEST_P(CorpusReplayTest, EachInputEndsAsItsNameSays) {
    const auto folder =
        std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests" / "corpus" / GetParam().folder;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        const std::string name = entry.path().filename().string();
        const Outcome outcome = GetParam().run(bytes);
        if (name.starts_with("refused-")) {
            EXPECT_EQ(outcome, Outcome::Refused) << name;
        } else if (name.starts_with("accepted-")) {
            EXPECT_EQ(outcome, Outcome::Accepted) << name;
        }
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, CorpusReplayTest,
    testing::Values(Target{"cd6", FuzzCd6}, Target{"cdmax", FuzzCdmax}, Target{"jcd", FuzzJcd},
                    Target{"tvr", FuzzTvr}, Target{"columns", FuzzColumns},
                    Target{"datacd", FuzzDataCd}, Target{"referencefile", FuzzReferenceFile},
                    Target{"weightsfile", FuzzWeightsFile}, Target{"basisfile", FuzzBasisFile},
                    Target{"structuredata", FuzzStructureData}, Target{"k2dinput", FuzzK2dInput},
                    Target{"selcon2input", FuzzSelcon2Input},
                    Target{"selcon3input", FuzzSelcon3Input},
                    Target{"contininput", FuzzContinInput},
                    Target{"varselecspectrum", FuzzVarselecSpectrum},
                    Target{"varselecsolutions", FuzzVarselecSolutions}),
    [](const testing::TestParamInfo<Target>& testCase) {
        return std::string(testCase.param.folder);
    });

}  // namespace
}  // namespace tavrelion::fuzz
