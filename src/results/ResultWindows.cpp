#include "results/ResultWindows.h"

namespace tavrelion::results {

ResultWindows::ResultWindows(const ResultWindowServices& services)
    : analysisResults_(std::make_unique<ResultWindow>(ResultWindowKind::AnalysisResults, services)),
      varselecList_(std::make_unique<ResultWindow>(ResultWindowKind::VarselecList, services)) {}

ResultWindows::~ResultWindows() = default;

ResultWindow& ResultWindows::window(ResultWindowKind which) {
    return which == ResultWindowKind::AnalysisResults ? *analysisResults_ : *varselecList_;
}

void ResultWindows::OpenResultWindow(const std::string& path, ResultWindowKind which,
                                     const std::string& preface) {
    window(which).openFile(path, preface);
}

void ResultWindows::CloseResultWindow(ResultWindowKind which) {
    window(which).closeWindow();
}

void ResultWindows::setAnalyzeHandler(std::function<void()> handler) {
    analysisResults_->setAnalyzeHandler(std::move(handler));
}

}  // namespace tavrelion::results
