#include "spectrumio/UnitConversion.h"

#include <cmath>

#include "store/BasicError.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {

double ToMeanResidueEllipticity(double value, store::Int16 dataUnit, double cellWidth,
                                double concentration) {
    double converted = value;
    switch (dataUnit) {
        case store::UnitDeltaA:
            converted = (value * 3300.0) / (cellWidth * concentration);
            break;
        case store::UnitThetaDegrees:
            converted = (value * 100.0) / (cellWidth * concentration);
            break;
        case store::UnitDeltaEpsilon:
            converted = value * 3300.0;
            break;
        default:
            break;
    }
    if (!std::isfinite(converted)) {
        throw store::BasicError(store::Overflow);
    }
    return converted;
}

}  // namespace tavrelion::spectrumio
