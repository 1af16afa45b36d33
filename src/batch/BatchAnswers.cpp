#include "batch/BatchAnswers.h"

#include <cstdio>

#include "analysis/ContentBoundsModel.h"
#include "analysis/ReferenceChoiceModel.h"
#include "analysis/SelconSettingsModel.h"
#include "spectrumio/ConversionDialogModel.h"
#include "spectrumio/UnitDialogModel.h"
#include "store/NumberText.h"

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

// Each line of a message gets the file's name, so that a script reading the errors line by line
// keeps the lines of a message (a read error names the line of the file on its second) together.
void BatchAnswers::tell(const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start || text.empty()) {
            err_ << fileName_ << ": " << text.substr(start, end - start) << '\n';
        }
        start = end + 1;
    }
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
std::optional<std::string> BatchAnswers::askText(const std::string&, const std::string&) {
    if (!options_.residues) {
        return std::nullopt;
    }
    return std::to_string(*options_.residues);
}

void BatchAnswers::showUnitDialog(spectrumio::UnitDialogModel& model) {
    if (!model.parametersUsed()) {
        // Delta epsilon needs neither number: the header's values (or 1) pass the dialog's check.
        const auto given = [](const std::string& text) {
            return store::NumberOf(text) != 0 ? text : std::string("1");
        };
        model.valid(given(model.initialConcentrationText()), given(model.initialCellWidthText()));
        return;
    }
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
