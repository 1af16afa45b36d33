#include "varselec/AlignedData.h"

#include <algorithm>

namespace tavrelion::engines::varselec {
namespace {

bool SampleHas(const SampleSpectrum& sample, int nm) {
    const int index = nm - sample.firstWavelength;
    return index >= 0 && index < static_cast<int>(sample.values.size());
}

bool BasisHas(const BasisSpectra& basis, const std::vector<int>& chosen, int nm) {
    const int index = nm - basis.firstWavelength;
    if (index < 0 || index >= basis.wavelengthCount()) {
        return false;
    }
    return std::all_of(chosen.begin(), chosen.end(), [&](int protein) {
        return basis.proteins[static_cast<std::size_t>(protein - 1)]
            .values[static_cast<std::size_t>(index)]
            .has_value();
    });
}

}  // namespace

AlignedData AlignWithBasis(const BasisSpectra& basis, const SampleSpectrum& sample,
                           const std::vector<int>& chosenProteins) {
    AlignedData data;
    const int highest = sample.firstWavelength + static_cast<int>(sample.values.size()) - 1;
    for (int nm = highest; nm >= sample.firstWavelength; --nm) {
        if (SampleHas(sample, nm) && BasisHas(basis, chosenProteins, nm)) {
            data.wavelengths.push_back(nm);
        }
    }
    const auto rows = static_cast<Eigen::Index>(data.wavelengths.size());
    const auto columns = static_cast<Eigen::Index>(chosenProteins.size());
    data.spectra.resize(rows, columns);
    data.fractions.resize(ClassCount, columns);
    data.sample.resize(rows);
    for (Eigen::Index c = 0; c < columns; ++c) {
        const BasisProtein& protein = basis.proteins[static_cast<std::size_t>(
            chosenProteins[static_cast<std::size_t>(c)] - 1)];
        for (int k = 0; k < ClassCount; ++k) {
            data.fractions(k, c) = protein.fractions[static_cast<std::size_t>(k)];
        }
        for (Eigen::Index r = 0; r < rows; ++r) {
            const int index = data.wavelengths[static_cast<std::size_t>(r)] - basis.firstWavelength;
            data.spectra(r, c) = *protein.values[static_cast<std::size_t>(index)];
        }
    }
    for (Eigen::Index r = 0; r < rows; ++r) {
        const int index = data.wavelengths[static_cast<std::size_t>(r)] - sample.firstWavelength;
        data.sample(r) = sample.values[static_cast<std::size_t>(index)];
    }
    return data;
}

std::string MissingCoverage(const AlignedData& data) {
    const auto& shared = data.wavelengths;
    bool complete = true;
    for (int nm = RequiredLowWavelength; nm <= RequiredHighWavelength; ++nm) {
        complete = complete && std::find(shared.begin(), shared.end(), nm) != shared.end();
    }
    if (complete) {
        return {};
    }
    const std::string need =
        "The method needs the spectrum and the chosen reference proteins at "
        "every wavelength from " +
        std::to_string(RequiredLowWavelength) + " to " + std::to_string(RequiredHighWavelength) +
        " nm, ";
    if (shared.empty()) {
        return need + "but they share no wavelength at all.";
    }
    return need + "but they share only " + std::to_string(shared.size()) + " wavelengths between " +
           std::to_string(shared.back()) + " and " + std::to_string(shared.front()) + " nm.";
}

}  // namespace tavrelion::engines::varselec
