#include "engines/common/EngineTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <sstream>

#include "fakes/TemporaryFolder.h"

extern char** environ;

namespace tavrelion::engines::engine_testing {

std::filesystem::path DataFolder() {
    return std::filesystem::path(TAVRELION_SOURCE_DIR) / "data";
}

void CopyData(const std::filesystem::path& folder, const std::string& name, const std::string& as) {
    std::filesystem::copy_file(DataFolder() / name, folder / (as.empty() ? name : as));
}

const ReferenceSet& Sp175() {
    static const ReferenceSet set = LoadReferenceSet(DataFolder() / ReferenceFileName);
    return set;
}

int ProteinIndex(const std::string& code) {
    const auto& codes = Sp175().codes;
    return static_cast<int>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

std::unique_ptr<store::SpectrumStore> ReferenceSpectrum(int protein, int first, int last) {
    const ReferenceSet& set = Sp175();
    auto spectrum = std::make_unique<store::SpectrumStore>();
    const std::string code = set.codes.at(static_cast<std::size_t>(protein));
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

std::unique_ptr<store::SpectrumStore> ReferenceSpectrum(const std::string& code, int first,
                                                        int last) {
    return ReferenceSpectrum(ProteinIndex(code), first, last);
}

ProgramRun RunProgram(const std::string& program, const std::filesystem::path& folder,
                      const std::vector<std::string>& arguments, const std::string& reportName) {
    const std::string output = folder.string() + ".stdout";
    const std::string errors = folder.string() + ".stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    ProgramRun run;
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(child, &status, 0) == child) {
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.output = testing_support::ReadBytes(output);
    run.errors = testing_support::ReadBytes(errors);
    std::filesystem::remove(output);
    std::filesystem::remove(errors);
    if (!reportName.empty() && std::filesystem::exists(folder / reportName)) {
        run.report = testing_support::ReadBytes(folder / reportName);
    }
    return run;
}

std::vector<std::string> Lines(const std::string& bytes) {
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

bool EveryLineEndsCrLf(const std::string& bytes) {
    for (std::size_t at = bytes.find('\n'); at != std::string::npos;
         at = bytes.find('\n', at + 1)) {
        if (at == 0 || bytes[at - 1] != '\r') {
            return false;
        }
    }
    return bytes.empty() || bytes.back() == '\n';
}

}  // namespace tavrelion::engines::engine_testing
