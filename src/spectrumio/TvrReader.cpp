#include "spectrumio/FileKindReaders.h"
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
        store::TextFileReader file(store.SpectrumFileName);
        file.readLine();
        store.RawPointCount = store::WholeOf(file.readItem());
        progress.pointCountRead = true;
        store.UnitLabel = file.readItem();
        if (store.RawPointCount < 1) {
            throw store::BasicError(store::SubscriptOutOfRange);  // nothing to show
        }
        int pairsRead = 0;
        for (int i = 1; i <= store.RawPointCount && !file.atEnd(); ++i) {
            store.SpectrumWavelength(i) = store::WholeOf(file.readItem());
            store.SpectrumValue(i) = store::NumberOf(file.readItem());
            pairsRead = i;
        }
        if (pairsRead == 0) {
            throw store::BasicError(store::InputPastEndOfFile);
        }
        // A file that ends before its declared count goes on at 1 nm with zeros, as the slot's
        // own step already assumes.
        for (int i = pairsRead + 1; i <= store.RawPointCount; ++i) {
            store.SpectrumWavelength(i) = store::CheckedInt16(store.SpectrumWavelength(i - 1) + 1);
            store.SpectrumValue(i) = 0.0;
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
