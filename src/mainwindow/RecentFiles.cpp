#include "mainwindow/RecentFiles.h"

#include <algorithm>

namespace tavrelion::mainwindow {
namespace {

void AddOnce(std::vector<std::string>& list, const std::string& entry) {
    if (std::find(list.begin(), list.end(), entry) == list.end()) {
        list.push_back(entry);
    }
}

}  // namespace

void RecentFiles::add(const std::string& spectrumFileName) {
    AddOnce(paths_, spectrumFileName);
}

}  // namespace tavrelion::mainwindow
