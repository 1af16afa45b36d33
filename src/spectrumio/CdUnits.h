#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrelion::spectrumio {

// The units in which CD spectra are commonly written, all turned into mean residue ellipticity
// [theta] in deg.cm2.dmol-1 (Kelly, Jess & Price 2005, Biochim. Biophys. Acta 1751:119-139):
//   millidegrees:            theta(mdeg) / (10 * path(cm) * c(residue M))
//   degrees:                 theta(deg) * 100 / (path(cm) * c(residue M))
//   Delta A:                 dA * 3300 / (path(cm) * c(residue M))
//   Delta epsilon (residue): de * 3300
//   molar ellipticity:       [theta](molecule) / number of residues
//   mean residue ellipticity: unchanged
// The residue molar concentration is also mg/mL / MRW (g/mol), with MRW = M / (N - 1) for a
// protein of mass M and N amino acids. 3300 is the program's rounding of
// 3298.2 = 100 ln(10) 180 / (4 pi), kept for every unit so that all kinds read alike.
enum class CdUnit { Millidegrees, Degrees, DeltaA, DeltaEpsilon, MolarEllipticity, MeanResidue };

// The batch names of the units, in the order of CdUnit: mdeg, deg, delta-a, delta-epsilon, molar,
// mre.
std::string_view CdUnitName(CdUnit unit);
std::optional<CdUnit> CdUnitFromName(std::string_view name);
// How a person reads the unit: "millidegrees (mdeg)", ...
std::string_view CdUnitTitle(CdUnit unit);

// The unit a file's own label names ("CD [mdeg]", "Mol. Ellip.", "Delta Epsilon" ...), if any.
std::optional<CdUnit> CdUnitFromLabel(std::string_view label);

// What a conversion needs besides the value; 0 means not given.
struct ConversionParameters {
    double pathCm = 0.0;
    double residueMolar = 0.0;  // used when mgPerMl is 0
    double mgPerMl = 0.0;
    double meanResidueWeight = 0.0;  // or molecularWeight and residues
    double molecularWeight = 0.0;
    double residues = 0.0;

    // The residue molar concentration, from mg/mL when it is given; 0 when it cannot be known.
    double residueConcentration() const;
    // MRW as given, or M / (N - 1).
    double meanResidueWeightUsed() const;
};

// What is missing for converting from unit, as a phrase for a message ("the path length"), or
// empty when nothing is.
std::string MissingForConversion(CdUnit unit, const ConversionParameters& parameters);

// One value in mean residue ellipticity. Call only when nothing is missing.
double ToMeanResidue(double value, CdUnit unit, const ConversionParameters& parameters);

}  // namespace tavrelion::spectrumio
