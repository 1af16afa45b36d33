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

namespace tavrelion::engines::contin::testing {

inline const std::filesystem::path DataFolder =
    std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

inline const ReferenceSet& Sp175() {
    static const ReferenceSet set = LoadReferenceSet(DataFolder / ReferenceFileName);
    return set;
}

inline int ProteinIndex(const std::string& code) {
    const auto& codes = Sp175().codes;
    return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

// The main program's current spectrum from first to last nm: a reference protein's delta epsilon
// x 3300 (mean residue ellipticity) where the reference data have it, zero outside.
inline std::unique_ptr<store::SpectrumStore> ReferenceSpectrum(const std::string& code, int first,
                                                               int last) {
    const ReferenceSet& set = Sp175();
    const int protein = ProteinIndex(code);
    auto spectrum = std::make_unique<store::SpectrumStore>();
    spectrum->PointCount = static_cast<store::Int16>(last - first + 1);
    for (int i = 1; i <= spectrum->PointCount; ++i) {
        const int nm = first + i - 1;
        spectrum->SpectrumWavelength(i) = static_cast<store::Int16>(nm);
        spectrum->SpectrumValue(i) =
            set.covers(nm) ? 3300.0 * set.spectra(set.rowOfWavelength(nm), protein) : 0.0;
    }
    return spectrum;
}

struct ProgramRun {
    int exitCode = -1;
    std::string errors;
    std::string report;  // CONTIN.CNT, empty when none was written
};

// Runs the built CONTIN.EXE with folder as its working folder, as the main program does, with
// no console input; leaveOut names a reference protein to leave out. The program reads SP175.REF
// from its own folder: program names a copy installed elsewhere.
inline ProgramRun RunProgram(const std::filesystem::path& folder, const std::string& argument,
                             const std::string& leaveOut = "",
                             const std::string& program = CONTIN_PROGRAM) {
    const std::string check = leaveOut.empty() ? "" : " --leave-out '" + leaveOut + "'";
    const std::string command = "cd '" + folder.string() + "' && '" + program + "' " + argument +
                                check + " < /dev/null > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.errors = testing_support::ReadBytes(folder / "stderr.txt");
    if (std::filesystem::exists(folder / "CONTIN.CNT")) {
        run.report = testing_support::ReadBytes(folder / "CONTIN.CNT");
    }
    return run;
}

inline void CopyReferenceData(const std::filesystem::path& folder) {
    std::filesystem::copy_file(DataFolder / ReferenceFileName, folder / ReferenceFileName);
}

inline std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace tavrelion::engines::contin::testing
