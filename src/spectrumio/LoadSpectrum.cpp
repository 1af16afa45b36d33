#include "spectrumio/LoadSpectrum.h"

#include <cmath>
#include <string>

#include "spectrumio/FileKindReaders.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

ReadOutcome ReadByExtension(store::SpectrumStore& store, int slot, LoadServices& services,
                            SlotExtremes& extremes) {
    const std::string& name = store.SpectrumFileName;
    const std::string extension =
        store::UpperCase(name.size() >= 3 ? name.substr(name.size() - 3) : name);
    if (extension == "ASC") {
        return ReadInstrumentAscii(store, slot, services, extremes);
    }
    if (extension == "JCD") {
        return ReadJcd(store, slot, services, extremes);
    }
    if (extension == "TVR") {
        return ReadTvr(store, slot, services, extremes);
    }
    return ReadOutcome::ReachedCommonEnding;
}

void ReportReadError(const store::SpectrumStore& store, const store::BasicError& error,
                     platform::MessageService& messages) {
    if (store.RawPointCount > store::MaxPoints) {
        messages.showMessage("Too much data", platform::MessageIcon::Critical);
    }
    messages.showMessage("Error " + store::GeneralForm(error.number()) + " in format",
                         platform::MessageIcon::Critical);
}

}  // namespace

bool LoadSpectrum(store::SpectrumStore& store, int slot, LoadServices& services) {
    store.DataUnit = store::UnitNotRecognised;
    SlotExtremes extremes;
    try {
        if (ReadByExtension(store, slot, services, extremes) == ReadOutcome::LoadEnded) {
            return false;
        }
        store.SlotRange(slot) = std::fabs(extremes.maximum) + std::fabs(extremes.minimum);
        store.SlotMin(slot) = extremes.minimum;
        store.SlotMax(slot) = extremes.maximum;
    } catch (const store::BasicError& error) {
        ReportReadError(store, error, services.messages);
        --store.SpectrumCount;
        return false;
    }
    if (store.DataUnit == store::UnitNotRecognised) {
        services.messages.showMessage("Unrecognized unity, please convert your data as TVR files",
                                      platform::MessageIcon::Critical);
        --store.SpectrumCount;
        return false;
    }
    return true;
}

}  // namespace tavrelion::spectrumio
