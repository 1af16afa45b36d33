#include "corrections/CorrectionReports.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "store/FileReplacement.h"

namespace tavrelion::corrections {

namespace fs = std::filesystem;

std::string CorrectionsLine(const std::string& chain) {
    return "Corrections: " + chain;
}

std::string ReportStatement(const std::string& htCutNote, const std::string& chain) {
    std::string cut = htCutNote;
    if (!cut.empty() && cut.back() == '.') {
        cut.pop_back();
    }
    if (cut.empty() || chain.empty()) {
        return cut + chain;
    }
    return cut + "; " + chain;
}

void StateCorrections(const fs::path& report, const std::string& chain) {
    std::error_code error;
    if (chain.empty() || !fs::is_regular_file(report, error)) {
        return;
    }
    std::ifstream in(report, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    store::ReplaceFile(report, CorrectionsLine(chain) + "\r\n" + content);
}

}  // namespace tavrelion::corrections
