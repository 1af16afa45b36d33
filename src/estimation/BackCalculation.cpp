#include "estimation/BackCalculation.h"

#include <optional>

namespace tavrelion::estimation {
namespace {

// The coefficients by column, in the order of the set's columns.
std::vector<std::optional<double>> Coefficients(const FitResults& results, int setNumber) {
    if (setNumber == Bolotina || setNumber == Chang) {
        return {results.FitHelix(setNumber), results.FitSheet(setNumber),
                results.FitTurn(setNumber), results.FitCoil(setNumber)};
    }
    return {results.FitHelix(setNumber), results.FitSheet(setNumber), results.FitCoil(setNumber)};
}

}  // namespace

BackCalculatedSpectrum BackCalculate(const store::SpectrumStore& store, const ReferenceSet& set,
                                     const FitResults& results, int setNumber) {
    BackCalculatedSpectrum spectrum;
    const std::vector<std::optional<double>> coefficients = Coefficients(results, setNumber);
    if (set.ComponentCount != static_cast<int>(coefficients.size())) {
        return spectrum;
    }
    for (const std::optional<double>& coefficient : coefficients) {
        if (!coefficient) {
            return spectrum;
        }
    }
    const std::vector<MatchedRow> rows = MatchedRows(store, set);
    // The grid runs upwards; the spectrum is given from the highest wavelength down.
    for (auto match = rows.rbegin(); match != rows.rend(); ++match) {
        double calculated = 0.0;
        for (int column = 1; column <= set.ComponentCount; ++column) {
            calculated += *coefficients[static_cast<std::size_t>(column - 1)] *
                          set.RefBasis(match->row, column);
        }
        spectrum.wavelengths.push_back(set.RefWavelength(match->row));
        spectrum.measured.push_back(store.SpectrumValue(match->point));
        spectrum.calculated.push_back(calculated);
    }
    return spectrum;
}

}  // namespace tavrelion::estimation
