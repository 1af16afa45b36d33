#include "help/HelpBrowserModel.h"

#include <algorithm>

namespace tavrelion::help {

void HelpBrowserModel::addAddress(const std::string& address) {
    if (std::find(addresses_.begin(), addresses_.end(), address) == addresses_.end()) {
        addresses_.push_back(address);
    }
}

std::optional<std::string> HelpBrowserModel::chooseFileToOpen(platform::FileDialogService& files) {
    platform::FileDialogRequest request;
    request.title = "Open";
    request.proposedName = dialogFileName_;
    request.filters = platform::ParseFilterList(OpenFilters);
    request.selectedFilter = 1;
    if (const std::optional<std::string> chosen = files.chooseFileToOpen(request)) {
        dialogFileName_ = *chosen;
    }
    startingAddress_ = dialogFileName_;
    if (startingAddress_.empty()) {
        return std::nullopt;
    }
    addAddress(startingAddress_);
    return startingAddress_;
}

}  // namespace tavrelion::help
