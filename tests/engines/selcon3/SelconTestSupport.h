#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "fakes/TemporaryFolder.h"
#include "store/SpectrumStore.h"

// What the tests of both SELCON programs share: spectra of reference proteins as the main
// program holds them, running a built program in a folder, and the summary line the main
// program cuts from a report.
namespace tavrelion::engines::selcon::testing {

inline const std::filesystem::path DataFolder =
    std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

inline const ReferenceSet& Sp175() {
    static const ReferenceSet set = LoadReferenceSet(DataFolder / ReferenceFileName);
    return set;
}

inline int ProteinOf(const std::string& code) {
    const auto& codes = Sp175().codes;
    return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

// The main program's current spectrum from first to last nm: the protein's delta epsilon x 3300
// (mean residue ellipticity) where the reference data have it, zero outside.
inline std::unique_ptr<store::SpectrumStore> StoreOfProtein(const std::string& code, int first,
                                                            int last) {
    const ReferenceSet& set = Sp175();
    const int protein = ProteinOf(code);
    auto spectrum = std::make_unique<store::SpectrumStore>();
    spectrum->SpectrumFileName = "C:\\DATA\\" + code + ".ASC";
    spectrum->PointCount = static_cast<store::Int16>(last - first + 1);
    spectrum->FirstWavelength = static_cast<store::Int16>(first);
    spectrum->LastWavelength = static_cast<store::Int16>(last);
    for (int i = 1; i <= spectrum->PointCount; ++i) {
        const int nm = first + i - 1;
        spectrum->SpectrumWavelength(i) = static_cast<store::Int16>(nm);
        spectrum->SpectrumValue(i) =
            set.covers(nm) ? 3300.0 * set.spectra(set.rowOfWavelength(nm), protein) : 0.0;
    }
    return spectrum;
}

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not end normally (a crash)
    std::string errors;
    std::string report;  // empty when none was written
};

// Runs a built program with folder as its working folder and no console input, as the main
// program does; leaveOut names a reference protein to leave out.
inline ProgramRun RunProgram(const std::string& program, const std::filesystem::path& folder,
                             const std::string& reportName, const std::string& leaveOut = "",
                             const std::string& argument = "CON") {
    const std::string check = leaveOut.empty() ? "" : " --leave-out '" + leaveOut + "'";
    const std::string command = "cd '" + folder.string() + "' && '" + program + "' " + argument +
                                check + " < /dev/null > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = testing_support::ReadBytes(folder / "stderr.txt");
    if (std::filesystem::exists(folder / reportName))
        run.report = testing_support::ReadBytes(folder / reportName);
    return run;
}

inline void CopyData(const std::filesystem::path& folder, const std::string& name,
                     const std::string& as = "") {
    std::filesystem::copy_file(DataFolder / name, folder / (as.empty() ? name : as));
}

// The lines of a file as the main program reads them: without CR LF.
inline std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline constexpr const char* SummaryHeader =
    "                          HELIX  BETA  TURN   PP2    OTHERS  F-Sum CDRMS";

// A piece of a summary line by 1-based columns, cut at the line's end.
inline std::string Columns(const std::string& line, int first, int last) {
    if (static_cast<int>(line.size()) < first)
        return "";
    return line.substr(static_cast<std::size_t>(first - 1),
                       static_cast<std::size_t>(last - first + 1));
}

// The line the main program appends to its summary: prefix + the source line without its first
// drop characters and its last one.
inline std::string SummaryLineOf(const std::string& prefix, const std::string& source, int drop) {
    const std::string cut =
        static_cast<int>(source.size()) > drop ? source.substr(static_cast<std::size_t>(drop)) : "";
    return prefix + (cut.empty() ? cut : cut.substr(0, cut.size() - 1));
}

// Each value's columns in the summary: it ends where its heading ends.
struct SummaryField {
    const char* name;
    int first;
    int last;
};
inline constexpr SummaryField SummaryFields[] = {{"helix", 27, 31}, {"sheet", 33, 37},
                                                 {"turn", 39, 43},  {"other", 55, 59},
                                                 {"sum", 62, 66},   {"NRMSD", 68, 72}};

inline bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace tavrelion::engines::selcon::testing
