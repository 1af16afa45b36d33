#pragma once

#include <string>
#include <vector>

#include "corrections/SpectrumCorrections.h"
#include "store/SpectrumStore.h"

namespace tavrelion::corrections {

// A slot's values at the whole wavelengths its points span: its own values where a point falls
// on a whole wavelength, linear between its two neighbours elsewhere (a 2-nm file's odd
// wavelengths).
Spectrum SlotSpectrum(const store::SpectrumStore& store, int slot);

// The slot's label without its number: "LYSO.ASC" for " 2)LYSO.ASC".
std::string SlotName(const store::SpectrumStore& store, int slot);

// The corrections the current spectrum carries; empty for a spectrum as read.
std::string CurrentCorrectionChain(const store::SpectrumStore& store);

// Fills the slot with a corrected spectrum at a 1-nm step, with its label and correction chain,
// and makes it the current spectrum. A deviation (one value per point) is kept for an average.
void StoreCorrectedSpectrum(store::SpectrumStore& store, int slot, const Spectrum& spectrum,
                            const std::string& label, const std::string& chain,
                            const std::vector<double>& deviation = {});

}  // namespace tavrelion::corrections
