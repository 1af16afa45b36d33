#include "spectrumio/ColumnGrid.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "store/NumberText.h"
#include "store/SpectrumStore.h"

namespace tavrelion::spectrumio {
namespace {

constexpr double Tolerance = 1e-3;  // nm: exports write wavelengths with a few decimals

bool IsWhole(double wavelength) {
    return std::fabs(wavelength - std::round(wavelength)) < Tolerance;
}

std::string Nm(double wavelength) {
    return store::GeneralForm(wavelength).substr(wavelength < 0 ? 0 : 1) + " nm";
}

bool EvenlySpaced(const std::vector<double>& wavelength, double step) {
    for (std::size_t i = 0; i < wavelength.size(); ++i) {
        if (std::fabs(wavelength[i] - (wavelength[0] + static_cast<double>(i) * step)) >
            Tolerance) {
            return false;
        }
    }
    return true;
}

// Straight lines between the points, read at every whole nanometre inside them.
void InterpolateToWholeNanometres(GridReady& ready) {
    std::vector<double> wavelength;
    std::vector<double> value;
    std::size_t k = 0;
    for (double x = std::ceil(ready.wavelength.front() - Tolerance);
         x <= ready.wavelength.back() + Tolerance; x += 1.0) {
        while (k + 2 < ready.wavelength.size() && ready.wavelength[k + 1] < x) {
            ++k;
        }
        const double x0 = ready.wavelength[k];
        const double x1 = ready.wavelength[k + 1];
        const double t = std::clamp((x - x0) / (x1 - x0), 0.0, 1.0);
        wavelength.push_back(x);
        value.push_back(ready.value[k] + t * (ready.value[k + 1] - ready.value[k]));
    }
    ready.wavelength = wavelength;
    ready.value = value;
    ready.step = 1.0;
    ready.interpolated = true;
}

}  // namespace

GridReady PrepareForGrid(const ColumnSpectrum& spectrum, double htMax) {
    const std::size_t count = spectrum.wavelength.size();
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return spectrum.wavelength[a] < spectrum.wavelength[b];
    });
    const bool hasHt = spectrum.ht.size() == count;
    GridReady ready;
    std::size_t start = 0;
    if (hasHt && htMax > 0) {
        while (start < count && spectrum.ht[order[start]] > htMax) {
            ++start;
        }
        if (start == count) {
            throw ColumnFileProblem(0, "the HT is above " + store::GeneralForm(htMax).substr(1) +
                                           " V at every wavelength: no point can be used");
        }
        ready.htCutPoints = static_cast<int>(start);
        ready.htCutWavelength = spectrum.wavelength[order[start]];
    }
    for (std::size_t i = start; i < count; ++i) {
        const double x = spectrum.wavelength[order[i]];
        if (!std::isfinite(x) || !std::isfinite(spectrum.value[order[i]]) || x < 1 || x > 30000) {
            throw ColumnFileProblem(
                0, "the wavelength " + store::GeneralForm(x) + " is not one in nanometres");
        }
        if (!ready.wavelength.empty() && x - ready.wavelength.back() < Tolerance) {
            throw ColumnFileProblem(0, "the wavelength " + Nm(x) + " is listed twice");
        }
        ready.wavelength.push_back(x);
        ready.value.push_back(spectrum.value[order[i]]);
    }
    if (ready.wavelength.size() < 2) {
        throw ColumnFileProblem(0, "fewer than two data points");
    }
    if (ready.wavelength.back() - ready.wavelength.front() > store::MaxPoints - 1) {
        throw ColumnFileProblem(
            0, "the wavelengths span more than " + std::to_string(store::MaxPoints) + " nm");
    }
    ready.step = (ready.wavelength.back() - ready.wavelength.front()) /
                 static_cast<double>(ready.wavelength.size() - 1);
    // Points before the first whole nanometre are dropped, so that the grid starts on one.
    const auto whole = std::find_if(ready.wavelength.begin(), ready.wavelength.end(), IsWhole);
    const auto leading = whole - ready.wavelength.begin();
    if (!EvenlySpaced(ready.wavelength, ready.step) || whole == ready.wavelength.end() ||
        ready.wavelength.end() - whole < 2 || static_cast<double>(leading) * ready.step >= 1.0) {
        InterpolateToWholeNanometres(ready);
        if (ready.wavelength.size() < 2) {
            throw ColumnFileProblem(0, "fewer than two whole nanometres are covered");
        }
    } else {
        ready.wavelength.erase(ready.wavelength.begin(), whole);
        ready.value.erase(ready.value.begin(), ready.value.begin() + leading);
    }
    if (ready.htCutPoints > 0) {
        ready.htCutWavelength = ready.wavelength.front();  // where the spectrum now starts
    }
    // A slot holds at most 1000 values: finer steps are thinned to every k-th point.
    const std::size_t k = (ready.wavelength.size() + store::MaxPoints - 1) / store::MaxPoints;
    if (k > 1) {
        std::vector<double> wavelength;
        std::vector<double> value;
        for (std::size_t i = 0; i < ready.wavelength.size(); i += k) {
            wavelength.push_back(ready.wavelength[i]);
            value.push_back(ready.value[i]);
        }
        ready.wavelength = wavelength;
        ready.value = value;
        ready.step *= static_cast<double>(k);
    }
    return ready;
}

}  // namespace tavrelion::spectrumio
