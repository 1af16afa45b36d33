#pragma once

#include <optional>

#include "spectrumio/CdUnits.h"

namespace tavrelion::spectrumio {

// What the user has said about converting today's file kinds, kept between loads.
struct ConversionChoices {
    std::optional<CdUnit> unit;       // overrides the unit a file states (batch --unit)
    ConversionParameters given;       // batch options: they win over the file's header
    ConversionParameters remembered;  // the dialog's last accepted values: they fill gaps
    std::optional<double> htMax;      // V; nothing: the kind's default; 0 or less: no cut
};

}  // namespace tavrelion::spectrumio
