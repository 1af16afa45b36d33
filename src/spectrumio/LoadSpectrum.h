#pragma once

#include "platform/MessageService.h"
#include "spectrumio/ConversionChoices.h"
#include "spectrumio/DialogPresenter.h"
#include "spectrumio/LoadListener.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {

struct LoadServices {
    platform::MessageService& messages;
    spectrumio::DialogPresenter& dialogs;
    LoadListener& listener;
    // Kept between loads by the caller; without it each load starts from nothing.
    ConversionChoices* conversion = nullptr;
};

// Reads store.SpectrumFileName into slot (the caller has raised SpectrumCount to it) and into
// the current spectrum on its 1-nm grid, converted to mean residue ellipticity. The kind of file
// follows its extension (ASC: CD6 or CDMAX export, JCD, TVR); any other file is recognised by its
// content (JASCO, Chirascan, Aviv, PCDDB, plain columns). Returns whether the load succeeded;
// on failure SpectrumCount has been lowered again and the user has been told why, except when the
// conversion dialog was cancelled.
bool LoadSpectrum(store::SpectrumStore& store, int slot, LoadServices& services);

}  // namespace tavrelion::spectrumio
