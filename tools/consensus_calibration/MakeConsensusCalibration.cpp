// Chooses the methods and weights of the consensus from every method's leave-one-out estimates
// of the reference proteins, for each reference set the methods can be built on, calibrates its
// intervals, and prints how well it does on proteins left out of everything fitted.
//
//   make_consensus_calibration DATA_FOLDER REFDATA_FOLDER CONSENSUS_HEADER SP175_TABLE IDP175_TABLE
//   make_consensus_calibration --from-table SP175_TABLE IDP175_TABLE CONSENSUS_HEADER
//
// The first form runs every method's leave-one-out with each set (about a minute) and writes the
// estimates to the tables; the second fits from such tables. DATA_FOLDER is the program's data
// folder (SP175.REF, s.ori, IDP175.REF, idp175/s.ori); REFDATA_FOLDER holds SP175/ and IDP175/,
// from which the basis sets of the least-squares fit are derived again without each protein.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

#include "ConsensusFit.h"
#include "LeaveOneOutTable.h"
#include "MethodLeaveOneOut.h"
#include "varselec/ScratchFolder.h"

namespace tavrelion::tools {
namespace {

constexpr int LowestWavelengths[] = {175, 190, 200};
const char* const ClassNames[] = {"helix", "sheet", "turn", "other"};

// The reference sets, each with its reference file and Varselec basis in the data folder.
struct SetFiles {
    const char* name;
    const char* references;
    const char* varselecBasis;
};
constexpr SetFiles Sets[] = {{"SP175", "SP175.REF", "s.ori"},
                             {"IDP175", "IDP175.REF", "idp175/s.ori"}};

std::vector<std::string> Notice(const std::string& set) {
    return {"Every method's leave-one-out estimates of the " + set +
                " reference proteins (each protein left",
            "out of the method's references), from which the consensus is fitted. Written by",
            "tools/consensus_calibration (make_consensus_calibration); do not edit by hand.",
            "Reference data: SP175, Lees JG, Miles AJ, Wien F, Wallace BA (2006) Bioinformatics",
            // One line of the notice, too long for one literal.
            // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
            "22:1955-1962; IDP175, Miles, Drew & Wallace (2023) Commun Biol, "
            "doi:10.1038/s42003-023-05178-2.",
            "MIT licence, Copyright (c) 2022 PCDDB: see data/LICENSE-REFDATA."};
}

std::string Fixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "-";
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

struct Calibration {
    std::string referenceSet;
    int lowestWavelength = 0;
    std::vector<std::string> methods;
    Eigen::MatrixXd weights;     // ClassCount x methods, rounded as written
    Eigen::Matrix2d halfWidths;  // helix, sheet x 68 %, 95 %
    NestedResult nested;
    // The weights fitted on all proteins judged on the same proteins: no cross-validation, a
    // bound that no weights >= 0 adding up to 1 beat on these estimates.
    Eigen::Vector2d inSampleRmsd;
};

Calibration Calibrate(const std::string& referenceSet, const LeaveOneOutTable& table) {
    Calibration calibration;
    calibration.referenceSet = referenceSet;
    calibration.lowestWavelength = table.lowestWavelength;
    std::vector<int> all(static_cast<std::size_t>(table.proteinCount()));
    std::iota(all.begin(), all.end(), 0);
    const Eigen::MatrixXd weights = FitWeights(table, all);
    for (int c = 0; c < 2; ++c) {
        Eigen::VectorXd estimates(table.proteinCount());
        for (int p = 0; p < table.proteinCount(); ++p) {
            estimates(p) = WeightedEstimate(table, weights, c, p);
        }
        calibration.inSampleRmsd(c) = Rmsd(estimates, table.known.row(c).transpose());
    }
    for (int m = 0; m < table.methodCount(); ++m) {
        const Eigen::VectorXd rounded = (weights.col(m) * 1000).array().round() / 1000;
        if (rounded.sum() > 0) {
            calibration.methods.push_back(table.methods[static_cast<std::size_t>(m)]);
            calibration.weights.conservativeResize(LeaveOneOutTable::ClassCount,
                                                   calibration.weights.cols() + 1);
            calibration.weights.rightCols(1) = rounded;
        }
    }
    calibration.nested = NestedLeaveOneOut(table);
    for (int c = 0; c < 2; ++c) {
        std::vector<double> errors;
        for (int p = 0; p < table.proteinCount(); ++p) {
            errors.push_back(std::fabs(calibration.nested.estimates(c, p) - table.known(c, p)));
        }
        for (int l = 0; l < 2; ++l) {
            calibration.halfWidths(c, l) = std::round(HalfWidth(errors, Levels[l]) * 1000) / 1000;
        }
    }
    return calibration;
}

void WriteHeader(const std::vector<Calibration>& calibrations, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    out << "// The consensus's methods, weights and interval half-widths for each analysed range.\n"
           "// Written by tools/consensus_calibration (make_consensus_calibration) from every\n"
           "// method's leave-one-out estimates of the reference proteins of each set; do not "
           "edit\n"
           "// by hand. Reference data: SP175, Lees JG, Miles AJ, Wien F, Wallace BA (2006)\n"
           "// Bioinformatics 22:1955-1962; IDP175, Miles, Drew & Wallace (2023) Commun Biol,\n"
           "// doi:10.1038/s42003-023-05178-2. MIT licence, Copyright (c) 2022 PCDDB: see\n"
           "// data/LICENSE-REFDATA.\n"
           "#pragma once\n\n"
           "namespace tavrelion::analysis {\n\n"
           "struct ConsensusWeight {\n"
           "    const char* referenceSet;  // the set every method was built on\n"
           "    int lowestWavelength;  // of the calibrated range, from 240 nm down\n"
           "    const char* method;\n"
           "    double helix;\n"
           "    double sheet;\n"
           "    double turn;\n"
           "    double other;\n"
           "};\n\n"
           "// Half-widths of the 68 % and 95 % intervals.\n"
           "struct ConsensusHalfWidths {\n"
           "    const char* referenceSet;\n"
           "    int lowestWavelength;\n"
           "    double helix68;\n"
           "    double sheet68;\n"
           "    double helix95;\n"
           "    double sheet95;\n"
           "};\n\n"
           "// clang-format off\n"
           "inline constexpr ConsensusWeight ConsensusWeights[] = {\n";
    for (const Calibration& calibration : calibrations) {
        for (std::size_t m = 0; m < calibration.methods.size(); ++m) {
            out << "    {\"" << calibration.referenceSet << "\", " << calibration.lowestWavelength
                << ", \"" << calibration.methods[m] << "\"";
            for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
                out << ", " << Fixed(calibration.weights(c, static_cast<Eigen::Index>(m)), 3);
            }
            out << "},\n";
        }
    }
    out << "};\n\ninline constexpr ConsensusHalfWidths ConsensusIntervals[] = {\n";
    for (const Calibration& calibration : calibrations) {
        const Eigen::Matrix2d& h = calibration.halfWidths;
        out << "    {\"" << calibration.referenceSet << "\", " << calibration.lowestWavelength
            << ", " << Fixed(h(0, 0), 3) << ", " << Fixed(h(1, 0), 3) << ", " << Fixed(h(0, 1), 3)
            << ", " << Fixed(h(1, 1), 3) << "},\n";
    }
    out << "};\n// clang-format on\n\n}  // namespace tavrelion::analysis\n";
}

void PrintFigures(const LeaveOneOutTable& table, const Calibration& calibration) {
    std::cout << "\n### " << calibration.referenceSet << ", 240-" << table.lowestWavelength
              << " nm\n\n"
              << "| Method | Helix | Sheet | Turn | Other | Proteins without estimate | Weights "
                 "(helix / sheet / turn / other) |\n|---|---|---|---|---|---|---|\n";
    for (int m = 0; m < table.methodCount(); ++m) {
        const auto& name = table.methods[static_cast<std::size_t>(m)];
        const auto& estimates = table.estimates[static_cast<std::size_t>(m)];
        std::cout << "| " << name;
        int used = 0;
        for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
            int n = 0;
            std::cout << " | "
                      << Fixed(
                             Rmsd(estimates.row(c).transpose(), table.known.row(c).transpose(), &n),
                             3);
            used = std::max(used, n);
        }
        std::cout << " | " << table.proteinCount() - used << " | ";
        const auto chosen = std::find(calibration.methods.begin(), calibration.methods.end(), name);
        if (chosen != calibration.methods.end()) {
            const auto column = chosen - calibration.methods.begin();
            for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
                std::cout << (c > 0 ? " / " : "") << Fixed(calibration.weights(c, column), 3);
            }
        }
        std::cout << " |\n";
    }
    const NestedResult& nested = calibration.nested;
    int used = 0;
    std::cout << "| Consensus (nested)";
    for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
        int n = 0;
        std::cout << " | "
                  << Fixed(Rmsd(nested.estimates.row(c).transpose(), table.known.row(c).transpose(),
                                &n),
                           3);
        used = std::max(used, n);
    }
    std::cout << " | " << table.proteinCount() - used << " | |\n\n"
              << "Weights fitted and judged on all proteins (no cross-validation, a bound): helix "
              << Fixed(calibration.inSampleRmsd(0), 3) << ", sheet "
              << Fixed(calibration.inSampleRmsd(1), 3) << "\n";
    for (int c = 0; c < 2; ++c) {
        std::cout << "Nested coverage, " << ClassNames[c] << ": 68 % interval "
                  << Fixed(100 * nested.coverage(c, 0), 1) << " % (mean half-width "
                  << Fixed(nested.meanHalfWidth(c, 0), 3) << "), 95 % interval "
                  << Fixed(100 * nested.coverage(c, 1), 1) << " % (mean half-width "
                  << Fixed(nested.meanHalfWidth(c, 1), 3) << "); shipped half-widths "
                  << Fixed(calibration.halfWidths(c, 0), 3) << " / "
                  << Fixed(calibration.halfWidths(c, 1), 3) << "\n";
    }
}

int Run(const std::vector<std::string>& args) {
    constexpr std::size_t SetCount = std::size(Sets);
    std::vector<std::vector<LeaveOneOutTable>> tables(SetCount);
    std::filesystem::path header;
    if (args.size() == SetCount + 2 && args[0] == "--from-table") {
        for (std::size_t s = 0; s < SetCount; ++s) {
            tables[s] = ReadLeaveOneOutTables(args[1 + s]);
        }
        header = args.back();
    } else if (args.size() == SetCount + 3) {
        const std::filesystem::path data = args[0];
        header = args[2];
        for (std::size_t s = 0; s < SetCount; ++s) {
            const engines::varselec::ScratchFolder work("consensus-calibration");
            LeaveOneOutSources sources{engines::LoadReferenceSet(data / Sets[s].references),
                                       data / Sets[s].varselecBasis,
                                       args[1],
                                       work.path(),
                                       {}};
            for (const int lowest : LowestWavelengths) {
                tables[s].push_back(CollectLeaveOneOut(sources, lowest));
            }
            WriteLeaveOneOutTables(tables[s], Notice(Sets[s].name), args[3 + s]);
        }
    } else {
        std::cerr << "usage: make_consensus_calibration DATA_FOLDER REFDATA_FOLDER "
                     "CONSENSUS_HEADER SP175_TABLE IDP175_TABLE\n"
                     "       make_consensus_calibration --from-table SP175_TABLE IDP175_TABLE "
                     "CONSENSUS_HEADER\n";
        return 2;
    }
    std::vector<Calibration> calibrations;
    for (std::size_t s = 0; s < SetCount; ++s) {
        for (const LeaveOneOutTable& table : tables[s]) {
            calibrations.push_back(Calibrate(Sets[s].name, table));
            PrintFigures(table, calibrations.back());
        }
    }
    WriteHeader(calibrations, header);
    return 0;
}

}  // namespace
}  // namespace tavrelion::tools

int main(int argc, char** argv) {
    try {
        return tavrelion::tools::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "make_consensus_calibration: " << error.what() << '\n';
        return 1;
    }
}
