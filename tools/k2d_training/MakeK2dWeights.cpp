// Trains the K2D map on the reference proteins and writes weights.dat, or checks the method by
// leave-one-out cross-validation.
//
//   make_k2d_weights <SP175.REF> <weights.dat> [settings]
//   make_k2d_weights --cross-validate <SP175.REF> [settings]
//
// settings (for exploring; the defaults are those of the shipped map):
//   --grid <rows> <columns>  --epochs <n>  --rate <start> <end>  --radius <start> <end>
//   --label-radius <r>  --seed <n>  --nodes <k>  (nodes read for an estimate)
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "CrossValidation.h"
#include "k2d/WeightsFile.h"

namespace {

using namespace tavrelion::engines;
using namespace tavrelion::engines::k2d;

struct Options {
    bool crossValidate = false;
    std::vector<std::string> files;
    MapTrainingSettings settings;
    int estimateNodes = EstimateNodes;
};

double Number(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) {
        throw std::runtime_error(args[i] + " needs a value");
    }
    return std::stod(args[++i]);
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        MapTrainingSettings& s = options.settings;
        if (arg == "--cross-validate") {
            options.crossValidate = true;
        } else if (arg == "--grid") {
            s.rows = static_cast<int>(Number(args, i));
            s.columns = static_cast<int>(Number(args, i));
        } else if (arg == "--epochs") {
            s.epochs = static_cast<int>(Number(args, i));
        } else if (arg == "--rate") {
            s.startRate = Number(args, i);
            s.endRate = Number(args, i);
        } else if (arg == "--radius") {
            s.startRadius = Number(args, i);
            s.endRadius = Number(args, i);
        } else if (arg == "--label-radius") {
            s.labelRadius = Number(args, i);
        } else if (arg == "--seed") {
            s.seed = static_cast<std::uint64_t>(Number(args, i));
        } else if (arg == "--nodes") {
            options.estimateNodes = static_cast<int>(Number(args, i));
        } else if (arg.starts_with("--")) {
            throw std::runtime_error("unknown option " + arg);
        } else {
            options.files.push_back(arg);
        }
    }
    if (options.files.size() != (options.crossValidate ? 1u : 2u)) {
        throw std::runtime_error(
            "usage: make_k2d_weights <SP175.REF> <weights.dat> | --cross-validate <SP175.REF>");
    }
    return options;
}

std::string Format(const char* format, double a, double b = 0.0, double c = 0.0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

// The training settings in two parts short enough for a line each.
std::string GridText(const MapTrainingSettings& s) {
    return Format("grid %.0f x %.0f nodes, ", s.rows, s.columns) +
           Format("%.0f epochs, learning rate %g to %g", s.epochs, s.startRate, s.endRate);
}

std::string RadiusText(const MapTrainingSettings& s) {
    return Format("radius %g to %g, label radius %g, ", s.startRadius, s.endRadius, s.labelRadius) +
           "seed " + std::to_string(s.seed);
}

void PrintCrossValidation(const ReferenceSet& set, const Options& options) {
    const CrossValidationResult result =
        CrossValidate(set, options.settings, options.estimateNodes);
    std::cout << "Leave-one-out over " << set.proteinCount() << " proteins of " << set.name << "\n("
              << GridText(options.settings) << ",\n"
              << RadiusText(options.settings) << ", estimate from " << options.estimateNodes
              << " nodes)\n\n";
    std::cout << "| Class | RMSD | Correlation |\n|---|---|---|\n";
    const char* names[LabelCount] = {"Helix", "Sheet", "Random coil (turn + other)"};
    for (int label = 0; label < LabelCount; ++label) {
        const ClassAccuracy& a = result.accuracy[static_cast<std::size_t>(label)];
        std::cout << "| " << names[label] << Format(" | %.3f | %.3f |\n", a.rmsd, a.correlation);
    }
}

void WriteMap(const ReferenceSet& set, const Options& options) {
    const KohonenMap map = TrainMap(set, options.settings);
    WriteWeightsFile(
        map,
        {"K2D map: a self-organising (Kohonen) map of far-UV CD spectra, after Andrade, Chacon,",
         "Merelo & Moran (1993) Protein Eng 6:383-390.",
         "Inputs: mean residue ellipticity / 1000 (deg.cm2/dmol / 1000) at 200..240 nm, 1 nm.",
         "Trained on " + set.name + " (" + std::to_string(set.proteinCount()) +
             " proteins; Lees et al. 2006, Bioinformatics 22:1955" +
             (set.name == DisorderedReferenceSet ? "; Miles et al. 2023, Commun Biol 6:823" : "") +
             "), fractions by DSSP.",
         "Labels: helix, beta (sheet), random coil (turn + other) of each node.",
         "Training: " + GridText(options.settings) + ",", "  " + RadiusText(options.settings) + ".",
         "Generated by tools/k2d_training (make_k2d_weights); do not edit by hand."},
        options.files[1]);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        const ReferenceSet set = LoadReferenceSet(options.files[0]);
        if (options.crossValidate) {
            PrintCrossValidation(set, options);
        } else {
            WriteMap(set, options);
        }
        return EXIT_SUCCESS;
    } catch (const std::exception& error) {
        std::cerr << "make_k2d_weights: " << error.what() << '\n';
        return EXIT_FAILURE;
    }
}
