#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrelion::batch {

// The command line of tavrelion-batch: the method, the answers to the program's questions and
// dialogs, and the spectrum files.
struct BatchOptions {
    int menuEntry = 9;  // the F&it entry the method runs (9: all methods)
    std::string programDir;
    std::optional<int> residues;
    std::optional<double> cellWidth;
    std::optional<double> concentration;
    std::optional<int> selconModel;
    std::optional<int> selconIterations;
    std::optional<int> selconTolerance;
    std::optional<int> varselecRemove;
    std::vector<int> varselecProteins;  // empty: the proteins chosen at start (all 33)
    std::optional<int> contentMin;
    std::optional<int> contentMax;
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
};

// Reads the arguments (without the program name). A mistake gives std::invalid_argument with a
// message that names the option.
BatchOptions ParseBatchOptions(const std::vector<std::string>& arguments);

// The text of --help: every option with its default.
std::string BatchHelpText();

}  // namespace tavrelion::batch
