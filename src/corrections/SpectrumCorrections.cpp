#include "corrections/SpectrumCorrections.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "corrections/SavitzkyGolay.h"

namespace tavrelion::corrections {
namespace {

// The value of the spectrum at the wavelength, when it has one.
std::optional<double> ValueAt(const Spectrum& spectrum, int wavelength) {
    const auto found =
        std::lower_bound(spectrum.wavelengths.begin(), spectrum.wavelengths.end(), wavelength);
    if (found == spectrum.wavelengths.end() || *found != wavelength) {
        return std::nullopt;
    }
    return spectrum.values[static_cast<std::size_t>(found - spectrum.wavelengths.begin())];
}

}  // namespace

WavelengthRange DefaultBaselineRange(int firstWavelength, int lastWavelength) {
    if (firstWavelength <= 250 && lastWavelength >= 260) {
        return {250, 260};
    }
    return {std::max(firstWavelength, lastWavelength - 5), lastWavelength};
}

std::optional<double> RangeMean(const Spectrum& spectrum, WavelengthRange range) {
    double sum = 0;
    int count = 0;
    for (std::size_t i = 0; i < spectrum.values.size(); ++i) {
        if (spectrum.wavelengths[i] >= range.from && spectrum.wavelengths[i] <= range.to) {
            sum += spectrum.values[i];
            ++count;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    return sum / count;
}

Spectrum SubtractBaseline(Spectrum spectrum, double baseline) {
    for (double& value : spectrum.values) {
        value -= baseline;
    }
    return spectrum;
}

Spectrum Multiply(Spectrum spectrum, double factor) {
    for (double& value : spectrum.values) {
        value *= factor;
    }
    return spectrum;
}

Spectrum Combine(const Spectrum& first, const Spectrum& second, double sign) {
    Spectrum result;
    for (std::size_t i = 0; i < first.values.size(); ++i) {
        if (const auto other = ValueAt(second, first.wavelengths[i])) {
            result.wavelengths.push_back(first.wavelengths[i]);
            result.values.push_back(first.values[i] + sign * *other);
        }
    }
    return result;
}

Spectrum Smooth(const Spectrum& spectrum, int widthNm, int order) {
    Spectrum result = spectrum;
    result.values = SmoothSavitzkyGolay(spectrum.values, WindowPoints(widthNm), order);
    return result;
}

AveragedSpectrum Average(const std::vector<Spectrum>& spectra) {
    AveragedSpectrum result;
    if (spectra.empty()) {
        return result;
    }
    const double n = static_cast<double>(spectra.size());
    for (int wavelength : spectra.front().wavelengths) {
        std::vector<double> values;
        for (const Spectrum& spectrum : spectra) {
            if (const auto value = ValueAt(spectrum, wavelength)) {
                values.push_back(*value);
            }
        }
        if (values.size() != spectra.size()) {
            continue;
        }
        double sum = 0;
        for (double value : values) {
            sum += value;
        }
        const double mean = sum / n;
        double squares = 0;
        for (double value : values) {
            squares += (value - mean) * (value - mean);
        }
        result.mean.wavelengths.push_back(wavelength);
        result.mean.values.push_back(mean);
        result.deviation.push_back(values.size() > 1 ? std::sqrt(squares / (n - 1)) : 0.0);
    }
    return result;
}

}  // namespace tavrelion::corrections
