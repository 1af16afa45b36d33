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

std::string FileNameOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace tavrelion::mainwindow
