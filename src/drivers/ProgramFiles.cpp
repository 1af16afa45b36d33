#include "drivers/ProgramFiles.h"

#include <filesystem>
#include <system_error>

#include "store/FileReplacement.h"

namespace tavrelion::drivers {

bool CheckProgramPresent(const std::string& programDir, const std::string& fileName,
                         const std::string& absentText, platform::MessageService& messages) {
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::path(programDir) / fileName, error)) {
        return true;
    }
    messages.showMessage(absentText + programDir + " directory",
                         platform::MessageIcon::Information);
    return false;
}

void CopyProgramOutput(const std::string& outputPath, const std::string& resultPath) {
    store::ReplaceFileWithCopy(outputPath, resultPath);
}

}  // namespace tavrelion::drivers
