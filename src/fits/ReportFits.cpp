#include "fits/ReportFits.h"

#include "analysis/MethodResultReaders.h"
#include "store/BasicError.h"
#include "store/TextRoutines.h"

namespace tavrelion::fits {

std::optional<std::string> ReportMethod(const std::filesystem::path& resultFile) {
    const std::string extension = store::UpperCase(resultFile.extension().string());
    if (extension == ".SCM") {
        return "SELCON2";
    }
    if (extension == ".SC3") {
        return "SELCON3";
    }
    if (extension == ".CNT") {
        return "CONTIN";
    }
    if (extension == ".K2D") {
        return "K2D";
    }
    if (extension == ".OUT") {
        return "Varselec";
    }
    return std::nullopt;
}

std::optional<analysis::MethodResult> ReadReportFit(const std::filesystem::path& resultFile) {
    const auto method = ReportMethod(resultFile);
    if (!method) {
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(resultFile)) {
        return std::nullopt;
    }
    analysis::MethodResult alone;
    alone.method = *method;
    // Varselec's report holds the accepted fits, not one back-calculated spectrum.
    if (*method == "Varselec") {
        return alone;
    }
    try {
        if (*method == "SELCON2") {
            return analysis::ReadSelcon2Result(resultFile);
        }
        if (*method == "SELCON3") {
            return analysis::ReadSelcon3Result(resultFile);
        }
        if (*method == "CONTIN") {
            return analysis::ReadContinResult(resultFile);
        }
        return analysis::ReadK2dResult(resultFile);
    } catch (const store::BasicError&) {
        // A damaged report must not be drawn half.
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
