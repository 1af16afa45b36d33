#include <algorithm>

#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ColumnText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

bool IsMarker(const std::string& line) {
    return Trimmed(line).starts_with("$");
}

std::size_t ColumnOf(const std::vector<std::string_view>& names, const char* name,
                     std::size_t line) {
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) {
        throw ColumnFileProblem(static_cast<int>(line) + 1,
                                std::string("the column ") + name + " is missing");
    }
    return static_cast<std::size_t>(at - names.begin());
}

}  // namespace

// The scans' columns are averaged point by point; every scan must list the same wavelengths.
ColumnSpectrum ReadAvivText(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    ColumnSpectrum spectrum;
    spectrum.kind = "Aviv";
    spectrum.unit = CdUnit::Millidegrees;
    spectrum.unitLabel = "CD_Signal (mdeg)";
    std::size_t i = 0;
    while (i < lines.size() && Trimmed(lines[i]) != "$DATA") {
        ++i;
    }
    if (i == lines.size()) {
        throw ColumnFileProblem(0, "the $DATA line that starts the data is missing");
    }
    int scans = 0;
    std::vector<double> htSum;
    bool ended = false;
    for (++i; i < lines.size() && !ended; ++i) {
        const std::string line = Trimmed(lines[i]);
        ended = line.starts_with("$ENDDATA");
        if (!line.starts_with("$MDCDATA")) {
            continue;
        }
        // The column names follow the $MDCDATA: line, then the rows up to the next $ line.
        const std::size_t headerLine = i + 1;
        if (headerLine >= lines.size()) {
            throw ColumnFileProblem(static_cast<int>(i) + 1, "the scan has no column names");
        }
        const std::vector<std::string_view> names = SplitCells(lines[headerLine], ' ');
        const std::size_t x = ColumnOf(names, "X", headerLine);
        const std::size_t cd = ColumnOf(names, "CD_Signal", headerLine);
        const auto dynode = std::find(names.begin(), names.end(), "CD_Dynode");
        const NumberRows rows = ReadNumberRows(lines, headerLine + 1, names.size(), IsMarker);
        if (scans == 0) {
            for (const auto& row : rows.rows) {
                spectrum.wavelength.push_back(row[x]);
            }
            spectrum.value.assign(rows.rows.size(), 0.0);
            htSum.assign(rows.rows.size(), 0.0);
        } else if (rows.rows.size() != spectrum.wavelength.size()) {
            throw ColumnFileProblem(static_cast<int>(headerLine) + 1,
                                    "scan " + std::to_string(scans + 1) + " has " +
                                        std::to_string(rows.rows.size()) + " points, scan 1 " +
                                        std::to_string(spectrum.wavelength.size()));
        }
        for (std::size_t k = 0; k < rows.rows.size(); ++k) {
            if (rows.rows[k][x] != spectrum.wavelength[k]) {
                throw ColumnFileProblem(static_cast<int>(headerLine + 2 + k),
                                        "the wavelength differs from scan 1's");
            }
            spectrum.value[k] += rows.rows[k][cd];
            if (dynode != names.end()) {
                htSum[k] += rows.rows[k][static_cast<std::size_t>(dynode - names.begin())];
            }
        }
        ++scans;
        i = rows.end - 1;
    }
    for (std::size_t k = 0; k < spectrum.value.size(); ++k) {
        spectrum.value[k] /= scans;
        htSum[k] /= scans;
    }
    if (std::any_of(htSum.begin(), htSum.end(), [](double v) { return v != 0.0; })) {
        spectrum.ht = htSum;
    }
    spectrum.defaultHtMax = 500.0;
    return spectrum;
}

}  // namespace tavrelion::spectrumio
