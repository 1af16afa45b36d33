#pragma once

#include <string>
#include <vector>

#include "spectrumio/ColumnSpectrum.h"

namespace tavrelion::spectrumio {

// A column spectrum made ready for the store's grid: ascending, evenly spaced from a whole
// nanometre, at most 1000 points, and cut where the HT rises above the limit.
struct GridReady {
    std::vector<double> wavelength;
    std::vector<double> value;
    double step = 1.0;
    int htCutPoints = 0;           // points left out at the low-wavelength end
    double htCutWavelength = 0.0;  // where the spectrum starts after a cut
    bool interpolated = false;     // unevenly spaced points laid on 1 nm by straight lines
};

// htMax 0 or below: no cut. Throws ColumnFileProblem (line 0) when nothing usable is left.
GridReady PrepareForGrid(const ColumnSpectrum& spectrum, double htMax);

}  // namespace tavrelion::spectrumio
