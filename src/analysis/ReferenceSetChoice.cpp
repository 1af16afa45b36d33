#include "analysis/ReferenceSetChoice.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tavrelion::analysis {

const char* ReferenceSetName(ReferenceSetChoice choice) {
    return choice == ReferenceSetChoice::Idp175 ? "IDP175" : "SP175";
}

std::optional<ReferenceSetChoice> ReferenceSetNamed(const std::string& word) {
    std::string lower = word;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "sp175")
        return ReferenceSetChoice::Sp175;
    if (lower == "idp175")
        return ReferenceSetChoice::Idp175;
    return std::nullopt;
}

std::vector<std::string> ReferenceArguments(ReferenceSetChoice choice) {
    if (choice == ReferenceSetChoice::Sp175)
        return {};
    return {"--reference", "idp175"};
}

std::string DerivedDataFolder(const std::string& programDir, ReferenceSetChoice choice) {
    if (choice == ReferenceSetChoice::Sp175)
        return programDir;
    return (std::filesystem::path(programDir) / "idp175").string();
}

}  // namespace tavrelion::analysis
