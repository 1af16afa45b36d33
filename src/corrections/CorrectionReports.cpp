#include "corrections/CorrectionReports.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "store/BasicError.h"

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
    std::string content;
    {
        std::ifstream in(report, std::ios::binary);
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    fs::path temporary = report;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << CorrectionsLine(chain) << "\r\n" << content;
        if (!out.flush()) {
            fs::remove(temporary, error);
            throw store::BasicError(store::PathFileAccessError);
        }
    }
    fs::rename(temporary, report, error);
    if (error) {
        fs::remove(temporary, error);
        throw store::BasicError(store::PathFileAccessError);
    }
}

}  // namespace tavrelion::corrections
