#include "drivers/ContinInput.h"

#include <vector>

#include "drivers/ExchangeFile.h"
#include "store/NumberText.h"

namespace tavrelion::drivers {

namespace {

constexpr std::size_t LineLength = 76;
constexpr int HighestWavelength = 240;
constexpr int LowestWavelength = 190;
constexpr int ValuesPerLine = 7;

std::string Blanks(std::size_t count) {
    return std::string(count, ' ');
}

// text padded with blanks so that it ends just before the 1-based column.
std::string UpToColumn(const std::string& text, std::size_t column) {
    return text.size() + 1 < column ? text + Blanks(column - 1 - text.size()) : text;
}

std::string ControlLine(const std::string& text) {
    return UpToColumn(text, LineLength + 1);
}

// A control line: the name, an index in columns 11-12 (when given) and a value ending in column 27.
std::string ControlLine(const std::string& name, const std::string& index,
                        const std::string& value) {
    std::string line = name;
    if (!index.empty()) {
        line = UpToColumn(line, 11) + index;
    }
    return ControlLine(UpToColumn(line, 28 - value.size()) + value);
}

bool InDataRange(int wavelength) {
    return wavelength >= LowestWavelength && wavelength <= HighestWavelength;
}

}  // namespace

std::string ContinValueField(double value) {
    const std::string text = store::FormatPattern(value, "0");
    const std::string aligned = text.size() < 6 ? Blanks(6 - text.size()) + text : text;
    return "  " + aligned + ".";
}

void WriteContinInput(const store::SpectrumStore& store, const std::filesystem::path& folder) {
    std::vector<std::string> lines = {
        ControlLine(" TEST DATA SET 1 - FOR CD PACKAGE"),
        ControlLine(" IFORMY"),
        ControlLine(" (7F9.0)"),
        ControlLine(" LAST", "", "1."),
        ControlLine(" IWT", "", "5."),
        ControlLine(" IUSER", "14", "31."),
        ControlLine(" IUSER", "15", "-1."),
        ControlLine(" RUSER", "14", "1."),
        ControlLine(" RUSER", "15", ".03"),
        ControlLine(" RUSER", "16", "500."),
        ControlLine(" END"),
    };
    int count = 0;
    for (int i = 1; i <= store.PointCount; ++i) {
        if (InDataRange(store.SpectrumWavelength(i))) {
            ++count;
        }
    }
    lines.push_back(" NSTEND  " + store::RightAlignNumber(count, 2) + " " + Blanks(10) + "240." +
                    Blanks(11) + "190." + Blanks(34));
    std::string line;
    for (int i = store.PointCount; i >= 1; --i) {
        const int wavelength = store.SpectrumWavelength(i);
        if (!InDataRange(wavelength)) {
            continue;
        }
        line += ContinValueField(store.SpectrumValue(i));
        if ((HighestWavelength - wavelength + 1) % ValuesPerLine == 0) {
            lines.push_back(line + Blanks(13));
            line.clear();
        }
    }
    WriteWithOpenLastLine(folder / "CONTIN.IN", lines, line);
}

}  // namespace tavrelion::drivers
