#include "ReferenceData.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "store/NumberText.h"

namespace tavrelion::tools {
namespace {

std::vector<std::string> Words(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        throw std::runtime_error("cannot read " + file.string());
    }
    std::vector<std::string> words;
    std::string word;
    while (stream >> word) {
        words.push_back(word);
    }
    return words;
}

Eigen::MatrixXd ReadTable(const std::filesystem::path& file, int columns) {
    const std::vector<std::string> words = Words(file);
    if (columns <= 0 || words.size() % static_cast<std::size_t>(columns) != 0) {
        throw std::runtime_error(file.string() + " is not a table of " + std::to_string(columns) +
                                 " columns");
    }
    const auto rows = static_cast<Eigen::Index>(words.size() / static_cast<std::size_t>(columns));
    Eigen::MatrixXd table(rows, columns);
    for (Eigen::Index row = 0; row < rows; ++row) {
        for (Eigen::Index column = 0; column < columns; ++column) {
            table(row, column) =
                store::NumberOf(words[static_cast<std::size_t>(row * columns + column)]);
        }
    }
    return table;
}

}  // namespace

ReferenceData ReadReferenceData(const std::filesystem::path& folder) {
    ReferenceData data;
    data.proteins = Words(folder / "lbl2.txt");
    const int count = static_cast<int>(data.proteins.size());
    data.spectra = ReadTable(folder / "A.txt", count);
    data.fractions = ReadTable(folder / "F.txt", count);
    if (data.fractions.rows() != 4) {
        throw std::runtime_error("F.txt must hold helix, sheet, turn and disorder");
    }
    return data;
}

}  // namespace tavrelion::tools
