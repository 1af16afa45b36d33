#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/ReferenceSetChoice.h"
#include "spectrumio/CdUnits.h"

namespace tavrelion::batch {

// The command line of tavrelion-batch: the method, the answers to the program's questions and
// dialogs, and the spectrum files.
struct BatchOptions {
    int menuEntry = 9;  // the F&it entry the method runs (9: all methods)
    std::string programDir;
    std::optional<int> residues;
    std::optional<double> cellWidth;      // the path length in cm (--path-cm, --cell-width)
    std::optional<double> concentration;  // residue molar
    std::optional<spectrumio::CdUnit> unit;
    std::optional<double> mgPerMl;
    std::optional<double> meanResidueWeight;
    std::optional<double> htMax;
    std::optional<std::string> convertTo;  // "tvr" or "csv"
    std::string table;  // one CSV with the result-table rows of every file; empty: none
    bool methodGiven = false;
    std::optional<int> selconModel;
    std::optional<int> selconIterations;
    std::optional<int> selconTolerance;
    std::optional<int> varselecRemove;
    std::vector<int> varselecProteins;  // empty: the proteins chosen at start (all 33)
    std::optional<int> contentMin;
    std::optional<int> contentMax;
    analysis::ReferenceSetChoice referenceSet = analysis::ReferenceSetChoice::Sp175;
    int jobs = 0;             // files analysed side by side; 0: one per processor core
    int timeoutSeconds = 60;  // longest run of one analysis program
    // Corrections applied before the methods, in this order; texts as the dialogs take them.
    std::string baseline;  // a constant, or a range FROM-TO in nm whose mean is subtracted
    std::string multiply;
    std::string subtract;  // a spectrum file, e.g. the buffer's
    std::string smooth;    // Savitzky-Golay window in nm
    std::vector<std::string> files;
    bool help = false;
    bool version = false;

    bool corrects() const {
        return !baseline.empty() || !multiply.empty() || !subtract.empty() || !smooth.empty();
    }
};

// The options that take a value, by their names without the leading dashes.
const std::vector<std::string>& BatchValueOptions();

// Sets one option (its name without the dashes) from its value as typed. A value that breaks the
// option's rule, or an unknown name, gives std::invalid_argument with a message naming the option.
void SetBatchOption(BatchOptions& options, const std::string& name, const std::string& value);

// The rules between the options, once all are read; std::invalid_argument when one is broken.
void CheckBatchOptions(const BatchOptions& options);

// The text of --help: every option with its default.
std::string BatchHelpText();

}  // namespace tavrelion::batch
