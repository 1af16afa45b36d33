#pragma once

#include <string>
#include <vector>

namespace tavrelion::mainwindow {

// The recent-files list at the end of the File menu (full paths) and the per-file colour list
// under Settings > Colors (file names without their folder). Neither holds an entry twice; both
// live for one run.
class RecentFiles {
  public:
    // Adds a stored file to both lists unless it is already there.
    void add(const std::string& spectrumFileName);

    const std::vector<std::string>& paths() const { return paths_; }
    const std::vector<std::string>& colourNames() const { return colourNames_; }

  private:
    std::vector<std::string> paths_;
    std::vector<std::string> colourNames_;
};

// The file name of a path without its folder; both \ and / separate folders.
std::string FileNameOf(const std::string& path);

}  // namespace tavrelion::mainwindow
