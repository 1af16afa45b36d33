#include "estimation/FitQuality.h"

#include <cmath>

namespace tavrelion::estimation {

std::optional<double> Nrmsd(const std::vector<double>& measured,
                            const std::vector<double>& calculated) {
    if (measured.size() != calculated.size()) {
        return std::nullopt;
    }
    double size = 0.0;
    double deviation = 0.0;
    for (std::size_t i = 0; i < measured.size(); ++i) {
        size += measured[i] * measured[i];
        deviation += (measured[i] - calculated[i]) * (measured[i] - calculated[i]);
    }
    if (!(size > 0.0)) {
        return std::nullopt;
    }
    return std::sqrt(deviation / size);
}

std::string FitQualityWord(double nrmsd) {
    if (nrmsd <= GoodFitNrmsd) {
        return "good";
    }
    return nrmsd <= FairFitNrmsd ? "fair" : "poor";
}

}  // namespace tavrelion::estimation
