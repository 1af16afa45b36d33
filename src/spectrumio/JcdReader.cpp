#include <filesystem>
#include <string>

#include "spectrumio/FileKindReaders.h"
#include "spectrumio/UnitConversion.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// A data line is the wavelength, a tab and the value, followed by a tab and the HT voltage or
// not. A line without a tab, or without a number after it, has no value (error 5).
double DataLineValue(const std::string& line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
        throw store::BasicError(store::InvalidArgument);
    }
    const std::size_t next = line.find('\t', tab + 1);
    const std::string field =
        line.substr(tab + 1, next == std::string::npos ? std::string::npos : next - tab - 1);
    if (!store::ReadsAsNumber(field)) {
        throw store::BasicError(store::InvalidArgument);
    }
    return store::NumberOf(field);
}

}  // namespace

ReadOutcome ReadJcd(store::SpectrumStore& store, int slot, LoadServices& services,
                    LoadProgress& progress) {
    store.DataUnit = store::UnitNotRecognised;
    store::TextFileReader file(store.SpectrumFileName, &progress.position);
    store::TextFileWriter temporary(store::WorkFile(store, "CD.TMP"));

    for (int line = 1; line <= 23; ++line) {
        store.FileLine(line) = file.readLine();
        const std::string& text = store.FileLine(line);
        if (Contains(text, "Mol. Ellip.") && Contains(text, "Data mode")) {
            store.DataUnit = store::UnitMolarEllipticity;
        } else if (Contains(text, "CD") && Contains(text, "Data mode")) {
            store.DataUnit = store::UnitDeltaEpsilon;
        }
    }
    if (store.DataUnit != store::UnitMolarEllipticity) {
        services.messages.showMessage("You must convert your data into mean molecular ellipticity",
                                      platform::MessageIcon::None);
        --store.SpectrumCount;
        return ReadOutcome::LoadEnded;
    }
    temporary.writeLine("Molecular ellipticity");
    temporary.writeLine(store::TextAfterLast(store.SlotLabel(slot), ' '));

    store.LastWavelength = store::WholeOf(store::Mid(store.FileLine(14), 8, 4));
    store.FirstWavelength = store::WholeOf(store::Mid(store.FileLine(15), 7, 4));
    store.WavelengthStep = store::NumberOf(store::Mid(store.FileLine(16), 15, 20));
    store.ResidueConcentration = store::TabField(store.FileLine(5), '\t');
    // The path length is kept in centimetres, the unit the conversion dialogs ask for.
    store.CellWidth = store::TabField(store.FileLine(4), '\t');

    const store::Int16 span = store::CheckedInt16(store.LastWavelength - store.FirstWavelength);
    // The data run from the highest to the lowest wavelength, both ends included.
    store.RawPointCount = store::CheckedInt16(store::RoundToInt16(span / store.WavelengthStep) + 1);
    progress.pointCountRead = true;
    store.RawValue.fill(0.0);
    // Data lines run from the highest wavelength down; the values are kept in ascending order.
    for (int n = 1; n <= store.RawPointCount; ++n) {
        const int index = store.RawPointCount - n + 1;
        store.FileLine(index) = file.readLine();
        store.RawValue(index) = DataLineValue(store.FileLine(index));
        ReadEllipticity(store.RawValue(index), store.DataUnit, store.CellWidth,
                        store.ResidueConcentration);
    }
    store.PointCount = store::CheckedInt16(span + 1);
    BuildGrid(store, slot, progress);
    store.SpectrumLoaded = 1;
    services.listener.spectrumStored(CorrectionsMenu::Disable);
    return ReadOutcome::ReachedCommonEnding;
}

}  // namespace tavrelion::spectrumio
