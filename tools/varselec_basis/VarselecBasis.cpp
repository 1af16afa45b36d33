#include "VarselecBasis.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "varselec/BasisFormat.h"

namespace tavrelion::tools {

using engines::ReferenceSet;
namespace varselec = engines::varselec;

std::vector<int> ChooseVarselecBasis(const ReferenceSet& set, int count) {
    const int n = set.proteinCount();
    if (count < 2 || count > n) {
        throw std::invalid_argument("cannot choose " + std::to_string(count) + " of " +
                                    std::to_string(n) + " proteins");
    }
    std::vector<int> ranked(static_cast<std::size_t>(n));
    std::iota(ranked.begin(), ranked.end(), 0);
    const auto& f = set.fractions;
    std::stable_sort(ranked.begin(), ranked.end(), [&f](int a, int b) {
        const double helixA = f(ReferenceSet::HelixClass, a);
        const double helixB = f(ReferenceSet::HelixClass, b);
        if (helixA != helixB) {
            return helixA < helixB;
        }
        return f(ReferenceSet::SheetClass, a) > f(ReferenceSet::SheetClass, b);
    });
    std::vector<int> chosen;
    for (int i = 0; i < count; ++i) {
        const auto rank = std::lround(static_cast<double>(i) * (n - 1) / (count - 1));
        chosen.push_back(ranked[static_cast<std::size_t>(rank)]);
    }
    return chosen;
}

std::string VarselecBasisText(const ReferenceSet& set, const std::vector<int>& proteins) {
    std::string text;
    for (const int p : proteins) {
        varselec::StructureFractions fractions{};
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            fractions[static_cast<std::size_t>(c)] = set.fractions(c, p);
        }
        text += varselec::FormatNameLine(set.codes[static_cast<std::size_t>(p)], fractions);
        text += "\r\n";
        for (int nm = varselec::BasisFirstWavelength; nm <= varselec::BasisLastWavelength; ++nm) {
            text += set.covers(nm)
                        ? varselec::FormatBasisValue(set.spectra(set.rowOfWavelength(nm), p))
                        : std::string(varselec::MissingValueText);
            text += "\r\n";
        }
    }
    return text;
}

}  // namespace tavrelion::tools
