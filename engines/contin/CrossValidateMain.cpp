// contin_crossvalidate: leave-one-out check of the CONTIN engine on the reference set, at
// 240-175 nm and 240-190 nm (what the driver sends). Prints RMSD and correlation per class.
//   contin_crossvalidate [reference file] [--smallest k] [--step s] [--range high low] [--proteins]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "common/ReferenceSet.h"
#include "contin/CrossValidation.h"

namespace {

using tavrelion::engines::ReferenceSet;
using namespace tavrelion::engines::contin;

void PrintProteins(const ReferenceSet& set, const CrossValidation& result) {
    std::printf("  protein  helix (known)  sheet (known)  turn (known)  other (known)\n");
    for (int p = 0; p < set.proteinCount(); ++p) {
        std::printf("  %-7s", set.codes[static_cast<std::size_t>(p)].c_str());
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            std::printf("  %5.3f (%4.2f)", result.estimated(c, p), set.fractions(c, p));
        }
        std::printf("\n");
    }
}

void PrintTable(const ReferenceSet& set, int high, int low, const AnalysisSettings& settings,
                bool perProtein) {
    const CrossValidation result = LeaveOneOut(set, high, low, settings);
    const char* names[] = {"helix", "sheet", "turn", "other"};
    std::printf("%d-%d nm, %d proteins, leave-one-out\n", high, low, set.proteinCount());
    std::printf("  class   RMSD   correlation\n");
    for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
        const auto& score = result.classes[static_cast<std::size_t>(c)];
        std::printf("  %-6s %6.3f %8.3f\n", names[c], score.rmsd, score.correlation);
    }
    if (perProtein) {
        PrintProteins(set, result);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string file = TAVRELION_REFERENCE_FILE;
    AnalysisSettings settings;
    std::vector<std::pair<int, int>> ranges;
    bool perProtein = false;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string argument = argv[i];
            const bool hasValue = i + 1 < argc;
            if (argument == "--smallest" && hasValue) {
                settings.smallestSubset = std::stoi(argv[++i]);
            } else if (argument == "--step" && hasValue) {
                settings.subsetStep = std::stoi(argv[++i]);
            } else if (argument == "--proteins") {
                perProtein = true;
            } else if (argument == "--range" && i + 2 < argc) {
                ranges.emplace_back(std::stoi(argv[i + 1]), std::stoi(argv[i + 2]));
                i += 2;
            } else {
                file = argument;
            }
        }
        const ReferenceSet set = tavrelion::engines::LoadReferenceSet(file);
        if (ranges.empty()) {
            ranges = {{240, 175}, {240, 190}};
        }
        for (const auto& [high, low] : ranges) {
            PrintTable(set, high, low, settings, perProtein);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "contin_crossvalidate: %s\n", error.what());
        return 1;
    }
    return 0;
}
