#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "spectrumio/CdUnits.h"

namespace tavrelion::spectrumio {

// A spectrum as today's instruments and databases export it: columns of wavelengths and values,
// an HT (detector voltage) channel where the file has one, and what the header states about the
// unit and the sample. Wavelengths in nm, in the file's order.
struct ColumnSpectrum {
    std::string kind;  // "JASCO", "Chirascan", ... for messages
    std::vector<double> wavelength;
    std::vector<double> value;
    std::vector<double> ht;  // empty, or one per wavelength (V)
    std::optional<CdUnit> unit;
    std::string unitLabel;        // the header's own words for the unit, when it has any
    ConversionParameters stated;  // what the header gives; 0 where it gives nothing
    double defaultHtMax = 600.0;  // V: photomultipliers lose their signal above it
};

// A file that cannot be read: the 1-based line where the fault was found (0 when it concerns the
// whole file) and what is wrong, in words for the user.
class ColumnFileProblem : public std::runtime_error {
  public:
    ColumnFileProblem(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

}  // namespace tavrelion::spectrumio
