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

const std::vector<std::string>& BatchValueOptions() {
    static const std::vector<std::string> names = {
        "method",
        "program-dir",
        "residues",
        "cell-width",
        "path-cm",
        "concentration",
        "unit",
        "mg-per-ml",
        "mrw",
        "ht-max",
        "convert-to",
        "selcon-model",
        "selcon-iterations",
        "selcon-tolerance",
        "varselec-remove",
        "varselec-proteins",
        "content-min",
        "content-max",
        "reference",
        "jobs",
        "timeout",
        "baseline",
        "multiply",
        "subtract",
        "smooth",
        "table",
    };
    return names;
}

void SetBatchOption(BatchOptions& options, const std::string& name, const std::string& value) {
    const std::string argument = "--" + name;
    if (argument == "--method") {
        const auto entry = MethodEntries.find(value);
        if (entry == MethodEntries.end()) {
            throw std::invalid_argument(
                "--method must be lsq, helix, varselec, selcon2, selcon3, k2d, contin or all, "
                "not \"" +
                value + "\"");
        }
        options.menuEntry = entry->second;
        options.methodGiven = true;
    } else if (argument == "--program-dir") {
        options.programDir = value;
    } else if (argument == "--residues") {
        options.residues = Whole(argument, value, 1, 32767);
    } else if (argument == "--cell-width" || argument == "--path-cm") {
        options.cellWidth = Positive(argument, value);
    } else if (argument == "--concentration") {
        options.concentration = Positive(argument, value);
    } else if (argument == "--unit") {
        options.unit = spectrumio::CdUnitFromName(value);
        if (!options.unit) {
            throw std::invalid_argument(
                "--unit must be mdeg, deg, delta-a, delta-epsilon, molar or mre, not \"" + value +
                "\"");
        }
    } else if (argument == "--mg-per-ml") {
        options.mgPerMl = Positive(argument, value);
    } else if (argument == "--mrw") {
        options.meanResidueWeight = Positive(argument, value);
    } else if (argument == "--ht-max") {
        options.htMax = Number(argument, value);
    } else if (argument == "--convert-to") {
        if (value != "tvr" && value != "csv") {
            throw std::invalid_argument("--convert-to must be tvr or csv, not \"" + value + "\"");
        }
        options.convertTo = value;
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
    } else if (argument == "--reference") {
        const auto set = analysis::ReferenceSetNamed(value);
        if (!set) {
            throw std::invalid_argument("--reference must be sp175 or idp175, not \"" + value +
                                        "\"");
        }
        options.referenceSet = *set;
    } else if (argument == "--jobs") {
        options.jobs = Whole(argument, value, 1, 64);
    } else if (argument == "--timeout") {
        options.timeoutSeconds = Whole(argument, value, 1, 86400);
    } else if (argument == "--baseline") {
        options.baseline = value;
    } else if (argument == "--multiply") {
        options.multiply = value;
    } else if (argument == "--subtract") {
        options.subtract = value;
    } else if (argument == "--smooth") {
        options.smooth = value;
    } else if (argument == "--table") {
        options.table = value;
    } else {
        throw std::invalid_argument("unknown option " + argument);
    }
}

void CheckBatchOptions(const BatchOptions& options) {
    if (!options.help && !options.version && options.files.empty()) {
        throw std::invalid_argument("no spectrum file given");
    }
    if (options.mgPerMl.has_value() && options.concentration.has_value()) {
        throw std::invalid_argument("give --concentration or --mg-per-ml, not both");
    }
    if (!options.table.empty() && options.menuEntry != 9) {
        throw std::invalid_argument("--table needs --method all, whose results it collects");
    }
}

std::string BatchHelpText() {
    return R"(Usage: tavrelion-batch [options] FILE...

Estimates the secondary structure of each spectrum file (CD6 or CDMAX .ASC exports, .JCD, .TVR,
JASCO, Chirascan, Aviv and PCDDB exports, plain columns) with the methods of the F&it menu of TAVRELION 2000, without windows. Each file is loaded into a
new set; the result files are written beside it exactly as the menu commands write them, and
their paths are printed on standard output, one per line. Messages the program would show in a
box go to standard error, prefixed with the file name; an analysis program that fails (exit
status, crash, time-out, no output) fails its file, with the program's reason. The exit status
is 0 only when every file produced its results. Work and exchange files go into a private folder
per job under the user's runtime or cache folder, removed at the end; SIGINT and SIGTERM end the
running analysis programs too, and a result file is never left half-written.

Options (defaults in brackets):
  --method M               lsq, helix, varselec, selcon2, selcon3, k2d, contin or all [all].
                           all runs lsq, selcon2, selcon3, k2d, contin and varselec and writes
                           the summary (.SUM); lsq also copies the report beside the spectrum
                           as .FIT, and the table of every method's fractions, fit quality
                           and their consensus (.CSV).
  --program-dir DIR        the program folder with the analysis programs and their data; it is
                           only read [the folder of tavrelion-batch]
  --residues N             number of amino-acid residues, for --method helix [required there]
                           and for values in molar ellipticity
  --path-cm CM             path length (cell width) in cm, for values in mdeg, degrees or
                           Delta A [from the file's header; else required]
  --cell-width CM          the same as --path-cm
  --concentration M        residue molar concentration [from the file's header; else required]
  --mg-per-ml X            protein concentration in mg/mL, instead of --concentration
  --mrw D                  mean residue weight in Da, with --mg-per-ml [from the file's header]
  --unit U                 unit of the file's values: mdeg, deg, delta-a, delta-epsilon, molar
                           (per molecule, needs --residues) or mre; for files that do not state
                           it, or to override what they state [the file's]
  --ht-max V               drop the points at the short-wavelength end whose HT (detector
                           voltage) is above V volts; 0 keeps every point [600, Aviv 500]
  --convert-to F           write each spectrum as tvr or csv beside it (NAME.TVR, NAME.csv,
                           or NAME_MRE.csv for NAME.csv itself), in mean residue ellipticity
                           on its 1-nm grid, instead of analysing it; with --method it is
                           analysed as well
  --selcon-model 1-4       SELCON2 structure model: 1 original (pp2), 2 Kabsch-Sander,
                           3 Hennessey-Johnson, 4 Levitt-Greer [1]
  --selcon-iterations N    SELCON2 iteration number [10]
  --selcon-tolerance X     SELCON2 accepts totals within 100-X % and 100+X %, X 1..30 [10]
  --varselec-remove K      Varselec: proteins left out of each combination, 0..5 [2]
  --varselec-proteins LIST Varselec basis proteins kept, e.g. 1-20,25,30-33 [1-33]
  --content-min N          Varselec analysis: lowest total content accepted, percent [10]
  --content-max N          Varselec analysis: highest total content accepted, percent [110]
  --table FILE             also collect the .CSV rows of every file, in the order given, in
                           one CSV file FILE under one header (with --method all)
  --reference SET          reference set of the analysis programs: sp175, or idp175 (SP175
                           with five proteins replaced by intrinsically disordered ones) for
                           proteins that may be largely disordered [sp175]
  --jobs N                 files analysed side by side, each in a work folder of its own
                           [the number of processor cores]
  --timeout SECONDS        an analysis program still running after this time is stopped and
                           its file fails [60]
  --baseline C|FROM-TO     subtract a constant C, or the mean over FROM-TO nm (e.g. 250-260)
  --multiply F             multiply every value by F (e.g. a corrected concentration's ratio)
  --subtract FILE          subtract the spectrum FILE (e.g. the buffer) on the shared
                           wavelengths
  --smooth NM              Savitzky-Golay smoothing with a window of NM nm, order 2
                           The corrections run in this order before the methods; the reports
                           state them as the Corrections menu's do.
  --help                   this text
  --version                the program's version
  --                       ends the options: every later argument is a spectrum file, even
                           one whose name begins with -
)";
}

}  // namespace tavrelion::batch
