#include <map>

#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ColumnText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

// A property line holds one name and nothing else but empty cells: "CircularDichroism,,,".
std::string PropertyName(const std::string& line) {
    std::vector<std::string_view> cells = SplitCells(line, ',');
    while (!cells.empty() && cells.back().empty()) {
        cells.pop_back();
    }
    if (cells.size() != 1 || cells[0].empty() || cells[0].back() == ':' || cells[0][0] == '#' ||
        CellNumber(cells[0], ',')) {
        return "";
    }
    return std::string(cells[0]);
}

// The wavelength of a data row, if the line is one: a number in the first cell.
bool IsDataRow(std::string_view line) {
    const std::size_t comma = line.find(',');
    return comma != std::string_view::npos && CellNumber(line.substr(0, comma), ',').has_value();
}

struct Block {
    std::vector<double> wavelength;
    std::vector<double> mean;
};

// The rows of one block from line i on: each the wavelength and its repeats, averaged.
Block ReadBlock(const std::vector<std::string>& lines, std::size_t& i) {
    Block block;
    while (i < lines.size() && !IsDataRow(lines[i]) && PropertyName(lines[i]).empty()) {
        ++i;  // selector lines, the axis line, the row of repeat numbers
    }
    for (; i < lines.size() && IsDataRow(lines[i]); ++i) {
        const std::vector<double> row = NumberRow(lines[i], i, ',', 2);
        double sum = 0;
        for (std::size_t k = 1; k < row.size(); ++k) {
            sum += row[k];
        }
        block.wavelength.push_back(row[0]);
        block.mean.push_back(sum / static_cast<double>(row.size() - 1));
    }
    return block;
}

double PathlengthCm(const std::string& line) {
    const std::string text = store::UpperCase(line);
    const std::size_t colon = text.find(':');
    const std::string value = text.substr(colon + 1);
    const std::vector<std::string_view> words = SplitCells(value, ' ');
    const auto number = words.empty() ? std::nullopt : CellNumber(words[0], ' ');
    if (!number) {
        return 0.0;
    }
    return text.find("MM") != std::string::npos ? *number / 10.0 : *number;
}

}  // namespace

ColumnSpectrum ReadChirascanText(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    ColumnSpectrum spectrum;
    spectrum.kind = "Chirascan";
    spectrum.unit = CdUnit::Millidegrees;
    spectrum.unitLabel = "mdeg";
    std::map<std::string, Block> blocks;
    for (std::size_t i = 1; i < lines.size();) {
        const std::string name = PropertyName(lines[i]);
        const std::string upper = store::UpperCase(lines[i]);
        if (upper.starts_with("#CELL1 PATHLENGTH") && lines[i].find(':') != std::string::npos) {
            spectrum.stated.pathCm = PathlengthCm(lines[i]);
        }
        ++i;
        if (!name.empty() && !blocks.contains(name)) {
            blocks[name] = ReadBlock(lines, i);
        }
    }
    const auto cd = blocks.find("CircularDichroism");
    if (cd == blocks.end()) {
        throw ColumnFileProblem(0, "the CircularDichroism block is missing");
    }
    spectrum.wavelength = cd->second.wavelength;
    spectrum.value = cd->second.mean;
    const auto hv = blocks.find("HV");
    if (hv != blocks.end() && hv->second.wavelength == spectrum.wavelength) {
        spectrum.ht = hv->second.mean;
    }
    return spectrum;
}

}  // namespace tavrelion::spectrumio
