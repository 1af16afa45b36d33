#pragma once

#include "spectrumio/LoadSpectrum.h"
#include "spectrumio/ReadOutcome.h"

// The readers of the individual file kinds, called by LoadSpectrum.
namespace tavrelion::spectrumio {

// CD6 and CDMAX ASCII exports (extension ASC), told apart by their first two lines.
ReadOutcome ReadInstrumentAscii(store::SpectrumStore& store, int slot, LoadServices& services,
                                LoadProgress& progress);

// Tab-separated JCD files in mean residue ellipticity; also writes CD.TMP into the work folder.
ReadOutcome ReadJcd(store::SpectrumStore& store, int slot, LoadServices& services,
                    LoadProgress& progress);

// The program's own spectrum files: a title, the count and unit, then wavelength,value pairs.
ReadOutcome ReadTvr(store::SpectrumStore& store, int slot, LoadServices& services,
                    LoadProgress& progress);

// Today's exports and plain columns, recognised by their content; the unit is converted with
// the conversion dialog's answers and the HT cut-off applied.
ReadOutcome ReadColumnFile(store::SpectrumStore& store, int slot, LoadServices& services,
                           LoadProgress& progress);

// Sets LastWavelength and PointCount of an instrument file from its first wavelength, step and
// number of values: the grid reaches the last value's wavelength, FirstWavelength +
// Int(step * (count - 1)), and no further.
void SetInstrumentGridEnds(store::SpectrumStore& store);

// Fills the current spectrum on its 1-nm grid (PointCount points from FirstWavelength, each taking
// the nearest raw value) and the slot with the raw values at the file's own step, all converted
// by DataUnit. Every grid point takes a value of the file (for steps above 1 nm, the nearest
// one); the slot keeps all RawPointCount values.
void BuildGrid(store::SpectrumStore& store, int slot, LoadProgress& progress);

}  // namespace tavrelion::spectrumio
