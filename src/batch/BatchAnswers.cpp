#include "batch/BatchAnswers.h"

#include <cstdio>

#include "analysis/ContentBoundsModel.h"
#include "analysis/ReferenceChoiceModel.h"
#include "analysis/SelconSettingsModel.h"
#include "spectrumio/ConversionDialogModel.h"
#include "spectrumio/UnitDialogModel.h"

namespace tavrelion::batch {
namespace {

std::string Text(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace

BatchAnswers::BatchAnswers(const BatchOptions& options, std::ostream& err)
    : options_(options), err_(err) {
    conversion_.unit = options.unit;
    spectrumio::ConversionParameters& given = conversion_.given;
    given.pathCm = options.cellWidth.value_or(0.0);
    given.residueMolar = options.concentration.value_or(0.0);
    given.mgPerMl = options.mgPerMl.value_or(0.0);
    given.meanResidueWeight = options.meanResidueWeight.value_or(0.0);
    given.residues = options.residues.value_or(0);
    conversion_.htMax = options.htMax;
}

void BatchAnswers::tell(const std::string& text) {
    err_ << fileName_ << ": " << text << '\n';
}

void BatchAnswers::showMessage(const std::string& text, platform::MessageIcon) {
    tell(text);
}

// Questions (the 15-slot question does not arise: each file has a new set) are answered No.
bool BatchAnswers::askYesNo(const std::string& text, bool) {
    tell(text + " - No");
    return false;
}

// The only text asked for is the number of residues; the options make sure it is there.
std::string BatchAnswers::askText(const std::string&, const std::string&) {
    return options_.residues ? std::to_string(*options_.residues) : std::string("0");
}

void BatchAnswers::showUnitDialog(spectrumio::UnitDialogModel& model) {
    const double concentration = conversion_.given.residueConcentration();
    if (!options_.cellWidth || concentration <= 0) {
        tell(
            "the values of this file must be converted to mean residue ellipticity: give "
            "--path-cm and --concentration (or --mg-per-ml with --mrw)");
        model.cancel();
        return;
    }
    model.valid(Text(concentration), Text(*options_.cellWidth));
}

// The model opens with the options, then the file's header values; those are the answer.
void BatchAnswers::showConversionDialog(spectrumio::ConversionDialogModel& model) {
    model.valid(model.initialEntries());
    if (!model.closed()) {
        tell("the values of this file must be converted to mean residue ellipticity: " +
             model.problem() +
             " (--unit, --path-cm, --concentration or --mg-per-ml with --mrw, --residues)");
        model.cancel();
    }
}

void BatchAnswers::showReferenceChoice(analysis::ReferenceChoiceModel& model) {
    if (!options_.varselecProteins.empty()) {
        std::vector<bool> selected(model.selected().size(), false);
        for (int protein : options_.varselecProteins) {
            if (protein >= 1 && static_cast<std::size_t>(protein) <= selected.size()) {
                selected[static_cast<std::size_t>(protein - 1)] = true;
            }
        }
        model.selectionChanged(selected);
    }
    if (options_.varselecRemove) {
        model.removeTextChanged(std::to_string(*options_.varselecRemove));
    }
    model.ok();
}

void BatchAnswers::showSelconSettings(analysis::SelconSettingsModel& model) {
    if (options_.selconModel) {
        model.chooseModel(*options_.selconModel);
    }
    if (options_.selconIterations) {
        model.iterationTextChanged(std::to_string(*options_.selconIterations));
    }
    if (options_.selconTolerance) {
        model.toleranceBarMoved(*options_.selconTolerance);
    }
    model.valid();
}

void BatchAnswers::showContentBounds(analysis::ContentBoundsModel& model) {
    if (options_.contentMin) {
        model.minTextChanged(std::to_string(*options_.contentMin));
    }
    if (options_.contentMax) {
        model.maxTextChanged(std::to_string(*options_.contentMax));
    }
    model.ok();
}

}  // namespace tavrelion::batch
