#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "drivers/VarselecInput.h"
#include "engines/common/EngineTestSupport.h"
#include "fakes/TemporaryFolder.h"
#include "store/SpectrumStore.h"

namespace tavrelion::engines::varselec::test_support {

using namespace engine_testing;

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

// A program folder with the basis, in which the driver's files are written and the built
// varslc1.exe is run the way the main program runs it.
class ProgramFolder {
  public:
    ProgramFolder() { CopyData(path(), "s.ori"); }
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

    ProgramRun run(const std::vector<std::string>& arguments = {"CON"}) const {
        return RunProgram(VARSELEC_PROGRAM, path(), arguments, "COMB2.OP");
    }

  private:
    testing_support::TemporaryFolder folder_;
};

inline bool StartsLikeFirstSolution(const std::string& line) {
    return line.rfind("       1  ", 0) == 0;
}

}  // namespace tavrelion::engines::varselec::test_support
