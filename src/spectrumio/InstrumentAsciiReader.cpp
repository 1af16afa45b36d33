#include <string>

#include "spectrumio/FileKindReaders.h"
#include "spectrumio/UnitConversion.h"
#include "spectrumio/UnitDialogModel.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

using store::TextFileReader;

// CD6 exports name their unit on line 22 in the instrument's own character set.
store::Int16 Cd6UnitFromLabel(const std::string& label) {
    if (label == "\x5B\xE9\x5D" || label == "[=E9]") {
        return store::UnitMolarEllipticity;
    }
    if (label == "\x7F\x41") {
        return store::UnitDeltaA;
    }
    if (label == "\xE9 (deg)") {
        return store::UnitThetaDegrees;
    }
    if (label == "\x7F\xEE") {
        return store::UnitDeltaEpsilon;
    }
    return store::UnitNotRecognised;
}

void KeepLines(TextFileReader& file, store::SpectrumStore& store, int first, int last) {
    for (int line = first; line <= last; ++line) {
        store.FileLine(line) = file.readLine();
    }
}

void KeepItems(TextFileReader& file, store::SpectrumStore& store, int first, int last) {
    for (int line = first; line <= last; ++line) {
        store.FileLine(line) = file.readItem();
    }
}

// A CD6 export is addressed by line number: header values on fixed lines, values from line 157.
ReadOutcome ReadCd6(store::SpectrumStore& store, int slot, LoadServices& services,
                    LoadProgress& progress) {
    TextFileReader file(store.SpectrumFileName, &progress.position);
    KeepLines(file, store, 1, 21);
    store.UnitLabel = file.readItem();
    store.FileLine(22) = store.UnitLabel + "     ";
    store.DataUnit = Cd6UnitFromLabel(store.UnitLabel);
    KeepLines(file, store, 23, 104);
    store.FileLine(105) = file.readItem();
    store.ResidueConcentration = store::NumberOf(store.FileLine(105));
    KeepLines(file, store, 106, 108);
    store.CellWidth = store::NumberOf(store.FileLine(108));
    KeepLines(file, store, 109, 117);
    KeepItems(file, store, 118, 120);
    store.FirstWavelength = store::WholeOf(store.FileLine(118));
    store.RawPointCount = store::WholeOf(store.FileLine(119));
    progress.pointCountRead = true;
    store.WavelengthStep = store::NumberOf(store.FileLine(120));

    if (store.DataUnit != store::UnitMolarEllipticity) {
        UnitDialogModel dialog(store);
        services.dialogs.showUnitDialog(dialog);
        if (store.DialogAccepted == 0) {
            --store.SpectrumCount;
            return ReadOutcome::LoadEnded;
        }
    }
    KeepItems(file, store, 121, 156);
    store.RawValue.fill(0.0);
    for (int j = 1; j <= store.RawPointCount; ++j) {
        store.RawValue(j) = store::NumberOf(file.readItem());
        ReadEllipticity(store.RawValue(j), store.DataUnit, store.CellWidth,
                        store.ResidueConcentration);
    }
    SetInstrumentGridEnds(store);
    BuildGrid(store, slot, progress);
    store.SpectrumLoaded = 1;
    services.listener.spectrumStored(CorrectionsMenu::Enable);
    return ReadOutcome::ReachedCommonEnding;
}

void SkipLinesThrough(TextFileReader& file, const std::string& marker, bool stopAtEnd) {
    while (!(stopAtEnd && file.atEnd())) {
        if (file.readLine().find(marker) != std::string::npos) {
            return;
        }
    }
}

// CDMAX data lines may carry a decimal comma and a trailing "# comment".
std::string CleanCdmaxDataLine(const std::string& line) {
    std::string cleaned = store::ReplaceChar(line, ',', '.');
    const std::size_t hash = cleaned.rfind('#');
    if (hash != std::string::npos && hash + 1 >= 3) {
        cleaned.erase(hash);
    }
    return cleaned;
}

std::string CdmaxOtherUnitLine(double unitCode) {
    if (unitCode == 140) {
        return "           Data in Delta A ";
    }
    if (unitCode == 141) {
        return "           Data in Delta Epsilon ";
    }
    if (unitCode == 142) {
        return "           Data in Theta in Deg";
    }
    return "           Data in Theta in mDeg";
}

ReadOutcome ReadCdmax(store::SpectrumStore& store, int slot, LoadServices& services,
                      LoadProgress& progress) {
    TextFileReader file(store.SpectrumFileName, &progress.position);
    KeepItems(file, store, 1, 23);
    store.FirstWavelength = store::WholeOf(file.readItem());
    file.readItem();
    store.WavelengthStep = store::NumberOf(file.readItem());
    store.RawPointCount = store::WholeOf(file.readItem());
    progress.pointCountRead = true;
    SkipLinesThrough(file, "Block #1 parameters", false);
    const double unitCode = store::NumberOf(store::Mid(file.readItem(), 1, 4));
    if (unitCode == 144) {
        store.DataUnit = store::UnitMolarEllipticity;
    } else if (unitCode >= 140 && unitCode <= 143 && unitCode == static_cast<int>(unitCode)) {
        services.messages.showMessage(
            "Please convert your data in Molar ellipticity Deg.M-1.cm-1 with CDmax\r\n\r\n\r\n" +
                CdmaxOtherUnitLine(unitCode),
            platform::MessageIcon::None);
        --store.SpectrumCount;
        return ReadOutcome::LoadEnded;
    }
    SkipLinesThrough(file, "Spectrum #1 : Region 1 : Bloc 1 data:", true);
    store.RawValue.fill(0.0);
    // A file that ends before its declared values is cut short, and refused as such.
    for (int j = 1; j <= store.RawPointCount; ++j) {
        store.FileLine(j) = file.readLine();
        store.RawValue(j) = store::NumberOf(CleanCdmaxDataLine(store.FileLine(j)));
        ReadEllipticity(store.RawValue(j), store.DataUnit, store.CellWidth,
                        store.ResidueConcentration);
    }
    SetInstrumentGridEnds(store);
    BuildGrid(store, slot, progress);
    store.SpectrumLoaded = 1;
    services.listener.spectrumStored(CorrectionsMenu::Enable);
    return ReadOutcome::ReachedCommonEnding;
}

}  // namespace

ReadOutcome ReadInstrumentAscii(store::SpectrumStore& store, int slot, LoadServices& services,
                                LoadProgress& progress) {
    bool isCd6 = false;
    bool isCdmax = false;
    {
        TextFileReader file(store.SpectrumFileName, &progress.position);
        isCd6 = file.readLine().find("CD6") != std::string::npos;
        isCdmax = file.readLine() == "RUBISDATA2";
    }
    if (isCdmax) {
        return ReadCdmax(store, slot, services, progress);
    }
    if (isCd6) {
        return ReadCd6(store, slot, services, progress);
    }
    return ReadOutcome::ReachedCommonEnding;
}

}  // namespace tavrelion::spectrumio
