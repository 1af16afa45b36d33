#include "common/ReferenceSet.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/DataLimits.h"
#include "common/DataWords.h"

namespace tavrelion::engines {

// File layout (plain text, '#' starts a comment line):
//   SET <name>
//   WAVELENGTHS <highest> <lowest>
//   PROTEINS <count>
//   then per protein: PROTEIN <code> <helix> <sheet> <turn> <other>
//   followed by the delta epsilon values from the highest wavelength down, any number per line.

ReferenceSet ReferenceSet::without(int protein) const {
    ReferenceSet rest = *this;
    const Eigen::Index n = proteinCount();
    if (protein < 0 || protein >= n)
        return rest;
    rest.codes.erase(rest.codes.begin() + protein);
    if (static_cast<Eigen::Index>(rest.titles.size()) == n) {
        rest.titles.erase(rest.titles.begin() + protein);
    }
    const Eigen::Index after = n - protein - 1;
    rest.spectra.resize(spectra.rows(), n - 1);
    rest.spectra << spectra.leftCols(protein), spectra.rightCols(after);
    rest.fractions.resize(fractions.rows(), n - 1);
    rest.fractions << fractions.leftCols(protein), fractions.rightCols(after);
    return rest;
}

Eigen::MatrixXd ReferenceSet::spectraBetween(int high, int low) const {
    return spectra.middleRows(rowOfWavelength(high), high - low + 1);
}

std::string KnownReferenceSet(const std::string& word) {
    std::string name = word;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name == DefaultReferenceSet || name == DisorderedReferenceSet ? name : std::string();
}

std::filesystem::path ReferenceFileOf(const std::filesystem::path& data, const std::string& set) {
    return data / (set + ".REF");
}

std::filesystem::path TrainedDataFolder(const std::filesystem::path& data, const std::string& set) {
    if (set.empty() || set == DefaultReferenceSet)
        return data;
    std::string folder = set;
    std::transform(folder.begin(), folder.end(), folder.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return data / folder;
}

std::vector<std::string> ReferenceCitations(const std::string& set) {
    if (set == DisorderedReferenceSet)
        return {ReferenceCitation, DisorderedReferenceCitation};
    return {ReferenceCitation};
}

ReferenceSet LoadReferenceSet(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("reference file " + file.string() + " cannot be read");
    DataWords tokens(in, "reference file " + file.string());
    ReferenceSet set;
    tokens.keyword("SET");
    set.name = tokens.word("the set name");
    tokens.keyword("WAVELENGTHS");
    set.highestWavelength = tokens.whole("the highest wavelength");
    set.lowestWavelength = tokens.whole("the lowest wavelength");
    if (set.lowestWavelength < 100 || set.highestWavelength > 400 ||
        set.highestWavelength - set.lowestWavelength < 10) {
        tokens.fail("implausible wavelength range");
    }
    tokens.keyword("PROTEINS");
    const int count = tokens.whole("the number of proteins");
    if (count < 3 || count > 1000)
        tokens.fail("implausible number of proteins");
    set.spectra.resize(set.wavelengthCount(), count);
    set.fractions.resize(ReferenceSet::ClassCount, count);
    for (int p = 0; p < count; ++p) {
        tokens.keyword("PROTEIN");
        set.codes.push_back(tokens.word("a protein code"));
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            set.fractions(c, p) = tokens.number("a fraction");
        }
        const std::string problem =
            FractionsProblem(&set.fractions(0, p), ReferenceSet::ClassCount);
        if (!problem.empty())
            tokens.fail(set.codes.back() + ": " + problem);
        for (int row = 0; row < set.wavelengthCount(); ++row) {
            set.spectra(row, p) = tokens.number("a spectrum value");
            if (!WithinLimit(set.spectra(row, p), LargestDeltaEpsilon))
                tokens.fail(set.codes.back() + ": the delta epsilon " +
                            std::to_string(set.spectra(row, p)) +
                            " is beyond any protein's spectrum");
        }
    }
    if (!tokens.atEnd())
        tokens.fail("more data than the declared proteins");
    return set;
}

void WriteReferenceSet(const ReferenceSet& set, const std::vector<std::string>& header,
                       const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    for (const std::string& line : header)
        out << "# " << line << "\n";
    out << "SET " << set.name << "\n";
    out << "WAVELENGTHS " << set.highestWavelength << ' ' << set.lowestWavelength << "\n";
    out << "PROTEINS " << set.proteinCount() << "\n";
    char buffer[32];
    for (int p = 0; p < set.proteinCount(); ++p) {
        out << "PROTEIN " << set.codes[static_cast<std::size_t>(p)];
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            std::snprintf(buffer, sizeof buffer, " %.4f", set.fractions(c, p));
            out << buffer;
        }
        out << "\n";
        for (int row = 0; row < set.wavelengthCount(); ++row) {
            std::snprintf(buffer, sizeof buffer, "%10.6f", set.spectra(row, p));
            out << buffer << ((row % 10 == 9 || row + 1 == set.wavelengthCount()) ? "\n" : " ");
        }
    }
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace tavrelion::engines
