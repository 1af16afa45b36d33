#include "fits/AnalysisRecord.h"

#include <algorithm>
#include <filesystem>

#include "analysis/MethodResultReaders.h"
#include "store/TextRoutines.h"

namespace tavrelion::fits {
namespace {

// Every result of one spectrum is named after it: the extension tells the method. Varselec's
// solutions and their analysis are one method's result: the later replaces the earlier.
std::string Kind(const std::string& file) {
    const std::filesystem::path path(file);
    return analysis::ResultMethod(path).value_or(store::UpperCase(path.extension().string()));
}

}  // namespace

void AnalysisRecord::analysed(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        const auto same = std::find_if(files_.begin(), files_.end(), [&](const std::string& kept) {
            return Kind(kept) == Kind(file);
        });
        if (same != files_.end()) {
            *same = file;
        } else {
            files_.push_back(file);
        }
    }
}

}  // namespace tavrelion::fits
