#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "analysis/MethodResult.h"
#include "fakes/FakeAnalysis.h"

namespace tavrelion::testing_support {

// A method's result with only its fractions and their total.
inline analysis::MethodResult MethodFractions(const std::string& method, double helix, double sheet,
                                              double turn, double other) {
    analysis::MethodResult m;
    m.method = method;
    m.helix = helix;
    m.sheet = sheet;
    m.turn = turn;
    m.other = other;
    m.total = helix + sheet + turn + other;
    return m;
}

inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// s.ori: 33 proteins, each a name line and 83 data lines.
inline std::string BasisFile() {
    std::vector<std::string> lines;
    for (int p = 1; p <= 33; ++p) {
        lines.push_back("Protein number " + std::to_string(p));
        for (int w = 178; w <= 260; ++w) {
            lines.push_back(w <= 240 ? "  -1.50000" : "  no data");
        }
    }
    return CrLf(lines);
}

// One solution line of a Varselec solutions file as the list analysis reads it: the
// combination number in 8 characters, the five fractions from column 10 in fields of 6, the
// total at column 42 and the proteins used from column 63, three characters each.
inline std::string SolutionLine(int number, const std::vector<double>& fractions, double total,
                                const std::vector<int>& proteins) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%8d ", number);
    std::string line = buffer;
    for (double fraction : fractions) {
        std::snprintf(buffer, sizeof buffer, "%6.3f", fraction);
        line += buffer;
    }
    line += "       ";  // columns 40..41 and the blank before the total
    line.resize(41, ' ');
    std::snprintf(buffer, sizeof buffer, "%5.3f", total);
    line += buffer;
    line.resize(62, ' ');
    for (int protein : proteins) {
        std::snprintf(buffer, sizeof buffer, "%2d ", protein);
        line += buffer;
    }
    return line;
}

namespace fs = std::filesystem;

inline void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// The closing lines of the SELCON and CONTIN reports: the fit quality and the back-calculated
// spectrum, here on three wavelengths.
inline std::vector<std::string> FitTail() {
    return {"",
            " Fit quality: NRMSD 0.030, good",
            "   nm   measured calculated",
            "  240     -1.000     -0.990",
            "  239     -2.000     -1.950",
            "  238     -3.000     -2.900"};
}

inline std::vector<std::string> WithFitTail(std::vector<std::string> lines) {
    for (std::string& line : FitTail()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

// Small stand-ins for the five programs: each writes an output with the lines the summary and the
// table read.
inline std::map<std::string, FakeAnalysisHost::Engine> FakeEngines() {
    std::map<std::string, FakeAnalysisHost::Engine> engines;
    engines["selcon2.exe"] = [](const fs::path& folder) {
        Write(folder / "output", CrLf(WithFitTail({"SELCON2", " Average solution from above set",
                                                   "          0.30 0.20 0.10 0.40 1.00 0.03 "})));
    };
    engines["selcon3_mod.exe"] = [](const fs::path& folder) {
        Write(folder / "protein.ssc",
              CrLf(WithFitTail({"SELCON3", "  Fractions: 0.31 0.21 0.11 0.37 1.00 0.03 "})));
    };
    engines["K2D.EXE"] = [](const fs::path& folder) {
        Write(folder / "TAUX.TXT",
              CrLf({"K2D", "Fit quality:        good: the spectrum resembles the reference.",
                    "  ALPHA helix ...... 0.45", "  BETA sheet ....... 0.12",
                    "  Random coil (turn and other) ... 0.43"}));
    };
    engines["CONTIN.EXE"] = [](const fs::path& folder) {
        std::string fractions(60, ' ');
        fractions.replace(2, 8, "FRACTION");
        fractions.replace(23, 6, " 0.333");
        fractions.replace(37, 5, "0.222");
        fractions.replace(50, 6, " 0.444");
        Write(folder / "CONTIN.CNT",
              CrLf(WithFitTail(
                  {"CONTIN", "++  CHOSEN SOLUTION  ", fractions,
                   "   helix 0.333   sheet 0.222   turn 0.200   other 0.244   sum 0.999"})));
    };
    engines["varslc1.exe"] = [](const fs::path& folder) {
        std::vector<int> proteins;
        for (int p = 3; p <= 33; ++p)
            proteins.push_back(p);
        Write(folder / "COMB2.OP",
              CrLf({" Varselec, combination: 33 proteins",
                    SolutionLine(1, {0.40, 0.20, 0.0, 0.10, 0.30}, 1.0, proteins),
                    SolutionLine(2, {0.30, 0.20, 0.0, 0.10, 0.40}, 1.0, proteins)}));
    };
    return engines;
}

}  // namespace tavrelion::testing_support
