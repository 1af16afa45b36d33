#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "display/FigureSettings.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// The figure as an image of widthInches x heightInches at the settings' dpi, which the image
// records as its resolution.
QImage FigureImage(const store::SpectrumStore& store, const FigureSettings& settings);

// Writes the figure to path in the settings' format: PNG through QImage, SVG through
// QSvgGenerator, PDF through QPdfWriter (one page of the figure's size). The file is replaced
// only when the whole figure was written. Returns what went wrong, naming the file, or nothing.
std::optional<std::string> ExportFigure(const store::SpectrumStore& store,
                                        const FigureSettings& settings, const std::string& path);

}  // namespace tavrelion::display
