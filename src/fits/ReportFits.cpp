#include "fits/ReportFits.h"

#include <sstream>

#include "display/FigureSettings.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::fits {
namespace {

constexpr const char* QualityLead = " Fit quality: NRMSD ";
constexpr const char* TableHead = "   nm   measured calculated";

std::vector<std::string> Lines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    store::TextFileReader reader(file);
    while (!reader.atEnd()) {
        lines.push_back(reader.readLine());
    }
    return lines;
}

// The blank-separated words of a line, each read as a number: nothing where one does not read.
std::optional<std::vector<double>> Numbers(const std::string& line) {
    std::istringstream words(line);
    std::vector<double> numbers;
    std::string word;
    while (words >> word) {
        if (!store::ReadsAsNumber(word)) {
            return std::nullopt;
        }
        numbers.push_back(store::NumberOf(word));
    }
    return numbers;
}

// A table row starts with a wavelength; the first line that does not ends the table.
bool StartsWithNumber(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    return static_cast<bool>(words >> word) && store::ReadsAsNumber(word);
}

// Reads the quality line and the table after it into result; false when either is damaged.
bool ReadFit(const std::vector<std::string>& lines, std::size_t quality,
             analysis::MethodResult& result) {
    // "0.034, good"
    const std::string rest = lines[quality].substr(std::string(QualityLead).size());
    const std::size_t comma = rest.find(',');
    if (comma == std::string::npos || !store::ReadsAsNumber(rest.substr(0, comma))) {
        return false;
    }
    result.nrmsd = store::NumberOf(rest.substr(0, comma));
    std::istringstream word(rest.substr(comma + 1));
    word >> result.quality;
    std::size_t row = quality + 1;
    while (row < lines.size() && lines[row] != TableHead) {
        ++row;
    }
    for (++row; row < lines.size() && StartsWithNumber(lines[row]); ++row) {
        const auto numbers = Numbers(lines[row]);
        if (!numbers || numbers->size() != 3) {
            return false;
        }
        result.wavelengths.push_back((*numbers)[0]);
        result.measured.push_back((*numbers)[1] * display::EllipticityPerDeltaEpsilon);
        result.calculated.push_back((*numbers)[2] * display::EllipticityPerDeltaEpsilon);
    }
    return !result.wavelengths.empty();
}

}  // namespace

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
    std::vector<std::string> lines;
    try {
        lines = Lines(resultFile);
    } catch (const store::BasicError&) {
        return std::nullopt;
    }
    analysis::MethodResult result;
    result.method = *method;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].rfind(QualityLead, 0) == 0) {
            analysis::MethodResult fit = result;
            if (ReadFit(lines, k, fit)) {
                return fit;
            }
            break;
        }
    }
    return result;
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
