#include "selcon2/StructureData.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/DataLimits.h"
#include "selcon3/MeasuredSpectrum.h"
#include "selcon3/SelconEstimate.h"

namespace tavrelion::engines::selcon {
namespace {

constexpr const char* ClassesLine = "CLASSES HELIX SHEET TURN OTHER";
constexpr int MaxProteins = 1000;

std::string RestAfter(const std::string& line, const std::string& keyword) {
    const std::size_t start = line.find_first_not_of(" \t", keyword.size());
    return start == std::string::npos ? std::string() : line.substr(start);
}

// The lines that are neither blank nor comments, and the number of each in the file.
std::vector<std::string> ContentLines(std::istream& in, std::vector<int>& numbers) {
    std::vector<std::string> lines;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#')
            continue;
        lines.push_back(line);
        numbers.push_back(number);
    }
    return lines;
}

void ReadProtein(const std::string& line, StructureData& data, int protein) {
    const std::vector<std::string> items = SplitItems(line);
    if (items.size() != 1 + ReferenceSet::ClassCount)
        throw InputError("the protein line \"" + line + "\" needs a code and four fractions");
    data.codes.push_back(items[0]);
    for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
        const double value =
            ReadNumber(items[static_cast<std::size_t>(c) + 1], "a fraction of " + items[0]);
        if (value < 0.0 || value > 1.0)
            throw InputError("the fraction " + items[static_cast<std::size_t>(c) + 1] + " of " +
                             items[0] + " is outside 0 to 1");
        data.fractions(c, protein) = value;
    }
    const std::string problem =
        FractionsProblem(&data.fractions(0, protein), ReferenceSet::ClassCount);
    if (!problem.empty())
        throw InputError(items[0] + ": " + problem);
}

}  // namespace

StructureData ReadStructureData(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw InputError("the structure data file " + file.filename().string() +
                         " is missing or cannot be read");
    std::vector<int> lineNumbers;
    const std::vector<std::string> lines = ContentLines(in, lineNumbers);
    StructureData data;
    std::size_t next = 0;
    for (; next < lines.size(); ++next) {
        const std::string& line = lines[next];
        if (line.rfind("CLASSIFICATION", 0) == 0) {
            data.classification = RestAfter(line, "CLASSIFICATION");
        } else if (line.rfind("NOTE", 0) == 0) {
            data.notes.push_back(RestAfter(line, "NOTE"));
        } else if (line.rfind("CLASSES", 0) == 0) {
            if (SplitItems(line) != SplitItems(ClassesLine))
                throw InputError("the classes must be HELIX SHEET TURN OTHER, not \"" + line +
                                 "\"");
        } else {
            break;
        }
    }
    const std::vector<std::string> count =
        next < lines.size() ? SplitItems(lines[next]) : std::vector<std::string>{};
    if (data.classification.empty() || count.size() != 2 || count[0] != "PROTEINS")
        throw InputError("the structure data file needs a CLASSIFICATION line and a PROTEINS line");
    const double proteins = ReadNumber(count[1], "the number of proteins");
    if (proteins < 3 || proteins > MaxProteins || proteins != static_cast<int>(proteins))
        throw InputError("the number of proteins " + count[1] + " is not between 3 and 1000");
    const int total = static_cast<int>(proteins);
    if (lines.size() - next - 1 != static_cast<std::size_t>(total))
        throw InputError("the structure data file announces " + count[1] + " proteins but holds " +
                         std::to_string(lines.size() - next - 1));
    data.fractions.resize(ReferenceSet::ClassCount, total);
    for (int p = 0; p < total; ++p) {
        const std::size_t line = next + 1 + static_cast<std::size_t>(p);
        try {
            ReadProtein(lines[line], data, p);
        } catch (const InputError& error) {
            throw InputError(file.filename().string() + ", line " +
                             std::to_string(lineNumbers[line]) + ": " + error.what());
        }
    }
    return data;
}

std::string StructureDataFileName(StructureModel model) {
    return model == StructureModel::KabschSander ? "ssdata.ks" : "ssdata.p2";
}

void WriteStructureData(const ReferenceSet& set, StructureModel model,
                        const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / StructureDataFileName(model);
    std::ofstream out(file, std::ios::binary);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    out << "# Secondary structure of the reference proteins of selcon2, by protein code.\n"
        << "# Classes from the crystal structures by DSSP (Kabsch & Sander 1983, Biopolymers\n"
        << "# 22:2577-2637), as given with the " << set.name << " reference set; the spectra are\n"
        << "# read from " << set.name << ".REF and matched by code.\n";
    for (const std::string& citation : ReferenceCitations(set.name))
        out << "# Cite: " << citation << "\n";
    out << "# Generated by selcon_crossvalidate --ssdata; do not edit by hand.\n";
    out << "CLASSIFICATION DSSP (Kabsch & Sander 1983) classes of the " << set.name
        << " reference set\n";
    out << ClassesLine << "\n";
    if (model == StructureModel::PolyprolineP2) {
        out << "NOTE Polyproline II (PP2) is NOT available in this reference data: these are the\n"
            << "NOTE DSSP classes (helix, sheet, turn, other) and PP2 is left blank.\n";
    }
    out << "PROTEINS " << set.proteinCount() << "\n";
    char buffer[32];
    for (int p = 0; p < set.proteinCount(); ++p) {
        out << set.codes[static_cast<std::size_t>(p)];
        for (int c = 0; c < ReferenceSet::ClassCount; ++c) {
            std::snprintf(buffer, sizeof buffer, " %.4f", set.fractions(c, p));
            out << buffer;
        }
        out << "\n";
    }
}

ReferenceSet MatchReferences(const ReferenceSet& spectra, const StructureData& data) {
    ReferenceSet matched = spectra;
    matched.codes = data.codes;
    matched.titles.clear();
    matched.fractions = data.fractions;
    matched.spectra.resize(spectra.spectra.rows(), static_cast<Eigen::Index>(data.codes.size()));
    for (std::size_t p = 0; p < data.codes.size(); ++p) {
        const int index = ProteinIndex(spectra, data.codes[p]);
        if (index < 0)
            throw InputError("the reference spectra (" + spectra.name + ".REF" +
                             ") hold no protein " + data.codes[p]);
        matched.spectra.col(static_cast<Eigen::Index>(p)) = spectra.spectra.col(index);
    }
    return matched;
}

}  // namespace tavrelion::engines::selcon
