#include "common/FitQuality.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace tavrelion::engines {
namespace {

// Below this spread (M-1 cm-1 per residue) a spectrum carries no band; the weakest reference
// protein spans several units between its extremes.
constexpr double FlatSpread = 0.05;
constexpr double ScaleMargin = 0.02;

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

struct Match {
    double scale = 0.0;
    double distance = 1.0;  // Nrmsd of a against scale * b
};

// b scaled by least squares onto a (scale kept positive: an inverted spectrum matches nothing).
Match MatchOf(const Eigen::VectorXd& a, const Eigen::VectorXd& b) {
    const double bb = b.squaredNorm();
    Match match;
    if (bb <= 0.0 || a.squaredNorm() <= 0.0)
        return match;
    match.scale = a.dot(b) / bb;
    if (match.scale <= 0.0)
        return match;
    match.distance = Nrmsd(a, match.scale * b);
    return match;
}

Match BestMatch(const Eigen::MatrixXd& spectra, const Eigen::VectorXd& query, Eigen::Index skip) {
    Match best;
    best.distance = std::numeric_limits<double>::infinity();
    for (Eigen::Index j = 0; j < spectra.cols(); ++j) {
        if (j == skip)
            continue;
        const Match match = MatchOf(query, spectra.col(j));
        if (match.distance < best.distance)
            best = match;
    }
    return best;
}

// The reference proteins' spectra and the spectrum (values from `highest` down in 1-nm steps) on
// the wavelengths they share; none when they share fewer than two or the set has fewer than
// `leastProteins` proteins.
struct SharedWavelengths {
    Eigen::MatrixXd spectra;
    Eigen::VectorXd query;
};

std::optional<SharedWavelengths> OnSharedWavelengths(const ReferenceSet& references, int highest,
                                                     const Eigen::VectorXd& spectrum,
                                                     int leastProteins) {
    const int lowest = highest - static_cast<int>(spectrum.size()) + 1;
    const int high = std::min(highest, references.highestWavelength);
    const int low = std::max(lowest, references.lowestWavelength);
    if (high - low < 1 || references.proteinCount() < leastProteins)
        return std::nullopt;
    return SharedWavelengths{references.spectraBetween(high, low),
                             spectrum.segment(highest - high, high - low + 1)};
}

// The 99th percentile of the reference proteins' distances to their own best match among the
// others: how far from every other protein a real protein's spectrum can lie.
double ShapeLimit(const Eigen::MatrixXd& spectra) {
    std::vector<double> distances;
    for (Eigen::Index p = 0; p < spectra.cols(); ++p)
        distances.push_back(BestMatch(spectra, spectra.col(p), p).distance);
    if (distances.empty())
        return 1.0;
    std::sort(distances.begin(), distances.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(distances.size())));
    return distances[std::min(distances.size(), std::max<std::size_t>(rank, 1)) - 1];
}

}  // namespace

double Nrmsd(const Eigen::VectorXd& measured, const Eigen::VectorXd& calculated) {
    const double size = measured.squaredNorm();
    if (size <= 0.0 || measured.size() != calculated.size())
        return 0.0;
    return std::sqrt((measured - calculated).squaredNorm() / size);
}

std::string FitQualityWord(double nrmsd) {
    if (nrmsd <= GoodFitNrmsd)
        return "good";
    return nrmsd <= FairFitNrmsd ? "fair" : "poor";
}

std::vector<std::string> BackCalculatedLines(int highest, const Eigen::VectorXd& measured,
                                             const Eigen::VectorXd& calculated) {
    const double nrmsd = Nrmsd(measured, calculated);
    std::vector<std::string> lines = {
        "",
        " Fit quality: NRMSD " + Fixed(nrmsd, 3) + ", " + FitQualityWord(nrmsd),
        " (NRMSD = sqrt(sum (d - d_calc)^2 / sum d^2), Mao, Wachter & Wallace 1982; good up to " +
            Fixed(GoodFitNrmsd, 3) + ", fair up to " + Fixed(FairFitNrmsd, 3) + ",",
        " the median and 90th percentile of SELCON3 in leave-one-out over SP175 at 240-175 nm)",
        " Back-calculated spectrum (delta epsilon per residue, M-1 cm-1):",
        "   nm   measured calculated"};
    for (Eigen::Index i = 0; i < measured.size() && i < calculated.size(); ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "  %3d %10.3f %10.3f", highest - static_cast<int>(i),
                      measured(i), calculated(i));
        lines.emplace_back(line);
    }
    return lines;
}

std::string SpectrumFlag(const ReferenceSet& references, int highest,
                         const Eigen::VectorXd& spectrum) {
    const std::string lead = SpectrumFlagLead;
    if (spectrum.size() == 0 || spectrum.maxCoeff() - spectrum.minCoeff() < FlatSpread)
        return lead + "the spectrum is zero or flat; the estimate means nothing.";
    const auto shared = OnSharedWavelengths(references, highest, spectrum, 2);
    if (!shared)
        return {};
    const Match best = BestMatch(shared->spectra, shared->query, -1);
    if (best.scale <= 0.0 || best.distance > ShapeLimit(shared->spectra))
        return lead +
               "the shape matches no reference protein (beyond the reference set's own 99th "
               "percentile); the estimate means nothing.";
    if (best.scale <= LowestScale * (1.0 + ScaleMargin) ||
        best.scale >= HighestScale / (1.0 + ScaleMargin))
        return lead +
               "the intensity is far outside the reference proteins' (scale factor outside "
               "0.5-2 of the best-matching reference spectrum); check the concentration, path "
               "length and units.";
    return {};
}

std::string NearDuplicateLine(const ReferenceSet& references, int highest,
                              const Eigen::VectorXd& spectrum) {
    const auto shared = OnSharedWavelengths(references, highest, spectrum, 1);
    if (!shared || shared->query.squaredNorm() <= 0.0)
        return {};
    const Eigen::MatrixXd& spectra = shared->spectra;
    const Eigen::VectorXd& query = shared->query;
    Eigen::Index nearest = 0;
    double distance = std::numeric_limits<double>::infinity();
    for (Eigen::Index p = 0; p < spectra.cols(); ++p) {
        const double d = Nrmsd(query, spectra.col(p));
        if (d < distance) {
            distance = d;
            nearest = p;
        }
    }
    if (!(distance < NearDuplicateNrmsd))
        return {};
    return std::string(NearDuplicateLead) + "the spectrum is almost that of " +
           references.codes[static_cast<std::size_t>(nearest)] + " (NRMSD " + Fixed(distance, 3) +
           ") in the reference set " + references.name +
           "; the estimate repeats that protein's structure.";
}

}  // namespace tavrelion::engines
