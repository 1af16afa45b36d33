#include "corrections/SlotSpectra.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "store/BasicError.h"
#include "store/NumberText.h"

namespace tavrelion::corrections {

Spectrum SlotSpectrum(const store::SpectrumStore& store, int slot) {
    Spectrum spectrum;
    const int count = store.SlotRawCount(slot);
    const double step = store.SlotStep(slot) > 0 ? store.SlotStep(slot) : 1.0;
    const double first = store.SlotFirstWavelength(slot);
    if (count < 1) {
        return spectrum;
    }
    const double last = first + (count - 1) * step;
    for (int wavelength = static_cast<int>(std::ceil(first)); wavelength <= last; ++wavelength) {
        const double position = (wavelength - first) / step;  // from 0
        const int below = std::min(static_cast<int>(std::floor(position)), count - 1);
        const double fraction = position - below;
        double value = store.SlotValue(below + 1, slot);
        if (fraction > 1e-9 && below + 2 <= count) {
            value += fraction * (store.SlotValue(below + 2, slot) - value);
        }
        spectrum.wavelengths.push_back(wavelength);
        spectrum.values.push_back(value);
    }
    return spectrum;
}

std::string SlotName(const store::SpectrumStore& store, int slot) {
    const std::string& label = store.SlotLabel(slot);
    const std::size_t bracket = label.find(')');
    return bracket == std::string::npos ? label : label.substr(bracket + 1);
}

std::string CurrentCorrectionChain(const store::SpectrumStore& store) {
    if (store.SpectrumCount < 1) {
        return {};
    }
    return store.SlotCorrectionChain(store.SpectrumCount);
}

void StoreCorrectedSpectrum(store::SpectrumStore& store, int slot, const Spectrum& spectrum,
                            const std::string& label, const std::string& chain,
                            const std::vector<double>& deviation) {
    const int count = static_cast<int>(spectrum.values.size());
    if (count < 1 || count > store::MaxPoints) {
        throw store::BasicError(store::SubscriptOutOfRange);
    }
    double minimum = 0;  // the slot's extremes are taken together with 0
    double maximum = 0;
    for (int i = 1; i <= count; ++i) {
        const double value = spectrum.values[static_cast<std::size_t>(i - 1)];
        store.SpectrumWavelength(i) =
            store::CheckedInt16(spectrum.wavelengths[static_cast<std::size_t>(i - 1)]);
        store.SpectrumValue(i) = value;
        store.SlotValue(i, slot) = value;
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
    }
    store.PointCount = static_cast<store::Int16>(count);
    store.FirstWavelength = store.SpectrumWavelength(1);
    store.LastWavelength = store.SpectrumWavelength(count);
    store.SlotRawCount(slot) = store.PointCount;
    store.SlotStep(slot) = 1;
    store.SlotFirstWavelength(slot) = store.FirstWavelength;
    store.SlotLastWavelength(slot) = store.LastWavelength;
    store.SlotMin(slot) = minimum;
    store.SlotMax(slot) = maximum;
    store.SlotRange(slot) = std::fabs(maximum) + std::fabs(minimum);
    store.SlotLabel(slot) = store::GeneralForm(slot) + ")" + label;
    store.SlotCorrectionChain(slot) = chain;
    store.SlotDeviationCount(slot) = 0;
    if (deviation.size() == spectrum.values.size()) {
        for (int i = 1; i <= count; ++i) {
            const double spread = deviation[static_cast<std::size_t>(i - 1)];
            store.SlotDeviation(i, slot) = spread;
            // The value axis spans the band too, so that it stays inside the frame.
            store.SlotMin(slot) = std::min(store.SlotMin(slot), store.SlotValue(i, slot) - spread);
            store.SlotMax(slot) = std::max(store.SlotMax(slot), store.SlotValue(i, slot) + spread);
        }
        store.SlotRange(slot) = std::fabs(store.SlotMax(slot)) + std::fabs(store.SlotMin(slot));
        store.SlotDeviationCount(slot) = store.PointCount;
    }
}

}  // namespace tavrelion::corrections
