#include <map>

#include "spectrumio/ColumnReaders.h"
#include "spectrumio/ColumnText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

// "KEY<sep>value" with sep tab, ';' or ','; the key in upper case.
std::pair<std::string, std::string> HeaderEntry(const std::string& line) {
    const std::size_t at = line.find_first_of("\t;,");
    if (at == std::string::npos) {
        return {store::UpperCase(Trimmed(line)), ""};
    }
    std::string value = Trimmed(line.substr(at + 1));
    while (!value.empty() && (value.back() == ',' || value.back() == ';' || value.back() == '\t')) {
        value.pop_back();
    }
    return {store::UpperCase(Trimmed(line.substr(0, at))), Trimmed(value)};
}

bool IsChannelLine(const std::string& line) {
    return store::UpperCase(Trimmed(line)).starts_with("CHANNEL");
}

bool IsTrailer(const std::string& line) {
    return line.starts_with("#####");
}

// Channel 1 is the CD, channel 2 the HT; each a block of x,y rows after its "Channel n" line.
void ReadChannels(const std::vector<std::string>& lines, std::size_t first,
                  ColumnSpectrum& spectrum) {
    std::vector<std::vector<std::vector<double>>> channels;
    std::size_t i = first;
    while (i < lines.size() && IsChannelLine(lines[i])) {
        const NumberRows block = ReadNumberRows(lines, i + 1, 2, [](const std::string& line) {
            return IsChannelLine(line) || IsTrailer(line);
        });
        channels.push_back(block.rows);
        i = block.end;
        while (i < lines.size() && Trimmed(lines[i]).empty()) {
            ++i;
        }
    }
    for (const auto& row : channels.at(0)) {
        spectrum.wavelength.push_back(row[0]);
        spectrum.value.push_back(row[1]);
    }
    if (channels.size() >= 2) {
        if (channels[1].size() != channels[0].size()) {
            throw ColumnFileProblem(static_cast<int>(first) + 1,
                                    "channel 2 (HT) has " + std::to_string(channels[1].size()) +
                                        " rows, channel 1 (CD) " +
                                        std::to_string(channels[0].size()));
        }
        for (const auto& row : channels[1]) {
            spectrum.ht.push_back(row[1]);
        }
    }
}

}  // namespace

ColumnSpectrum ReadJascoText(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    ColumnSpectrum spectrum;
    spectrum.kind = "JASCO";
    std::map<std::string, std::string> header;
    std::size_t data = 0;
    while (data < lines.size() && HeaderEntry(lines[data]).first != "XYDATA") {
        header.insert(HeaderEntry(lines[data]));
        ++data;
    }
    if (data == lines.size()) {
        throw ColumnFileProblem(0, "the XYDATA line that starts the data is missing");
    }
    spectrum.unitLabel = header["YUNITS"];
    spectrum.unit = CdUnitFromLabel(spectrum.unitLabel);
    const bool hasHt = store::UpperCase(header["Y2UNITS"]).starts_with("HT");
    const std::size_t first = data + 1;
    if (first < lines.size() && IsChannelLine(lines[first])) {
        ReadChannels(lines, first, spectrum);
    } else {
        const NumberRows rows = ReadNumberRows(lines, first, 2, IsTrailer);
        for (const auto& row : rows.rows) {
            spectrum.wavelength.push_back(row[0]);
            spectrum.value.push_back(row[1]);
            if (hasHt && row.size() >= 3) {
                spectrum.ht.push_back(row[2]);
            }
        }
        if (hasHt && spectrum.ht.size() != spectrum.value.size()) {
            spectrum.ht.clear();  // HT named but not in every row: not used
        }
    }
    const std::string& declared = header["NPOINTS"];
    if (!declared.empty()) {
        const auto count = CellNumber(declared, '\t');
        if (!count || *count != static_cast<double>(spectrum.wavelength.size())) {
            throw ColumnFileProblem(static_cast<int>(data) + 1,
                                    "NPOINTS says " + declared + " but the data hold " +
                                        std::to_string(spectrum.wavelength.size()) + " rows");
        }
    }
    return spectrum;
}

}  // namespace tavrelion::spectrumio
