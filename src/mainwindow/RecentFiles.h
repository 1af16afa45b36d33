#pragma once

#include <string>
#include <vector>

namespace tavrelion::mainwindow {

// The recent-files list at the end of the File menu (full paths), without an entry twice, for
// one run. (The colour list under Settings > Colors follows the loaded slots instead.)
class RecentFiles {
  public:
    // Adds a stored file unless it is already there.
    void add(const std::string& spectrumFileName);

    const std::vector<std::string>& paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};

}  // namespace tavrelion::mainwindow
