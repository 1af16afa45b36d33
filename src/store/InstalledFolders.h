#pragma once

#include <filesystem>
#include <string>

namespace tavrelion::store {

// Where the program's read-only files lie. The build tree keeps everything beside the programs;
// an installation puts the data files and the manual in share/tavrelion and the analysis programs
// in libexec/tavrelion, found from the programs' folder (bin) by their relative paths.
struct InstalledFolders {
    std::string program;  // DATA.CD, s.ori, ssdata.*, help/
    std::string engines;  // the analysis programs
};

InstalledFolders FindInstalledFolders(const std::filesystem::path& executableFolder);

}  // namespace tavrelion::store
