#pragma once

#include <filesystem>
#include <string>

#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {

// Writes the current spectrum (its 1-nm grid, in mean residue ellipticity) as a TVR spectrum file:
// the title line, "count,Mean residue ellipticity (deg.cm2/dmol)", then one wavelength,value pair
// per line, each value in the shortest form that reads back to the same number, so that opening
// the file gives the same grid. The file is written under a temporary name and then renamed into
// place; a file that cannot be written raises error 75.
void WriteSpectrumTvr(const store::SpectrumStore& store, const std::filesystem::path& path,
                      const std::string& title);

// The same grid as CSV: a header line naming the columns and units, then wavelength,value rows.
void WriteSpectrumCsv(const store::SpectrumStore& store, const std::filesystem::path& path);

// The title WriteSpectrumTvr is given when the caller has none: the spectrum's file name.
std::string DefaultTvrTitle(const store::SpectrumStore& store);

}  // namespace tavrelion::spectrumio
