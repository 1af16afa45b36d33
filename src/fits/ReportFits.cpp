#include "fits/ReportFits.h"

#include "analysis/MethodResultReaders.h"
#include "store/BasicError.h"

namespace tavrelion::fits {

std::optional<analysis::MethodResult> ReadReportFit(const std::filesystem::path& resultFile) {
    const auto method = analysis::ResultMethod(resultFile);
    if (!method || !std::filesystem::is_regular_file(resultFile)) {
        return std::nullopt;
    }
    try {
        return analysis::ReadMethodResult(resultFile);
    } catch (const store::BasicError&) {
        // A damaged report must not be drawn half.
        analysis::MethodResult alone;
        alone.method = *method;
        return alone;
    }
}

std::vector<analysis::MethodResult> ReadReportFits(const std::vector<std::string>& resultFiles) {
    std::vector<analysis::MethodResult> results;
    for (const std::string& file : resultFiles) {
        if (auto result = ReadReportFit(file)) {
            results.push_back(std::move(*result));
        }
    }
    return results;
}

}  // namespace tavrelion::fits
