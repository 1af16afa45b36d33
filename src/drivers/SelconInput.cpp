#include "drivers/SelconInput.h"

#include "drivers/ExchangeFile.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::drivers {

namespace {
constexpr double DeltaEpsilonDivisor = 3300.0;
constexpr int ValuesPerLine = 15;
}  // namespace

std::string SelconValueField(double deltaEpsilon) {
    // The blanks follow the rounded text, so that a value that rounds across 0 or 10 keeps the
    // six-character field of its neighbours.
    const std::string text = store::FormatPattern(deltaEpsilon, "0.00");
    const std::string lead = text.size() >= 5 ? " " : "  ";
    return store::ReplaceChar(lead + text, ',', '.');
}

std::vector<std::string> SelconDataBlock(const store::SpectrumStore& store) {
    std::vector<std::string> lines;
    std::string line;
    int written = 0;
    for (int i = store.PointCount; i >= 1; --i) {
        line += SelconValueField(store.SpectrumValue(i) / DeltaEpsilonDivisor);
        ++written;
        if (written % ValuesPerLine == 0 || i == 1) {
            lines.push_back(line);
            line.clear();
        }
    }
    return lines;
}

void WriteSelcon2Input(const store::SpectrumStore& store, const SelconSettings& settings,
                       const std::filesystem::path& folder) {
    store::TextFileWriter file(folder / "test.dat");
    file.writeLine(" TEST");
    file.writeLine(store::RightAlignNumber(store.PointCount, 3) +
                   store::RightAlignNumber(settings.SelconClassCount, 3) + "   1.000" + "   " +
                   store::GeneralForm(settings.SelconTolerance / 100.0) + "      .000" +
                   store::RightAlignNumber(settings.SelconIterations, 3) +
                   "    .002    .250     .150");
    file.writeLine(store::GeneralForm(store.LastWavelength) + ".00000" +
                   store::GeneralForm(store.FirstWavelength) + ".00000" +
                   store::RightAlignNumber(1, 4) + "    0");
    file.writeLine(" TEST");
    for (const auto& line : SelconDataBlock(store)) {
        file.writeLine(line);
    }
    file.writeLine(std::string(1, '\0'));
}

void WriteSelcon3Input(const store::SpectrumStore& store, const std::filesystem::path& folder) {
    store::TextFileWriter file(folder / "INPUT");
    file.writeLine("#");
    file.writeLine("#");
    file.writeLine("       0        5      0       0       1 ");
    file.writeLine("#");
    file.writeLine("#");
    file.writeLine(" SAMPLE INPUT:  " +
                   ExchangeFileName(store.SpectrumFileName, SelconSampleNameWidth));
    file.writeLine("#");
    file.writeLine("#");
    file.writeLine("    " + store::GeneralForm(store.LastWavelength) + ".00000" + "   " +
                   store::GeneralForm(store.FirstWavelength) + ".00000" + "    1");
    file.writeLine("#");
    file.writeLine("#");
    for (const auto& line : SelconDataBlock(store)) {
        file.writeLine(line);
    }
    file.writeLine("#");
    file.writeLine("#");
    file.writeLine("        0");
}

}  // namespace tavrelion::drivers
