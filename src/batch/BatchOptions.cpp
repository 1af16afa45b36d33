#include "batch/BatchOptions.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace tavrelion::batch {
namespace {

const std::map<std::string, int> MethodEntries = {
    {"lsq", 1},     {"varselec", 2}, {"helix", 3},  {"selcon2", 4},
    {"selcon3", 5}, {"k2d", 6},      {"contin", 7}, {"all", 9},
};

double Number(const std::string& option, const std::string& text) {
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !std::isfinite(value)) {
        throw std::invalid_argument(option + " needs a number, not \"" + text + "\"");
    }
    return value;
}

int Whole(const std::string& option, const std::string& text, int low, int high) {
    const double value = Number(option, text);
    if (value != std::floor(value) || value < low || value > high) {
        throw std::invalid_argument(option + " needs a whole number from " + std::to_string(low) +
                                    " to " + std::to_string(high) + ", not \"" + text + "\"");
    }
    return static_cast<int>(value);
}

double Positive(const std::string& option, const std::string& text) {
    const double value = Number(option, text);
    if (value <= 0) {
        throw std::invalid_argument(option + " needs a number above 0, not \"" + text + "\"");
    }
    return value;
}

// "1-10,12,15-20": protein numbers of the Varselec basis, each once, in ascending order.
std::vector<int> ProteinList(const std::string& option, const std::string& text) {
    std::vector<bool> chosen(34, false);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        const int first = Whole(option, item.substr(0, dash), 1, 33);
        const int last =
            dash == std::string::npos ? first : Whole(option, item.substr(dash + 1), 1, 33);
        for (int p = first; p <= last; ++p) {
            chosen[static_cast<std::size_t>(p)] = true;
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    std::vector<int> proteins;
    for (int p = 1; p <= 33; ++p) {
        if (chosen[static_cast<std::size_t>(p)]) {
            proteins.push_back(p);
        }
    }
    if (proteins.empty()) {
        throw std::invalid_argument(option + " names no protein");
    }
    return proteins;
}

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& arguments) {
    BatchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--version") {
            options.version = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0) {
            options.files.push_back(argument);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            throw std::invalid_argument(argument + " needs a value");
        }
        const std::string& value = arguments[++i];
        if (argument == "--method") {
            const auto entry = MethodEntries.find(value);
            if (entry == MethodEntries.end()) {
                throw std::invalid_argument(
                    "--method must be lsq, helix, varselec, selcon2, selcon3, k2d, contin or all, "
                    "not \"" +
                    value + "\"");
            }
            options.menuEntry = entry->second;
        } else if (argument == "--program-dir") {
            options.programDir = value;
        } else if (argument == "--residues") {
            options.residues = Whole(argument, value, 1, 32767);
        } else if (argument == "--cell-width") {
            options.cellWidth = Positive(argument, value);
        } else if (argument == "--concentration") {
            options.concentration = Positive(argument, value);
        } else if (argument == "--selcon-model") {
            options.selconModel = Whole(argument, value, 1, 4);
        } else if (argument == "--selcon-iterations") {
            options.selconIterations = Whole(argument, value, 1, 32767);
        } else if (argument == "--selcon-tolerance") {
            options.selconTolerance = Whole(argument, value, 1, 30);
        } else if (argument == "--varselec-remove") {
            options.varselecRemove = Whole(argument, value, 0, 5);
        } else if (argument == "--varselec-proteins") {
            options.varselecProteins = ProteinList(argument, value);
        } else if (argument == "--content-min") {
            options.contentMin = Whole(argument, value, -32768, 32767);
        } else if (argument == "--content-max") {
            options.contentMax = Whole(argument, value, -32768, 32767);
        } else {
            throw std::invalid_argument("unknown option " + argument);
        }
    }
    if (!options.help && !options.version && options.files.empty()) {
        throw std::invalid_argument("no spectrum file given");
    }
    if (options.cellWidth.has_value() != options.concentration.has_value()) {
        throw std::invalid_argument("--cell-width and --concentration go together");
    }
    return options;
}

std::string BatchHelpText() {
    return R"(Usage: tavrelion-batch [options] FILE...

Estimates the secondary structure of each spectrum file (CD6 or CDMAX .ASC exports, .JCD, .TVR)
with the methods of the F&it menu of TAVRELION 2000, without windows. Each file is loaded into a
new set; the result files are written beside it exactly as the menu commands write them, and
their paths are printed on standard output, one per line. Messages the program would show in a
box go to standard error, prefixed with the file name. The exit status is 0 only when every file
produced its results.

Options (defaults in brackets):
  --method M               lsq, helix, varselec, selcon2, selcon3, k2d, contin or all [all].
                           all runs lsq, selcon2, selcon3, k2d, contin and varselec and writes
                           the summary (.SUM); lsq also copies the report beside the spectrum
                           as .FIT.
  --program-dir DIR        the program folder with the analysis programs and their data
                           [the folder of tavrelion-batch, or its per-user copy when that folder
                           cannot be written]
  --residues N             number of amino-acid residues, for --method helix [required there]
  --cell-width MM          cell width in mm, for files in Delta A or degrees [asked: required]
  --concentration M        residue molar concentration, with --cell-width [asked: required]
  --selcon-model 1-4       SELCON2 structure model: 1 original (pp2), 2 Kabsch-Sander,
                           3 Hennessey-Johnson, 4 Levitt-Greer [1]
  --selcon-iterations N    SELCON2 iteration number [10]
  --selcon-tolerance X     SELCON2 accepts totals within 100-X % and 100+X %, X 1..30 [10]
  --varselec-remove K      Varselec: proteins left out of each combination, 0..5 [2]
  --varselec-proteins LIST Varselec basis proteins kept, e.g. 1-20,25,30-33 [1-33]
  --content-min N          Varselec analysis: lowest total content accepted, percent [10]
  --content-max N          Varselec analysis: highest total content accepted, percent [110]
  --help                   this text
  --version                the program's version
)";
}

}  // namespace tavrelion::batch
