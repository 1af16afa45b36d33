#pragma once

#include <algorithm>

namespace tavrelion::spectrumio {

// How the reader of one file kind ended.
enum class ReadOutcome {
    ReachedCommonEnding,  // values stored, or nothing recognised: the common ending decides
    LoadEnded,  // the reader gave the slot back itself (message shown or dialog cancelled)
};

// The running extremes of a slot's values, both starting at 0.
struct SlotExtremes {
    double minimum = 0.0;
    double maximum = 0.0;
    void include(double value) {
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
    }
};

}  // namespace tavrelion::spectrumio
