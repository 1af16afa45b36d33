#pragma once

#include <optional>
#include <string>

#include "store/SpectrumStore.h"

namespace tavrelion::display {

enum class FigureUnits { MeanResidueEllipticity, DeltaEpsilon };
enum class FigureFormat { Png, Svg, Pdf };

// Mean residue ellipticity (deg.cm2/dmol) over this is the molar circular dichroism per residue,
// delta epsilon (M-1 cm-1).
constexpr double EllipticityPerDeltaEpsilon = 3298.0;

// What a figure for print shows and how it is written. Values are in the chosen units.
struct FigureSettings {
    double firstWavelength = 190;
    double lastWavelength = 260;
    bool automaticValues = true;  // the value range of the curves inside the wavelength range
    double minimumValue = 0;
    double maximumValue = 0;
    FigureUnits units = FigureUnits::MeanResidueEllipticity;
    FigureFormat format = FigureFormat::Png;
    int dpi = 300;
    double widthInches = 6.0;
    double heightInches = 4.0;
};

// The settings a figure of the shown spectra starts from: their whole wavelength range, values
// chosen automatically.
FigureSettings DefaultFigureSettings(const store::SpectrumStore& store);

// What is wrong with the settings as a user would be told it, or nothing.
std::optional<std::string> FigureSettingsProblem(const FigureSettings& settings);

// A stored value (mean residue ellipticity) in the figure's units.
double InFigureUnits(double ellipticity, FigureUnits units);

// The value axis title of the units.
std::string FigureUnitsTitle(FigureUnits units);

// The file extension of a format, with its dot (".png").
std::string FigureExtension(FigureFormat format);

// The file name with the format's extension: an extension of another kind is replaced.
std::string FigureFileName(const std::string& path, FigureFormat format);

}  // namespace tavrelion::display
