#include "spectrumio/UnitConversion.h"

#include <cmath>

#include "store/BasicError.h"
#include "store/NumberText.h"
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

double ReadEllipticity(double value, store::Int16 dataUnit, double cellWidth,
                       double concentration) {
    const double converted = ToMeanResidueEllipticity(value, dataUnit, cellWidth, concentration);
    if (std::fabs(converted) > LargestEllipticity) {
        throw store::BasicError(
            store::InvalidArgument,
            "The value" + store::GeneralForm(converted) +
                " deg.cm2/dmol is beyond 10^7, more than any CD spectrum holds");
    }
    return converted;
}

}  // namespace tavrelion::spectrumio
