#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ColumnText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

bool NamesHt(std::string_view name) {
    const std::string upper = store::UpperCase(name);
    return upper.starts_with("HT") || upper.starts_with("HV") ||
           upper.find("VOLT") != std::string::npos || upper.find("DYNODE") != std::string::npos;
}

}  // namespace

// Comment lines (#) and header lines before the first row of numbers are skipped; the last
// header line names the columns: a unit in the value column's name is taken, and a third column
// named HT, HV, dynode or voltage is the HT channel.
ColumnSpectrum ReadPlainColumnsText(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    ColumnSpectrum spectrum;
    spectrum.kind = "plain columns";
    std::string names;
    std::size_t i = 0;
    for (; i < lines.size() && !StartsWithNumbers(lines[i], 2); ++i) {
        const std::string line = Trimmed(lines[i]);
        if (!line.empty() && line[0] != '#') {
            names = line;
        }
    }
    if (i == lines.size()) {
        throw ColumnFileProblem(0, "no row of at least two numbers");
    }
    const NumberRows rows = ReadNumberRows(
        lines, i, 2, [](const std::string& line) { return Trimmed(line).starts_with("#"); });
    const std::vector<std::string_view> columns = SplitCells(names, SeparatorOf(lines[i]));
    if (columns.size() >= 2) {
        spectrum.unitLabel = std::string(columns[1]);
        spectrum.unit = CdUnitFromLabel(columns[1]);
    }
    const bool hasHt = columns.size() >= 3 && NamesHt(columns[2]);
    for (const auto& row : rows.rows) {
        spectrum.wavelength.push_back(row[0]);
        spectrum.value.push_back(row[1]);
        if (hasHt && row.size() >= 3) {
            spectrum.ht.push_back(row[2]);
        }
    }
    if (spectrum.ht.size() != spectrum.value.size()) {
        spectrum.ht.clear();
    }
    return spectrum;
}

}  // namespace tavrelion::spectrumio
