#include "results/ResultWindowModel.h"

#include <filesystem>
#include <system_error>

#include "store/ResultNames.h"

namespace tavrelion::results {
namespace {

constexpr const char* ListFilters =
    "Varselec result files (*.LST)|*.LST|Text file (*.txt)|*.TXT|All files (*.*)|*.*";
constexpr const char* SolutionsFilters = "Varselec result files (*.OUT)|*.OUT";
constexpr const char* SaveSolutionsFilters =
    "Varselec result files (*.OUT)|*.OUT|All files (*.*)|*.*";

}  // namespace

ResultWindowModel::ResultWindowModel(ResultWindowKind kind, store::SpectrumStore& store)
    : kind_(kind), store_(store) {
    reset();
}

const char* ResultWindowModel::windowName() const {
    return kind_ == ResultWindowKind::AnalysisResults ? "frmeditorres" : "result";
}

const char* ResultWindowModel::analyzeCaption() const {
    return kind_ == ResultWindowKind::AnalysisResults ? "&Analyze" : " ";
}

const char* ResultWindowModel::findNextCaption() const {
    return kind_ == ResultWindowKind::AnalysisResults ? "Find &Next" : "Find &next";
}

void ResultWindowModel::reset() {
    caption_ = DesignCaption;
    analyzeVisible_ = false;
    saveAndPrintEnabled_ = kind_ == ResultWindowKind::VarselecList;
    dialogFileName_.clear();
}

ResultFileContent ResultWindowModel::open(const std::string& path) {
    ResultFileContent content = ReadResultFile(path);
    if (content.status == ResultFileContent::Status::Unreadable) {
        return content;
    }
    reset();
    if (content.status == ResultFileContent::Status::Read) {
        caption_ = CaptionPrefix + path;
        analyzeVisible_ = content.combination;
    }
    return content;
}

std::string ResultWindowModel::loadProposal() const {
    if (kind_ == ResultWindowKind::VarselecList) {
        return store::ResultFileName(store_.SpectrumFileName, ".LST");
    }
    return {};
}

std::string ResultWindowModel::saveProposal() const {
    if (kind_ == ResultWindowKind::VarselecList) {
        return store::ResultFileName(store_.SpectrumFileName, ".LST");
    }
    return store::ResultFileName(store_.ResultFilePath, ".OUT");
}

platform::FileDialogRequest ResultWindowModel::request(const char* title) const {
    platform::FileDialogRequest request;
    request.title = title;
    request.proposedName = dialogFileName_;
    request.selectedFilter = 1;
    return request;
}

std::optional<std::string> ResultWindowModel::nameAfterDialog(
    const std::optional<std::string>& chosen) {
    if (chosen) {
        dialogFileName_ = *chosen;
    }
    if (dialogFileName_.size() < 4) {
        return std::nullopt;
    }
    return dialogFileName_;
}

std::optional<std::string> ResultWindowModel::chooseFileToLoad(platform::FileDialogService& files) {
    const std::string proposal = loadProposal();
    if (!proposal.empty()) {
        dialogFileName_ = proposal;
    }
    platform::FileDialogRequest load = request("Open");
    load.filters = platform::ParseFilterList(
        kind_ == ResultWindowKind::VarselecList ? ListFilters : SolutionsFilters);
    const std::optional<std::string> name = nameAfterDialog(files.chooseFileToOpen(load));
    if (name && kind_ == ResultWindowKind::AnalysisResults) {
        store_.ResultFilePath = store::ResultFileName(*name, ".OUT");
    }
    return name;
}

std::optional<std::string> ResultWindowModel::chooseFileToSave(platform::FileDialogService& files) {
    const std::string proposal = saveProposal();
    if (!proposal.empty()) {
        dialogFileName_ = proposal;
    }
    platform::FileDialogRequest save = request("Save As");
    save.filters = platform::ParseFilterList(
        kind_ == ResultWindowKind::VarselecList ? ListFilters : SaveSolutionsFilters);
    return nameAfterDialog(files.chooseFileToSave(save));
}

bool SaveResultText(const std::string& path, const std::string& text,
                    platform::MessageService& messages) {
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        !messages.askYesNo(std::string(ResultWindowModel::OverwriteQuestion) + "\r" + path, true)) {
        return false;
    }
    if (!WriteResultFile(path, text)) {
        messages.showMessage(ResultWindowModel::SaveErrorMessage, platform::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace tavrelion::results
