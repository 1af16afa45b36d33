#include "display/FigureSettings.h"

#include <algorithm>
#include <cctype>

namespace tavrelion::display {

FigureSettings DefaultFigureSettings(const store::SpectrumStore& store) {
    FigureSettings settings;
    if (store.SpectrumLoaded == 0 || store.CurrentSlot < 1) {
        return settings;
    }
    double first = store.SlotFirstWavelength(1);
    double last = store.SlotLastWavelength(1);
    for (int s = 2; s <= store.CurrentSlot; ++s) {
        first = std::min<double>(first, store.SlotFirstWavelength(s));
        last = std::max<double>(last, store.SlotLastWavelength(s));
    }
    if (first < last) {
        settings.firstWavelength = first;
        settings.lastWavelength = last;
    }
    return settings;
}

std::optional<std::string> FigureSettingsProblem(const FigureSettings& settings) {
    if (!(settings.firstWavelength < settings.lastWavelength)) {
        return "The first wavelength must be below the last one.";
    }
    if (!settings.automaticValues && !(settings.minimumValue < settings.maximumValue)) {
        return "The lowest value must be below the highest one.";
    }
    if (settings.dpi < 50 || settings.dpi > 2400) {
        return "The resolution must lie between 50 and 2400 dpi.";
    }
    if (settings.widthInches < 1 || settings.heightInches < 1 || settings.widthInches > 40 ||
        settings.heightInches > 40) {
        return "The figure must be between 1 and 40 inches wide and high.";
    }
    return std::nullopt;
}

double InFigureUnits(double ellipticity, FigureUnits units) {
    return units == FigureUnits::DeltaEpsilon ? ellipticity / EllipticityPerDeltaEpsilon
                                              : ellipticity;
}

std::string FigureUnitsTitle(FigureUnits units) {
    return units == FigureUnits::DeltaEpsilon
               ? "\xCE\x94\xCE\xB5 (M\xE2\x81\xBB\xC2\xB9 cm\xE2\x81\xBB\xC2\xB9)"
               : "[\xCE\xB8] (deg cm\xC2\xB2 dmol\xE2\x81\xBB\xC2\xB9)";
}

std::string FigureExtension(FigureFormat format) {
    switch (format) {
        case FigureFormat::Svg:
            return ".svg";
        case FigureFormat::Pdf:
            return ".pdf";
        case FigureFormat::Png:
            break;
    }
    return ".png";
}

std::string FigureFileName(const std::string& path, FigureFormat format) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    std::string base = path;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        std::string extension = path.substr(dot);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == FigureExtension(format)) {
            return path;
        }
        base = path.substr(0, dot);
    }
    return base + FigureExtension(format);
}

}  // namespace tavrelion::display
