#include "spectrumio/ConversionDialogModel.h"

#include <cstdio>
#include <utility>

#include "spectrumio/ColumnText.h"

namespace tavrelion::spectrumio {
namespace {

std::string Box(double value) {
    if (value <= 0) {
        return "";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// A box's number, 0 for an empty box or one that is not a positive number.
double BoxNumber(const std::string& text) {
    const auto number = CellNumber(text, ' ');
    return number && *number > 0 ? *number : 0.0;
}

}  // namespace

ConversionDialogModel::ConversionDialogModel(std::string fileName, std::string kind,
                                             std::string unitLabel, std::optional<CdUnit> unit,
                                             ConversionParameters offered)
    : fileName_(std::move(fileName)),
      kind_(std::move(kind)),
      unitLabel_(std::move(unitLabel)),
      unit_(unit),
      parameters_(offered) {}

std::string ConversionDialogModel::heading() const {
    std::string text = fileName_ + " (" + kind_ + "): ";
    if (!unit_) {
        return text + "the file does not state the unit of its values; please choose it.";
    }
    text += "the file gives its values in ";
    text += unitLabel_.empty() ? std::string(CdUnitTitle(*unit_)) : unitLabel_;
    return text + ".";
}

ConversionDialogModel::Entries ConversionDialogModel::initialEntries() const {
    return {unit_,
            Box(parameters_.pathCm),
            Box(parameters_.residueMolar),
            Box(parameters_.mgPerMl),
            Box(parameters_.meanResidueWeight),
            Box(parameters_.molecularWeight),
            Box(parameters_.residues)};
}

void ConversionDialogModel::valid(const Entries& entries) {
    unit_ = entries.unit;
    parameters_ = {BoxNumber(entries.pathCm),          BoxNumber(entries.residueMolar),
                   BoxNumber(entries.mgPerMl),         BoxNumber(entries.meanResidueWeight),
                   BoxNumber(entries.molecularWeight), BoxNumber(entries.residues)};
    if (!unit_) {
        problem_ = "Please choose the unit of the values.";
        return;
    }
    const std::string missing = MissingForConversion(*unit_, parameters_);
    if (!missing.empty()) {
        problem_ = "Please give " + missing + ".";
        return;
    }
    problem_.clear();
    closed_ = true;
    accepted_ = true;
}

void ConversionDialogModel::cancel() {
    closed_ = true;
    accepted_ = false;
}

}  // namespace tavrelion::spectrumio
