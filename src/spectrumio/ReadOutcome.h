#pragma once

#include <algorithm>
#include <string>

#include "store/BasicError.h"

namespace tavrelion::spectrumio {

// How the reader of one file kind ended.
enum class ReadOutcome {
    ReachedCommonEnding,  // values stored, or nothing recognised: the common ending decides
    LoadEnded,  // the reader gave the slot back itself (message shown or dialog cancelled)
};

// What one load has done so far: the running extremes of the slot's values (both starting at 0),
// whether RawPointCount already holds this file's own count, and where reading the file stopped.
struct LoadProgress {
    double minimum = 0.0;
    double maximum = 0.0;
    bool pointCountRead = false;
    store::ReadPosition position;
    // The HT cut-off of this file: the first wavelength kept (0: no cut) and what was said.
    double htCutWavelength = 0.0;
    std::string htCutNote;

    void include(double value) {
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
    }
};

}  // namespace tavrelion::spectrumio
