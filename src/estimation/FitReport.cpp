#include "estimation/FitReport.h"

#include <filesystem>

#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

namespace tavrelion::estimation {
namespace {

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

// A bare number in a text file: its general form and one blank.
std::string BareNumber(double value) {
    return store::GeneralForm(value) + ' ';
}

}  // namespace

std::string FitReportRow(const FitResults& results, int setNumber) {
    std::string row = " " + results.FitSetName(setNumber) + Blanks(16);
    const auto& helix = results.FitHelix(setNumber);
    const auto& sheet = results.FitSheet(setNumber);
    const auto& turn = results.FitTurn(setNumber);
    const auto& coil = results.FitCoil(setNumber);
    if (!helix || !sheet || !coil) {
        return row + "no solution";
    }
    const bool fourColumns = setNumber == Bolotina || setNumber == Chang;
    row += store::FormatPattern(*helix, "0.00") + Blanks(3) + store::FormatPattern(*sheet, "0.00");
    if (fourColumns) {
        row += Blanks(3) + store::FormatPattern(turn.value_or(0.0), "0.00") + Blanks(9);
    } else {
        row += Blanks(15);
    }
    const double total = *helix + *sheet + turn.value_or(0.0) + *coil;
    return row + store::FormatPattern(*coil, "0.00") + Blanks(4) +
           store::FormatPattern(total, "00.00");
}

void WriteFitReport(const store::SpectrumStore& store, const FitResults& results) {
    const std::filesystem::path file = store::WorkFile(store, "FIT.VAL");
    try {
        store::TextFileWriter report(file);
        report.writeLine(" TAVRELION results");
        report.writeLine(" File: " + store.SpectrumFileName);
        report.writeLine("Correction of data for baseline " + BareNumber(store.BaselineCorrection));
        report.writeLine("Your spectrum data are multiplied by " +
                         BareNumber(store.MultiplyFactor));
        if (!store.HtCutNote.empty()) {
            report.writeLine(store.HtCutNote);
        }
        report.writeLine("            Helix     Sheet    Turn     Coil     Total");
        for (int setNumber = 1; setNumber <= ReferenceSetCount; ++setNumber) {
            report.writeLine(FitReportRow(results, setNumber));
        }
    } catch (const store::BasicError&) {
        // A report cut short by a full disk must not pass for a complete one.
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

}  // namespace tavrelion::estimation
