#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "varselec/SubsetFitter.h"

namespace tavrelion::engines::varselec {

struct CrossValidationSettings {
    int removed = 2;  // k of the reference choice dialog (its default)
    int highWavelength = 240;
    int lowWavelength = 178;
    double lowPercent = 10.0;  // bounds of the analysis (its defaults)
    double highPercent = 110.0;
    FitSettings fit;  // the engine's own settings unless a study changes them
};

struct ProteinEstimate {
    std::string code;
    bool inBasis = false;
    long accepted = 0;                  // solutions accepted by the analysis
    std::array<double, 4> known{};      // helix, sheet, turn, other of the crystal structure
    std::array<double, 4> estimated{};  // the analysis's average (sheet: antiparallel column)
};

struct ClassScore {
    double rmsd = 0.0;
    double correlation = 0.0;
};

struct CrossValidation {
    std::vector<ProteinEstimate> proteins;
    std::array<ClassScore, 4> scores{};  // over the proteins with an estimate
    int withoutEstimate = 0;
};

// Leave-one-out over every protein of the reference set, the way a user would run it: the
// protein's spectrum (times 3300, as the program holds it) goes through the driver's exchange
// files into a run of the engine in workFolder, with the protein deselected when it is one of the
// basis proteins of basisFile (s.ori), and COMB2.OP is averaged as the analysis does.
CrossValidation LeaveOneOut(const ReferenceSet& set, const std::filesystem::path& basisFile,
                            const std::filesystem::path& workFolder,
                            const CrossValidationSettings& settings);

}  // namespace tavrelion::engines::varselec
