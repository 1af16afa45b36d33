#include "spectrumio/CdUnits.h"

#include <array>

#include "store/TextRoutines.h"

namespace tavrelion::spectrumio {
namespace {

struct UnitNames {
    CdUnit unit;
    std::string_view name;
    std::string_view title;
};

constexpr std::array<UnitNames, 6> Units = {{
    {CdUnit::Millidegrees, "mdeg", "millidegrees (mdeg)"},
    {CdUnit::Degrees, "deg", "degrees (deg)"},
    {CdUnit::DeltaA, "delta-a", "Delta A"},
    {CdUnit::DeltaEpsilon, "delta-epsilon", "Delta epsilon (M-1.cm-1 per residue)"},
    {CdUnit::MolarEllipticity, "molar", "molar ellipticity (deg.cm2/dmol per molecule)"},
    {CdUnit::MeanResidue, "mre", "mean residue ellipticity (deg.cm2/dmol)"},
}};

bool Has(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

std::string_view CdUnitName(CdUnit unit) {
    return Units[static_cast<std::size_t>(unit)].name;
}

std::string_view CdUnitTitle(CdUnit unit) {
    return Units[static_cast<std::size_t>(unit)].title;
}

std::optional<CdUnit> CdUnitFromName(std::string_view name) {
    for (const auto& entry : Units) {
        if (entry.name == name) {
            return entry.unit;
        }
    }
    return std::nullopt;
}

std::optional<CdUnit> CdUnitFromLabel(std::string_view label) {
    const std::string text = store::UpperCase(label);
    if (Has(text, "MDEG")) {
        return CdUnit::Millidegrees;
    }
    if (Has(text, "MOL. ELLIP") || Has(text, "MEAN RESIDUE") || Has(text, "MRE") ||
        Has(text, "DMOL")) {
        return CdUnit::MeanResidue;
    }
    if (Has(text, "MOL. CD") || Has(text, "EPSILON") || Has(text, "\xCE\x94\xCE\xB5") ||
        Has(text, "M-1")) {
        return CdUnit::DeltaEpsilon;
    }
    if (Has(text, "DELTA A") || Has(text, "DELTAA") ||
        Has(text,
            "\xCE\x94"
            "A")) {
        return CdUnit::DeltaA;
    }
    if (Has(text, "DEG")) {
        return CdUnit::Degrees;
    }
    return std::nullopt;
}

double ConversionParameters::meanResidueWeightUsed() const {
    if (meanResidueWeight > 0) {
        return meanResidueWeight;
    }
    return molecularWeight > 0 && residues > 1 ? molecularWeight / (residues - 1) : 0.0;
}

double ConversionParameters::residueConcentration() const {
    if (mgPerMl > 0) {
        const double weight = meanResidueWeightUsed();
        return weight > 0 ? mgPerMl / weight : 0.0;
    }
    return residueMolar;
}

std::string MissingForConversion(CdUnit unit, const ConversionParameters& parameters) {
    switch (unit) {
        case CdUnit::Millidegrees:
        case CdUnit::Degrees:
        case CdUnit::DeltaA:
            if (parameters.pathCm <= 0) {
                return "the path length (cm)";
            }
            if (parameters.residueConcentration() <= 0) {
                return parameters.mgPerMl > 0
                           ? "the mean residue weight (or the molecular weight and residues)"
                           : "the concentration";
            }
            return "";
        case CdUnit::MolarEllipticity:
            return parameters.residues >= 1 ? "" : "the number of residues";
        default:
            return "";
    }
}

double ToMeanResidue(double value, CdUnit unit, const ConversionParameters& parameters) {
    const double pathTimesConcentration = parameters.pathCm * parameters.residueConcentration();
    switch (unit) {
        case CdUnit::Millidegrees:
            return value / (10.0 * pathTimesConcentration);
        case CdUnit::Degrees:
            return value * 100.0 / pathTimesConcentration;
        case CdUnit::DeltaA:
            return value * 3300.0 / pathTimesConcentration;
        case CdUnit::DeltaEpsilon:
            return value * 3300.0;
        case CdUnit::MolarEllipticity:
            return value / parameters.residues;
        case CdUnit::MeanResidue:
            break;
    }
    return value;
}

}  // namespace tavrelion::spectrumio
