#include "common/ProgramFolders.h"

#include <ostream>
#include <stdexcept>
#include <system_error>

#include "InstallLayout.h"
#include "common/ReferenceSet.h"

namespace tavrelion::engines {

ProgramFolders FoldersOfThisProgram(const char* argv0, const std::string& referenceSet) {
    std::error_code error;
    std::filesystem::path work = std::filesystem::current_path(error);
    if (error) {
        throw std::runtime_error("the working folder cannot be read: " + error.message());
    }
    // Linux names the executable itself; elsewhere the path the program was started by serves.
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || executable.empty()) {
        executable = std::filesystem::absolute(argv0 != nullptr ? argv0 : "", error);
    }
    // Installed, the data files lie in share/tavrelion rather than beside the program.
    const std::filesystem::path beside = executable.parent_path();
    const std::filesystem::path installed = (beside / EnginesToData).lexically_normal();
    const bool dataBeside = std::filesystem::exists(beside / ReferenceFileName, error);
    const bool dataInstalled = std::filesystem::exists(installed / ReferenceFileName, error);
    ProgramFolders folders(std::move(work), !dataBeside && dataInstalled ? installed : beside);
    folders.referenceSet = referenceSet;
    return folders;
}

ProgramArguments ReadProgramArguments(const std::vector<std::string>& arguments,
                                      std::ostream& errors, const std::string& programName) {
    ProgramArguments read;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "CON" || argument == "con") {
            continue;
        }
        if (argument == "--leave-out" && i + 1 < arguments.size()) {
            read.leaveOut = arguments[++i];
            continue;
        }
        if (argument == "--reference" && i + 1 < arguments.size()) {
            read.referenceSet = KnownReferenceSet(arguments[++i]);
            if (read.referenceSet.empty())
                throw std::runtime_error("the reference set \"" + arguments[i] +
                                         "\" is not known (sp175 or idp175)");
            continue;
        }
        errors << programName << ": the argument \"" << argument << "\" is not used\n";
        read.understood = false;
    }
    return read;
}

}  // namespace tavrelion::engines
