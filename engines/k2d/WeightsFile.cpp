#include "k2d/WeightsFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tavrelion::engines::k2d {
namespace {

constexpr int LargestGrid = 100;
constexpr int WeightsPerLine = 8;

[[noreturn]] void Damaged(const std::filesystem::path& file, const std::string& what) {
    throw std::runtime_error(file.filename().string() + ": " + what);
}

// The words of the file without its comment lines.
class WordReader {
  public:
    WordReader(std::istream& in, std::filesystem::path file) : file_(std::move(file)) {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] == '#') {
                continue;
            }
            std::istringstream words(line);
            std::string word;
            while (words >> word) {
                words_.push_back(word);
            }
        }
    }

    std::string word(const std::string& what) {
        if (next_ >= words_.size()) {
            Damaged(file_, "ends before " + what);
        }
        return words_[next_++];
    }

    void keyword(const std::string& expected) {
        if (word(expected) != expected) {
            Damaged(file_, "expected " + expected + " before \"" + words_[next_ - 1] + "\"");
        }
    }

    double number(const std::string& what) {
        const std::string text = word(what);
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0' || !std::isfinite(value)) {
            Damaged(file_, "\"" + text + "\" is not a number (" + what + ")");
        }
        return value;
    }

    int whole(const std::string& what) {
        const double value = number(what);
        if (value != std::floor(value) || std::abs(value) > 1e6) {
            Damaged(file_, what + " is not a whole number");
        }
        return static_cast<int>(value);
    }

    bool finished() const { return next_ == words_.size(); }

  private:
    std::filesystem::path file_;
    std::vector<std::string> words_;
    std::size_t next_ = 0;
};

std::string Formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void ReadNode(WordReader& words, KohonenMap& map, int node, const std::filesystem::path& file) {
    const std::string where = "node " + std::to_string(node / map.columns + 1) + " " +
                              std::to_string(node % map.columns + 1);
    words.keyword("NODE");
    if (words.whole("node row") != node / map.columns + 1 ||
        words.whole("node column") != node % map.columns + 1) {
        Damaged(file, "the nodes are not in order at " + where);
    }
    for (int label = 0; label < LabelCount; ++label) {
        const double fraction = words.number("the labels of " + where);
        if (fraction < 0.0 || fraction > 1.0) {
            Damaged(file, "a fraction of " + where + " lies outside 0..1");
        }
        map.labels(label, node) = fraction;
    }
    if (std::abs(map.labels.col(node).sum() - 1.0) > 0.01) {
        Damaged(file, "the fractions of " + where + " do not add up to 1");
    }
    for (int k = 0; k < InputCount; ++k) {
        map.weights(k, node) = words.number("the weights of " + where);
    }
}

}  // namespace

void WriteWeightsFile(const KohonenMap& map, const std::vector<std::string>& header,
                      const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    for (const auto& line : header) {
        out << "# " << line << "\r\n";
    }
    out << "MAP KOHONEN\r\n";
    out << "GRID " << map.rows << ' ' << map.columns << "\r\n";
    out << "INPUTS " << FirstWavelength << ' ' << LastWavelength << "\r\n";
    out << "TRAINING " << map.trainingSet << ' ' << map.trainingProteins << ' '
        << Formatted("%.5f", map.typicalDistance) << "\r\n";
    for (int node = 0; node < map.nodeCount(); ++node) {
        out << "NODE " << node / map.columns + 1 << ' ' << node % map.columns + 1;
        for (int label = 0; label < LabelCount; ++label) {
            out << ' ' << Formatted("%.6f", map.labels(label, node));
        }
        for (int k = 0; k < InputCount; ++k) {
            out << (k % WeightsPerLine == 0 ? "\r\n" : "")
                << Formatted("%11.5f", map.weights(k, node));
        }
        out << "\r\n";
    }
    if (!out) {
        throw std::runtime_error("could not write " + file.string());
    }
}

KohonenMap ReadWeightsFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        Damaged(file, "cannot be opened");
    }
    WordReader words(in, file);
    words.keyword("MAP");
    words.keyword("KOHONEN");
    KohonenMap map;
    words.keyword("GRID");
    map.rows = words.whole("the number of rows");
    map.columns = words.whole("the number of columns");
    if (map.rows < 1 || map.columns < 1 || map.rows > LargestGrid || map.columns > LargestGrid) {
        Damaged(file, "the grid size is not between 1 and 100 nodes each way");
    }
    words.keyword("INPUTS");
    if (words.whole("the first wavelength") != FirstWavelength ||
        words.whole("the last wavelength") != LastWavelength) {
        Damaged(file, "the map is not one of spectra from 200 to 240 nm");
    }
    words.keyword("TRAINING");
    map.trainingSet = words.word("the name of the reference set");
    map.trainingProteins = words.whole("the number of training proteins");
    map.typicalDistance = words.number("the typical distance");
    map.weights.resize(InputCount, map.nodeCount());
    map.labels.resize(LabelCount, map.nodeCount());
    for (int node = 0; node < map.nodeCount(); ++node) {
        ReadNode(words, map, node, file);
    }
    if (!words.finished()) {
        Damaged(file, "more data after the last node");
    }
    return map;
}

}  // namespace tavrelion::engines::k2d
