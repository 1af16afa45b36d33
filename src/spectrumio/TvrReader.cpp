#include "spectrumio/FileKindReaders.h"
#include "spectrumio/UnitConversion.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

namespace tavrelion::spectrumio {

ReadOutcome ReadTvr(store::SpectrumStore& store, int slot, LoadServices& services,
                    LoadProgress& progress) {
    store.DataUnit = store::UnitTvrSpectrum;
    store.SlotStep(slot) = 1;
    store.WavelengthStep = 1;
    {
        store::TextFileReader file(store.SpectrumFileName, &progress.position);
        file.readLine();
        store.RawPointCount = store::WholeOf(file.readItem());
        progress.pointCountRead = true;
        store.UnitLabel = file.readItem();
        // Nothing to show, or more than a slot holds.
        if (store.RawPointCount < 1 || store.RawPointCount > store::MaxPoints) {
            throw store::BasicError(store::SubscriptOutOfRange);
        }
        // The slot is stored at 1 nm from the first wavelength, so the pairs must stand there:
        // a file cut short, or one whose wavelengths fall, skip or repeat, is refused.
        for (int i = 1; i <= store.RawPointCount; ++i) {
            store.SpectrumWavelength(i) = store::WholeOf(file.readItem());
            if (i > 1 && store.SpectrumWavelength(i) != store.SpectrumWavelength(i - 1) + 1) {
                throw store::BasicError(
                    store::InvalidArgument,
                    "The wavelength" + store::GeneralForm(store.SpectrumWavelength(i)) +
                        " does not follow" + store::GeneralForm(store.SpectrumWavelength(i - 1)) +
                        " by 1 nm: a TVR file lists its values at rising wavelengths 1 nm apart");
            }
            store.SpectrumValue(i) =
                ReadEllipticity(store::NumberOf(file.readItem()), store.DataUnit, 0.0, 0.0);
        }
    }
    store.PointCount = store.RawPointCount;
    store.FirstWavelength = store.SpectrumWavelength(1);
    store.LastWavelength = store.SpectrumWavelength(store.PointCount);
    store.SlotRawCount(slot) = store.PointCount;
    store.SlotFirstWavelength(slot) = store.SpectrumWavelength(1);
    store.DisplayFirstWavelength = store.SpectrumWavelength(1);
    store.SlotLastWavelength(slot) = store.SpectrumWavelength(store.PointCount);
    store.DisplayLastWavelength = store.SpectrumWavelength(store.PointCount);
    for (int i = 1; i <= store.PointCount; ++i) {
        store.SlotValue(i, slot) = store.SpectrumValue(i);
        progress.include(store.SpectrumValue(i));
    }
    store.SpectrumLoaded = 1;
    services.listener.spectrumStored(CorrectionsMenu::Keep);
    return ReadOutcome::ReachedCommonEnding;
}

}  // namespace tavrelion::spectrumio
