#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ColumnText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

bool Has(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// PCDDB headers are typed by hand and values are sometimes in the wrong field: a value is used
// only when it reads as a number above 0.
void TakeHeaderValue(std::string_view key, std::string_view value, ColumnSpectrum& spectrum) {
    const std::string upper = store::UpperCase(key);
    const auto number = CellNumber(value, '\t');
    if (!number || *number <= 0) {
        return;
    }
    if (Has(upper, "PATHLENGTH") || Has(upper, "PATH LENGTH")) {
        spectrum.stated.pathCm = Has(upper, "(MM)") ? *number / 10 : *number;
    } else if (Has(upper, "M.R.W") || Has(upper, "MEAN RESIDUE WEIGHT")) {
        spectrum.stated.meanResidueWeight = *number;
    } else if (Has(upper, "CONCENTRATION") && Has(upper, "MG")) {
        spectrum.stated.mgPerMl = *number;
    }
}

void TakeRows(const NumberRows& rows, ColumnSpectrum& spectrum) {
    for (const auto& row : rows.rows) {
        spectrum.wavelength.push_back(row[0]);
        spectrum.value.push_back(row[1]);
        if (row.size() >= 3) {
            spectrum.ht.push_back(row[2]);
        }
    }
    if (spectrum.ht.size() != spectrum.value.size()) {
        spectrum.ht.clear();
    }
}

ColumnSpectrum Started() {
    ColumnSpectrum spectrum;
    spectrum.unit = CdUnit::DeltaEpsilon;
    spectrum.unitLabel = "final spectrum (delta epsilon)";
    return spectrum;
}

}  // namespace

ColumnSpectrum ReadPcddbGenericText(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    ColumnSpectrum spectrum = Started();
    spectrum.kind = "PCDDB .gen";
    std::size_t i = 1;
    for (; i < lines.size(); ++i) {
        const std::vector<std::string_view> cells = SplitCells(lines[i], '\t');
        if (cells.size() >= 2 && CellNumber(cells[0], '\t') && CellNumber(cells[1], '\t')) {
            break;  // the first data row
        }
        for (std::size_t k = 1; k < cells.size(); ++k) {
            if (CellNumber(cells[k], '\t')) {
                TakeHeaderValue(cells[0], cells[k], spectrum);
                break;
            }
        }
    }
    if (i == lines.size()) {
        throw ColumnFileProblem(0, "no data rows follow the header");
    }
    TakeRows(ReadNumberRows(lines, i, 2, [](const std::string&) { return false; }), spectrum);
    return spectrum;
}

ColumnSpectrum ReadPcddbText(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    ColumnSpectrum spectrum = Started();
    spectrum.kind = "PCDDB .pcd";
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        const std::string key = Trimmed(lines[i].substr(0, 60));
        if (key == "DATA" || key.starts_with("DATA ")) {
            break;
        }
        if (lines[i].size() > 60) {
            TakeHeaderValue(key, Trimmed(lines[i].substr(60)), spectrum);
        }
    }
    if (i == lines.size()) {
        throw ColumnFileProblem(0, "the DATA line that starts the data is missing");
    }
    ++i;
    // The column names may stand on the DATA line or on a line of their own.
    if (i < lines.size() && !StartsWithNumbers(lines[i], 1)) {
        ++i;
    }
    TakeRows(ReadNumberRows(lines, i, 2, [](const std::string&) { return false; }), spectrum);
    return spectrum;
}

}  // namespace tavrelion::spectrumio
