#include <algorithm>

#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ColumnText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

constexpr std::size_t LinesLookedAt = 200;

bool EndsWith(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() &&
           store::UpperCase(name.substr(name.size() - ending.size())) == ending;
}

}  // namespace

const char* const KindsReadText =
    "CD6 and CDMAX ASCII exports (.ASC), JCD files, TVR spectra, JASCO text/CSV exports, "
    "Chirascan ProDataCSV files, Aviv .dat files, PCDDB .gen and .pcd files, and plain columns "
    "of numbers (wavelength, value, optional HT)";

std::optional<ColumnKind> RecogniseColumnKind(std::string_view text, std::string_view fileName) {
    std::vector<std::string> lines = SplitLines(text.substr(0, 20000));
    if (lines.size() > LinesLookedAt) {
        lines.resize(LinesLookedAt);
    }
    if (lines.empty()) {
        return std::nullopt;
    }
    const std::string first = store::UpperCase(Trimmed(lines[0]));
    if (first.starts_with("PRODATACSV")) {
        return ColumnKind::Chirascan;
    }
    if (first.starts_with("GENERIC\tCD") || first.starts_with("GENERIC CD")) {
        return ColumnKind::PcddbGeneric;
    }
    bool numericRows = false;
    for (const auto& line : lines) {
        const std::string upper = store::UpperCase(Trimmed(line));
        if (upper == "XYDATA" || upper.starts_with("XYDATA\t") || upper.starts_with("XYDATA;") ||
            upper.starts_with("XYDATA,") ||
            (upper.starts_with("ORIGIN") && upper.find("JASCO") != std::string::npos)) {
            return ColumnKind::Jasco;
        }
        if (upper == "$DATA" || upper.starts_with("$MDCDATA") || upper == "$SUMMARY") {
            return ColumnKind::Aviv;
        }
        numericRows = numericRows || StartsWithNumbers(line, 2);
    }
    const bool wideHeader = lines[0].size() > 60 && Trimmed(lines[0].substr(0, 60)).size() > 0;
    const bool dataLine = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        const std::string key = Trimmed(line.substr(0, 60));
        return key == "DATA" || key.starts_with("DATA ");
    });
    if (EndsWith(fileName, ".PCD") || (wideHeader && dataLine)) {
        return ColumnKind::PcddbPcd;
    }
    if (numericRows) {
        return ColumnKind::PlainColumns;
    }
    return std::nullopt;
}

std::string_view ColumnKindTitle(ColumnKind kind) {
    switch (kind) {
        case ColumnKind::Jasco:
            return "JASCO";
        case ColumnKind::Chirascan:
            return "Chirascan ProDataCSV";
        case ColumnKind::Aviv:
            return "Aviv .dat";
        case ColumnKind::PcddbGeneric:
            return "PCDDB .gen";
        case ColumnKind::PcddbPcd:
            return "PCDDB .pcd";
        case ColumnKind::PlainColumns:
            break;
    }
    return "plain columns";
}

ColumnSpectrum ReadColumnText(ColumnKind kind, std::string_view text) {
    switch (kind) {
        case ColumnKind::Jasco:
            return ReadJascoText(text);
        case ColumnKind::Chirascan:
            return ReadChirascanText(text);
        case ColumnKind::Aviv:
            return ReadAvivText(text);
        case ColumnKind::PcddbGeneric:
            return ReadPcddbGenericText(text);
        case ColumnKind::PcddbPcd:
            return ReadPcddbText(text);
        case ColumnKind::PlainColumns:
            break;
    }
    return ReadPlainColumnsText(text);
}

}  // namespace tavrelion::spectrumio
