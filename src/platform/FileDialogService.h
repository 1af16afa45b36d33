#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrelion::platform {

// One entry of a file dialog's filter list: the text the user reads and the name patterns it
// stands for ("*.LST", several separated by ';').
struct FileFilter {
    std::string description;
    std::string patterns;
};

// A filter list written the way the program's windows give it: descriptions and patterns
// alternate, separated by '|' ("Text file (*.txt)|*.TXT|All files (*.*)|*.*"). A description
// without its pattern, such as the empty one after a trailing '|', is left out.
inline std::vector<FileFilter> ParseFilterList(std::string_view list) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t bar = list.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? list.size() : bar;
        fields.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        if (!fields[i + 1].empty()) {
            filters.push_back({fields[i], fields[i + 1]});
        }
    }
    return filters;
}

struct FileDialogRequest {
    std::string title;
    // A full path or a bare file name; empty proposes nothing.
    std::string proposedName;
    std::vector<FileFilter> filters;
    // 1-based index of the filter selected when the dialog opens.
    int selectedFilter = 1;
    // Whether the save dialog itself asks before an existing file is chosen. Windows that ask
    // their own question leave it off.
    bool confirmOverwrite = false;
};

// Open and save dialogs. Each returns the chosen full path, or nothing when the user cancels;
// what a cancel means is the caller's to decide.
class FileDialogService {
  public:
    virtual ~FileDialogService() = default;

    virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest& request) = 0;
};

}  // namespace tavrelion::platform
