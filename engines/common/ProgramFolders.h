#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"

namespace tavrelion::engines {

// Where an analysis program finds its files: the exchange files of one run in its working folder
// (several runs may go on side by side, each in its own), its data files (SP175.REF,
// weights.dat) beside its own executable, where they were installed and are only read.
struct ProgramFolders {
    std::filesystem::path work;
    std::filesystem::path data;
    // The reference set the run is built on (--reference): its file and its derived data.
    std::string referenceSet = DefaultReferenceSet;

    std::filesystem::path referenceFile() const { return ReferenceFileOf(data, referenceSet); }
    std::filesystem::path trainedData() const { return TrainedDataFolder(data, referenceSet); }

    // One folder for both, as checks and tools that prepare a folder of their own use it.
    ProgramFolders(const std::filesystem::path& both) : work(both), data(both) {}  // NOLINT
    ProgramFolders(std::filesystem::path workFolder, std::filesystem::path dataFolder)
        : work(std::move(workFolder)), data(std::move(dataFolder)) {}
};

// The folders of the running program: the current folder and the folder of the executable, for
// the reference set named. Throws std::runtime_error when the current folder cannot be read.
ProgramFolders FoldersOfThisProgram(const char* argv0,
                                    const std::string& referenceSet = DefaultReferenceSet);

// The program's arguments: "CON" (or none) as the main program passes it, "--reference SET"
// (sp175 or idp175, any letter case; SP175 without it), and the check option "--leave-out CODE",
// which leaves one reference protein out. Anything else is told on errors; an unknown set throws
// std::runtime_error, as no estimate may silently fall back on another set.
struct ProgramArguments {
    std::string leaveOut;
    std::string referenceSet = DefaultReferenceSet;
    bool understood = true;
};
ProgramArguments ReadProgramArguments(const std::vector<std::string>& arguments,
                                      std::ostream& errors, const std::string& programName);

}  // namespace tavrelion::engines
