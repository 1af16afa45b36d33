#include "k2d/WeightsFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/DataLimits.h"
#include "common/DataWords.h"

namespace tavrelion::engines::k2d {
namespace {

constexpr int LargestGrid = 100;
constexpr int WeightsPerLine = 8;

std::string Formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The map's inputs are ellipticities / 1000; a weight beyond that of any spectrum is damage.
constexpr double LargestWeight = LargestEllipticity / 1000.0;

void ReadNode(DataWords& words, KohonenMap& map, int node) {
    const std::string where = "node " + std::to_string(node / map.columns + 1) + " " +
                              std::to_string(node % map.columns + 1);
    words.keyword("NODE");
    if (words.whole("node row") != node / map.columns + 1 ||
        words.whole("node column") != node % map.columns + 1) {
        words.fail("the nodes are not in order at " + where);
    }
    for (int label = 0; label < LabelCount; ++label) {
        map.labels(label, node) = words.number("the labels of " + where);
    }
    const std::string problem = FractionsProblem(&map.labels(0, node), LabelCount);
    if (!problem.empty()) {
        words.fail("the labels of " + where + ": " + problem);
    }
    for (int k = 0; k < InputCount; ++k) {
        map.weights(k, node) = words.number("the weights of " + where);
        if (!WithinLimit(map.weights(k, node), LargestWeight)) {
            words.fail("a weight of " + where + " is beyond any spectrum's ellipticity");
        }
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
        throw std::runtime_error(file.filename().string() + ": cannot be opened");
    }
    DataWords words(in, file.filename().string());
    words.keyword("MAP");
    words.keyword("KOHONEN");
    KohonenMap map;
    words.keyword("GRID");
    map.rows = words.whole("the number of rows");
    map.columns = words.whole("the number of columns");
    if (map.rows < 1 || map.columns < 1 || map.rows > LargestGrid || map.columns > LargestGrid) {
        words.fail("the grid size is not between 1 and 100 nodes each way");
    }
    words.keyword("INPUTS");
    if (words.whole("the first wavelength") != FirstWavelength ||
        words.whole("the last wavelength") != LastWavelength) {
        words.fail("the map is not one of spectra from 200 to 240 nm");
    }
    words.keyword("TRAINING");
    map.trainingSet = words.word("the name of the reference set");
    map.trainingProteins = words.whole("the number of training proteins");
    map.typicalDistance = words.number("the typical distance");
    map.weights.resize(InputCount, map.nodeCount());
    map.labels.resize(LabelCount, map.nodeCount());
    for (int node = 0; node < map.nodeCount(); ++node) {
        ReadNode(words, map, node);
    }
    if (!words.atEnd()) {
        words.word("more data");
        words.fail("more data after the last node");
    }
    return map;
}

}  // namespace tavrelion::engines::k2d
