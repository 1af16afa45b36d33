#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "store/SpectrumStore.h"

// What the tests of every analysis program share: the reference proteins, their spectra as the
// main program holds them, and running a built program in a folder the way the main program does.
namespace tavrelion::engines::engine_testing {

// The data files as committed: SP175.REF, s.ori, the SELCON structure files.
std::filesystem::path DataFolder();
void CopyData(const std::filesystem::path& folder, const std::string& name,
              const std::string& as = "");

const ReferenceSet& Sp175();
int ProteinIndex(const std::string& code);

// The main program's current spectrum from first to last nm: the protein's delta epsilon x 3300
// (mean residue ellipticity) where the reference data have it, zero outside.
std::unique_ptr<store::SpectrumStore> ReferenceSpectrum(int protein, int first, int last);
std::unique_ptr<store::SpectrumStore> ReferenceSpectrum(const std::string& code, int first,
                                                        int last);

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not end normally (a crash)
    std::string output;
    std::string errors;
    std::string report;  // the file named reportName, empty when none was written
};

// Runs program with folder as its working folder, without a shell and with no console input;
// what it prints is kept outside the folder, so the folder holds only what the program wrote.
ProgramRun RunProgram(const std::string& program, const std::filesystem::path& folder,
                      const std::vector<std::string>& arguments,
                      const std::string& reportName = "");

// The lines of a file as the main program reads them: without CR LF.
std::vector<std::string> Lines(const std::string& bytes);

// Whether every line, the last included, ends in CR LF, as the main program's reports need.
bool EveryLineEndsCrLf(const std::string& bytes);

}  // namespace tavrelion::engines::engine_testing
