#include "spectrumio/LoadSpectrum.h"

#include <cmath>
#include <string>

#include "spectrumio/FileKindReaders.h"
#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

ReadOutcome ReadByExtension(store::SpectrumStore& store, int slot, LoadServices& services,
                            LoadProgress& progress) {
    const std::string& name = store.SpectrumFileName;
    const std::string extension =
        store::UpperCase(name.size() >= 3 ? name.substr(name.size() - 3) : name);
    if (extension == "ASC") {
        return ReadInstrumentAscii(store, slot, services, progress);
    }
    if (extension == "JCD") {
        return ReadJcd(store, slot, services, progress);
    }
    if (extension == "TVR") {
        return ReadTvr(store, slot, services, progress);
    }
    // A missing file says so, whatever its extension.
    { const store::TextFileReader opened(name, &progress.position); }
    return ReadColumnFile(store, slot, services, progress);
}

void ReportReadError(const store::SpectrumStore& store, const LoadProgress& progress,
                     const store::BasicError& error, platform::MessageService& messages) {
    // Only this file's own count tells that it holds too much data; an earlier file's does not.
    if (progress.pointCountRead && store.RawPointCount > store::MaxPoints) {
        messages.showMessage("Too much data", platform::MessageIcon::Critical);
    }
    const std::string what = error.reason().empty()
                                 ? "Error " + store::GeneralForm(error.number()) + " in format"
                                 : error.reason();
    const std::string where = progress.position.describe();
    messages.showMessage(where.empty() ? what : what + "\r\n" + where,
                         platform::MessageIcon::Critical);
}

}  // namespace

bool LoadSpectrum(store::SpectrumStore& store, int slot, LoadServices& services) {
    store.DataUnit = store::UnitNotRecognised;
    LoadProgress progress;
    try {
        if (ReadByExtension(store, slot, services, progress) == ReadOutcome::LoadEnded) {
            return false;
        }
        store.SlotRange(slot) = std::fabs(progress.maximum) + std::fabs(progress.minimum);
        store.SlotMin(slot) = progress.minimum;
        store.SlotMax(slot) = progress.maximum;
    } catch (const store::BasicError& error) {
        ReportReadError(store, progress, error, services.messages);
        --store.SpectrumCount;
        return false;
    }
    store.SlotHtCut(slot) = progress.htCutWavelength;
    if (store.DataUnit == store::UnitNotRecognised) {
        services.messages.showMessage("Unrecognized unity, please convert your data as TVR files",
                                      platform::MessageIcon::Critical);
        --store.SpectrumCount;
        return false;
    }
    store.SlotCorrectionChain(slot).clear();  // a spectrum as read carries no correction
    store.SlotDeviationCount(slot) = 0;
    store.HtCutNote = progress.htCutNote;
    return true;
}

}  // namespace tavrelion::spectrumio
