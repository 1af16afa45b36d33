#include "spectrumio/SpectrumGrid.h"

#include <cmath>

#include "spectrumio/FileKindReaders.h"
#include "spectrumio/UnitConversion.h"
#include "store/BasicError.h"

namespace tavrelion::spectrumio {

using store::Int16;

double RawIndexOfGridPoint(int gridPoint, double step) {
    return std::nearbyint((gridPoint - 1) / step + 1);  // the default rounding is half to even
}

// The grid runs from the file's first wavelength to its last value's (whole nm, rounded down),
// so that every grid point stands on a value of the file and none reads as a made-up 0.
void SetInstrumentGridEnds(store::SpectrumStore& store) {
    const Int16 span = store::FloorToInt16(store.WavelengthStep * (store.RawPointCount - 1));
    store.LastWavelength = store::CheckedInt16(store.FirstWavelength + span);
    store.PointCount = store::CheckedInt16(store.LastWavelength - store.FirstWavelength + 1);
}

void BuildGrid(store::SpectrumStore& store, int slot, LoadProgress& progress) {
    // A file that declares no values, or a step that turns the grid around, has no spectrum to
    // show; loading it would report an empty spectrum as a success.
    if (store.RawPointCount < 1 || store.PointCount < 1) {
        throw store::BasicError(store::SubscriptOutOfRange);
    }
    const auto convert = [&store](double value) {
        return ToMeanResidueEllipticity(value, store.DataUnit, store.CellWidth,
                                        store.ResidueConcentration);
    };
    store.SlotStep(slot) = store.WavelengthStep;
    for (int i = 1; i <= store.PointCount; ++i) {
        store.SpectrumWavelength(i) = store::CheckedInt16(store.FirstWavelength + i - 1);
        const long k = store::RoundHalfEven(RawIndexOfGridPoint(i, store.WavelengthStep));
        store.SpectrumValue(i) = convert(store.RawValue(static_cast<int>(k)));
    }
    // The slot keeps every value of the file, its last one included.
    store.SlotRawCount(slot) = store.RawPointCount;
    store.SlotFirstWavelength(slot) = store.SpectrumWavelength(1);
    store.DisplayFirstWavelength = store.SpectrumWavelength(1);
    store.SlotLastWavelength(slot) = store.SpectrumWavelength(store.PointCount);
    store.DisplayLastWavelength = store.SpectrumWavelength(store.PointCount);
    for (int i = 1; i <= store.RawPointCount; ++i) {
        const double value = convert(store.RawValue(i));
        store.SlotValue(i, slot) = value;
        progress.include(value);
    }
}

}  // namespace tavrelion::spectrumio
