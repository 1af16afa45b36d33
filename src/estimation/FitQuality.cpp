#include "estimation/FitQuality.h"

#include <cmath>
#include <cstdio>

namespace tavrelion::estimation {

std::optional<double> Nrmsd(const std::vector<double>& measured,
                            const std::vector<double>& calculated) {
    if (measured.size() != calculated.size()) {
        return std::nullopt;
    }
    double size = 0.0;
    double deviation = 0.0;
    for (std::size_t i = 0; i < measured.size(); ++i) {
        size += measured[i] * measured[i];
        deviation += (measured[i] - calculated[i]) * (measured[i] - calculated[i]);
    }
    if (!(size > 0.0)) {
        return std::nullopt;
    }
    return std::sqrt(deviation / size);
}

std::string FitQualityWord(double nrmsd) {
    if (nrmsd <= GoodFitNrmsd) {
        return "good";
    }
    return nrmsd <= FairFitNrmsd ? "fair" : "poor";
}

std::vector<std::string> BackCalculatedLines(int highest, const std::vector<double>& measured,
                                             const std::vector<double>& calculated) {
    const std::optional<double> nrmsd = Nrmsd(measured, calculated);
    if (!nrmsd) {
        return {};
    }
    char limits[160];
    std::snprintf(limits, sizeof limits,
                  " (NRMSD = sqrt(sum (d - d_calc)^2 / sum d^2), Mao, Wachter & Wallace 1982; "
                  "good up to %.3f, fair up to %.3f,",
                  GoodFitNrmsd, FairFitNrmsd);
    char grade[64];
    std::snprintf(grade, sizeof grade, " Fit quality: NRMSD %.3f, ", *nrmsd);
    std::vector<std::string> lines = {
        "",
        grade + FitQualityWord(*nrmsd),
        limits,
        " the median and 90th percentile of SELCON3 in leave-one-out over SP175 at 240-175 nm)",
        " Back-calculated spectrum (delta epsilon per residue, M-1 cm-1):",
        "   nm   measured calculated"};
    for (std::size_t i = 0; i < measured.size(); ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "  %3d %10.3f %10.3f", highest - static_cast<int>(i),
                      measured[i], calculated[i]);
        lines.emplace_back(line);
    }
    return lines;
}

}  // namespace tavrelion::estimation
