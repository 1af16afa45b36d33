#pragma once

#include <QImage>
#include <functional>
#include <optional>
#include <string>

#include "display/DrawingSurface.h"
#include "display/FigureSettings.h"
#include "store/SpectrumStore.h"

namespace tavrelion::display {

// Draws one figure for print on the whole surface, in the settings' ranges and units.
using FigureDrawing = std::function<void(DrawingSurface&, const FigureSettings&)>;

// The drawing as an image of widthInches x heightInches at the settings' dpi, which the image
// records as its resolution.
QImage FigureImage(const FigureDrawing& draw, const FigureSettings& settings);

// Writes the drawing to path in the settings' format: PNG through QImage, SVG through
// QSvgGenerator, PDF through QPdfWriter (one page of the figure's size), with the title in the
// file's metadata. The file is replaced only when the whole figure was written. Returns what went
// wrong, naming the file, or nothing.
std::optional<std::string> ExportFigure(const FigureDrawing& draw, const FigureSettings& settings,
                                        const std::string& path, const std::string& title);

// The figure of the shown spectra (DrawFigure).
QImage FigureImage(const store::SpectrumStore& store, const FigureSettings& settings);

// Writes the figure of the shown spectra, titled "CD spectra".
std::optional<std::string> ExportFigure(const store::SpectrumStore& store,
                                        const FigureSettings& settings, const std::string& path);

}  // namespace tavrelion::display
