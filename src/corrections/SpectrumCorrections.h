#pragma once

#include <optional>
#include <vector>

namespace tavrelion::corrections {

// A spectrum on whole wavelengths (nm, ascending) with one value at each.
struct Spectrum {
    std::vector<int> wavelengths;
    std::vector<double> values;
};

// An inclusive wavelength range in nm.
struct WavelengthRange {
    int from = 0;
    int to = 0;
};

// The range whose mean is taken as the baseline when the user has not chosen one: 250-260 nm,
// where proteins no longer absorb, when the spectrum reaches there; else its longest 5 nm.
WavelengthRange DefaultBaselineRange(int firstWavelength, int lastWavelength);

// The mean of the values within the range; nothing when no wavelength of the spectrum lies in it.
std::optional<double> RangeMean(const Spectrum& spectrum, WavelengthRange range);

// Every value less the baseline.
Spectrum SubtractBaseline(Spectrum spectrum, double baseline);

// Every value times the factor.
Spectrum Multiply(Spectrum spectrum, double factor);

// first + sign x second on the wavelengths the two share (sign -1 subtracts, +1 adds); the
// result covers only those.
Spectrum Combine(const Spectrum& first, const Spectrum& second, double sign);

// The Savitzky-Golay smoothing of a spectrum on a 1-nm grid with a window of widthNm (made odd)
// and a polynomial of the given order.
Spectrum Smooth(const Spectrum& spectrum, int widthNm, int order);

struct AveragedSpectrum {
    Spectrum mean;
    std::vector<double> deviation;  // sample standard deviation (n - 1) at each wavelength
};

// The mean of the spectra on the wavelengths they all share, with the standard deviation.
AveragedSpectrum Average(const std::vector<Spectrum>& spectra);

}  // namespace tavrelion::corrections
