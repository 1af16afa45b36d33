// Leave-one-out cross-validation of the Varselec engine on the SP175 reference set:
//   varselec_crossvalidate [--removed k] [--low nm] [--high nm] [--list]
//                          [--singular-vectors r] [--sum-rule-weight w]
//                          [--reference SP175.REF] [--basis s.ori]
// Each of the 71 proteins is analysed as a user would (driver files, engine, the analysis's
// average with bounds 10-110 %), left out of the basis when it is one of its 33 proteins.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "varselec/LeaveOneOut.h"
#include "varselec/ScratchFolder.h"

namespace {

namespace varselec = tavrelion::engines::varselec;

struct Options {
    varselec::CrossValidationSettings settings;
    std::filesystem::path reference =
        std::filesystem::path(TAVRELION_SOURCE_DIR) / "data" / "SP175.REF";
    std::filesystem::path basis = std::filesystem::path(TAVRELION_SOURCE_DIR) / "data" / "s.ori";
    bool list = false;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--list") {
            options.list = true;
        } else if (option == "--removed" && hasValue) {
            options.settings.removed = std::stoi(argv[++i]);
        } else if (option == "--low" && hasValue) {
            options.settings.lowWavelength = std::stoi(argv[++i]);
        } else if (option == "--high" && hasValue) {
            options.settings.highWavelength = std::stoi(argv[++i]);
        } else if (option == "--singular-vectors" && hasValue) {
            options.settings.fit.singularVectors = std::stoi(argv[++i]);
        } else if (option == "--sum-rule-weight" && hasValue) {
            options.settings.fit.sumRuleWeight = std::stod(argv[++i]);
        } else if (option == "--reference" && hasValue) {
            options.reference = argv[++i];
        } else if (option == "--basis" && hasValue) {
            options.basis = argv[++i];
        } else {
            throw std::invalid_argument("unknown option " + option);
        }
    }
    return options;
}

// A working folder of its own, removed at the end whatever happens.
void PrintTable(const varselec::CrossValidation& result, const Options& options) {
    const auto& s = options.settings;
    std::printf(
        "Leave-one-out, %zu proteins, %d-%d nm, k = %d, bounds %g-%g %%, %d singular "
        "vectors, sum-rule weight %g\n",
        result.proteins.size(), s.highWavelength, s.lowWavelength, s.removed, s.lowPercent,
        s.highPercent, s.fit.singularVectors, s.fit.sumRuleWeight);
    std::printf("Proteins without an accepted solution: %d\n", result.withoutEstimate);
    const char* names[] = {"helix", "sheet", "turn", "other"};
    std::printf("%-6s  %6s  %6s\n", "class", "RMSD", "r");
    for (int c = 0; c < 4; ++c) {
        std::printf("%-6s  %6.3f  %6.2f\n", names[c],
                    result.scores[static_cast<std::size_t>(c)].rmsd,
                    result.scores[static_cast<std::size_t>(c)].correlation);
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = ParseOptions(argc, argv);
        const auto set = tavrelion::engines::LoadReferenceSet(options.reference);
        const varselec::ScratchFolder work("varselec-crossvalidation");
        const auto result =
            varselec::LeaveOneOut(set, options.basis, work.path(), options.settings);
        if (options.list) {
            for (const auto& p : result.proteins) {
                std::printf("%-5s %s accepted %6ld  helix %.2f/%.3f  sheet %.2f/%.3f\n",
                            p.code.c_str(), p.inBasis ? "basis" : "     ", p.accepted, p.known[0],
                            p.estimated[0], p.known[1], p.estimated[1]);
            }
        }
        PrintTable(result, options);
    } catch (const std::exception& error) {
        std::cerr << "varselec_crossvalidate: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
