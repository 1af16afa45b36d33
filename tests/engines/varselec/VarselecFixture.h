#pragma once

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "drivers/VarselecInput.h"
#include "fakes/TemporaryFolder.h"
#include "store/SpectrumStore.h"

namespace tavrelion::engines::varselec::test_support {

inline const std::filesystem::path SourceData =
    std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";

inline const ReferenceSet& Sp175() {
    static const ReferenceSet set = LoadReferenceSet(SourceData / ReferenceFileName);
    return set;
}

inline int ColumnOf(const std::string& code) {
    const auto& codes = Sp175().codes;
    return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

// A reference protein's spectrum as the program holds it (mean residue ellipticity, 1-nm grid)
// from `first` to `last` nm; 0 where the reference set has no value.
inline store::SpectrumStore SpectrumOf(const std::string& code, int first, int last) {
    const ReferenceSet& set = Sp175();
    const int p = ColumnOf(code);
    store::SpectrumStore store;
    store.SpectrumFileName = "C:\\DATA\\" + code + ".ASC";
    store.FirstWavelength = static_cast<store::Int16>(first);
    store.LastWavelength = static_cast<store::Int16>(last);
    store.PointCount = static_cast<store::Int16>(last - first + 1);
    for (int i = 1; i <= store.PointCount; ++i) {
        const int nm = first + i - 1;
        store.SpectrumWavelength(i) = static_cast<store::Int16>(nm);
        store.SpectrumValue(i) =
            set.covers(nm) ? set.spectra(set.rowOfWavelength(nm), p) * 3300 : 0;
    }
    return store;
}

inline drivers::VarselecChoice AllProteins(int removed, std::vector<int> leftOut = {}) {
    drivers::VarselecChoice choice;
    choice.RemoveCount = static_cast<store::Int16>(removed);
    for (int i = 1; i <= drivers::VarselecProteinCount; ++i) {
        if (std::find(leftOut.begin(), leftOut.end(), i) == leftOut.end()) {
            choice.SelectedIndex.push_back(static_cast<store::Int16>(i));
        }
    }
    return choice;
}

struct ProgramRun {
    int status = -1;
    std::string messages;  // what the program wrote on stderr
    std::string result;    // COMB2.OP, empty when it was not written
};

// A program folder with the basis, in which the driver's files are written and the built
// varslc1.exe is run the way the main program runs it.
class ProgramFolder {
  public:
    ProgramFolder() { std::filesystem::copy_file(SourceData / "s.ori", folder_.path() / "s.ori"); }
    const std::filesystem::path& path() const { return folder_.path(); }

    void writeDriverFiles(const store::SpectrumStore& store,
                          const drivers::VarselecChoice& choice) {
        drivers::WriteVarselecBasis(store, path(), path());
        drivers::WriteVarselecInput(store, choice, path());
    }
    void write(const std::string& name, const std::string& bytes) const {
        folder_.write(name, bytes);
    }
    std::string read(const std::string& name) const {
        return testing_support::ReadBytes(path() / name);
    }

    ProgramRun run(const std::string& arguments = "CON") const {
        const auto errors = folder_.path().parent_path() / (path().filename().string() + ".err");
        const std::string command = "cd '" + path().string() + "' && '" VARSELEC_PROGRAM "' " +
                                    arguments + " </dev/null >/dev/null 2>'" + errors.string() +
                                    "'";
        const int raw = std::system(command.c_str());
        ProgramRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.messages = testing_support::ReadBytes(errors);
        std::filesystem::remove(errors);
        if (std::filesystem::exists(path() / "COMB2.OP")) {
            run.result = read("COMB2.OP");
        }
        return run;
    }

  private:
    testing_support::TemporaryFolder folder_;
};

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline bool StartsLikeFirstSolution(const std::string& line) {
    return line.rfind("       1  ", 0) == 0;
}

}  // namespace tavrelion::engines::varselec::test_support
