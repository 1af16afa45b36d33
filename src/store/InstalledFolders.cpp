#include "store/InstalledFolders.h"

#include <system_error>

#include "InstallLayout.h"

namespace tavrelion::store {

namespace fs = std::filesystem;

namespace {

// The folder that holds the file, beside the executable first, else at the installed place.
fs::path FolderWith(const fs::path& beside, const char* relative, const char* file) {
    std::error_code error;
    if (fs::exists(beside / file, error)) {
        return beside;
    }
    const fs::path installed = (beside / relative).lexically_normal();
    return fs::exists(installed / file, error) ? installed : beside;
}

}  // namespace

InstalledFolders FindInstalledFolders(const fs::path& executableFolder) {
    return {FolderWith(executableFolder, BinToData, "DATA.CD").string(),
            FolderWith(executableFolder, BinToEngines, "K2D.EXE").string()};
}

}  // namespace tavrelion::store
