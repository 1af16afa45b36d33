#include "results/ResultWindowModel.h"

#include <filesystem>
#include <system_error>

#include "store/ResultNames.h"
#include "store/TextRoutines.h"

namespace tavrelion::results {
namespace {

constexpr const char* ListFilters =
    "Varselec result files (*.LST)|*.LST|Text file (*.txt)|*.TXT|All files (*.*)|*.*";
constexpr const char* SolutionsFilters = "Varselec result files (*.OUT)|*.OUT";
// The save filters of a shown result, by its extension.
std::string SaveFilters(const std::string& path) {
    static const struct {
        const char* extension;
        const char* description;
    } kinds[] = {{"OUT", "Varselec result files"},
                 {"LST", "Varselec result files"},
                 {"FIT", "Least square fit results"},
                 {"VAL", "Least square fit results"},
                 {"SCM", "Selcon2 result files"},
                 {"SC3", "Selcon3 result files"},
                 {"K2D", "K2D result files"},
                 {"CNT", "Contin result files"},
                 {"SUM", "Summary files"}};
    const std::size_t dot = path.find_last_of('.');
    const std::string extension =
        dot == std::string::npos ? "" : store::UpperCase(path.substr(dot + 1));
    std::string description = "Result files";
    for (const auto& kind : kinds) {
        if (extension == kind.extension) {
            description = kind.description;
        }
    }
    const std::string all = "All files (*.*)|*.*";
    if (extension.empty() || extension.find_first_of("/\\") != std::string::npos) {
        return all;
    }
    return description + " (*." + extension + ")|*." + extension + "|" + all;
}

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
    shownPath_.clear();
}

ResultFileContent ResultWindowModel::open(const std::string& path) {
    ResultFileContent content = ReadResultFile(path);
    if (content.status == ResultFileContent::Status::Unreadable) {
        return content;
    }
    reset();
    shownPath_ = path;
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
    if (!shownPath_.empty()) {
        return shownPath_;  // the result shown, whatever its kind
    }
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
    save.filters = platform::ParseFilterList(SaveFilters(dialogFileName_));
    // Cancel saves nothing.
    const std::optional<std::string> chosen = files.chooseFileToSave(save);
    if (!chosen) {
        return std::nullopt;
    }
    return nameAfterDialog(chosen);
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
