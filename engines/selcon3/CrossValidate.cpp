// Leave-one-out cross-validation of selcon3 and selcon2 on the reference set: each protein in turn
// is estimated from its spectrum (rounded to the two decimals the input files carry) with the
// other proteins as references. Prints RMSD and correlation per class for 240-175 and 240-190 nm
// and how many proteins got no estimate (their RMSD leaves them out).
//
//   selcon_crossvalidate [SP175.REF]             the table
//   selcon_crossvalidate --ssdata <folder> [SP175.REF]
//                                                writes ssdata.ks and ssdata.p2 for selcon2
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"
#include "selcon2/Selcon2Program.h"
#include "selcon2/StructureData.h"
#include "selcon3/SelconEstimate.h"

namespace {

using namespace tavrelion::engines;
using namespace tavrelion::engines::selcon;

const char* const ClassNames[] = {"helix", "sheet", "turn", "other"};

struct ClassScore {
    double rmsd = 0.0;
    double correlation = 0.0;
};

ClassScore Score(const std::vector<double>& known, const std::vector<double>& estimated) {
    const auto n = static_cast<double>(known.size());
    double sk = 0, se = 0, skk = 0, see = 0, ske = 0, sd = 0;
    for (std::size_t i = 0; i < known.size(); ++i) {
        sk += known[i];
        se += estimated[i];
        skk += known[i] * known[i];
        see += estimated[i] * estimated[i];
        ske += known[i] * estimated[i];
        sd += (known[i] - estimated[i]) * (known[i] - estimated[i]);
    }
    const double covariance = ske - sk * se / n;
    const double spread = std::sqrt((skk - sk * sk / n) * (see - se * se / n));
    return {std::sqrt(sd / n), spread > 0 ? covariance / spread : 0.0};
}

MeasuredSpectrum RoundedSpectrum(const ReferenceSet& set, int protein, int lowest) {
    MeasuredSpectrum spectrum{set.highestWavelength, lowest, {}};
    for (int nm = set.highestWavelength; nm >= lowest; --nm) {
        const double value = set.spectra(set.rowOfWavelength(nm), protein);
        spectrum.values.push_back(std::round(value * 100.0) / 100.0);
    }
    return spectrum;
}

void CrossValidate(const ReferenceSet& set, int lowest, const SelconOptions& options) {
    std::vector<std::vector<double>> known(ReferenceSet::ClassCount);
    std::vector<std::vector<double>> estimated(ReferenceSet::ClassCount);
    std::vector<double> nrmsds;
    int missing = 0;
    for (int p = 0; p < set.proteinCount(); ++p) {
        const Estimate estimate =
            EstimateStructure(set.without(p), RoundedSpectrum(set, p, lowest), options);
        if (!estimate.made) {
            ++missing;
            continue;
        }
        nrmsds.push_back(estimate.refitNrmsd);
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            known[c].push_back(set.fractions(c, p));
            estimated[c].push_back(estimate.fractions(c));
        }
    }
    std::printf("%d-%d nm, %d proteins, %d without estimate\n", set.highestWavelength, lowest,
                set.proteinCount(), missing);
    std::printf("  class   RMSD   correlation\n");
    for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
        const ClassScore score = Score(known[c], estimated[c]);
        std::printf("  %-6s %6.3f  %6.3f\n", ClassNames[c], score.rmsd, score.correlation);
    }
    // The fit-quality grades are set from these (median: good, 90th percentile: fair).
    std::sort(nrmsds.begin(), nrmsds.end());
    const auto at = [&](double share) {
        return nrmsds.empty()
                   ? 0.0
                   : nrmsds[std::min(
                         nrmsds.size() - 1,
                         static_cast<std::size_t>(share * static_cast<double>(nrmsds.size())))];
    };
    std::printf("  NRMSD of the refit: median %.3f, 90th percentile %.3f, 99th percentile %.3f\n",
                at(0.5), at(0.9), at(0.99));
}

int WriteStructureData(const char* folder, const ReferenceSet& set) {
    for (const StructureModel model :
         {StructureModel::KabschSander, StructureModel::PolyprolineP2}) {
        WriteStructureData(set, model, std::filesystem::path(folder));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc >= 3 && std::strcmp(argv[1], "--ssdata") == 0) {
            const ReferenceSet set = LoadReferenceSet(argc >= 4 ? argv[3] : ReferenceFileName);
            return WriteStructureData(argv[2], set);
        }
        const ReferenceSet set = LoadReferenceSet(argc >= 2 ? argv[1] : ReferenceFileName);
        std::printf("selcon3 (the shipped options)\n");
        CrossValidate(set, 175, DefaultOptions());
        CrossValidate(set, 190, DefaultOptions());
        // selcon2 as the program's start settings drive it: 10 iterations, total 100 +- 10 %.
        Selcon2Input settings;
        settings.iterations = 10;
        settings.totalTolerance = 0.10;
        std::printf("\nselcon2 (10 iterations, total within 100 +- 10 %%)\n");
        CrossValidate(set, 175, Selcon2Options(settings));
        CrossValidate(set, 190, Selcon2Options(settings));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "selcon_crossvalidate: %s\n", error.what());
        return 1;
    }
}
