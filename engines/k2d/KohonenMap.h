#pragma once

#include <Eigen/Dense>
#include <string>

namespace tavrelion::engines::k2d {

// What K2D reads: the mean residue ellipticity / 1000 (deg.cm2/dmol / 1000) at every nanometre
// from 200 to 240 nm, in ascending order.
inline constexpr int FirstWavelength = 200;
inline constexpr int LastWavelength = 240;
inline constexpr int InputCount = LastWavelength - FirstWavelength + 1;

// The reference spectra are delta epsilon; ellipticity = delta epsilon x 3300, so the inputs are
// delta epsilon x 3.3.
inline constexpr double InputPerDeltaEpsilon = 3.3;

// The three classes K2D estimates; random coil is everything that is neither helix nor sheet.
inline constexpr int HelixLabel = 0;
inline constexpr int BetaLabel = 1;
inline constexpr int CoilLabel = 2;
inline constexpr int LabelCount = 3;

// A self-organising (Kohonen) map of far-UV CD spectra (Andrade, Chacon, Merelo & Moran 1993,
// Protein Eng 6:383): a rectangular grid of nodes, each with a prototype spectrum (its weights)
// and the secondary structure of the reference proteins that map onto it and its neighbours.
// Node n lies at grid row n / columns and column n % columns.
struct KohonenMap {
    int rows = 0;
    int columns = 0;
    std::string trainingSet;  // the reference set, e.g. "SP175"
    int trainingProteins = 0;
    Eigen::MatrixXd weights;  // InputCount x nodes
    Eigen::MatrixXd labels;   // LabelCount x nodes, fractions adding up to 1
    // Median distance of the training spectra from their best-matching nodes: what a spectrum
    // that resembles the reference proteins is expected to show.
    double typicalDistance = 0.0;

    int nodeCount() const { return rows * columns; }
};

// Root-mean-square difference per wavelength between a spectrum and node's weights.
double NodeDistance(const KohonenMap& map, const Eigen::VectorXd& spectrum, int node);

// The node whose weights lie closest to the spectrum (the first of equally close ones).
int BestMatchingNode(const KohonenMap& map, const Eigen::VectorXd& spectrum);

struct MapEstimate {
    Eigen::Vector3d fractions = Eigen::Vector3d::Zero();  // helix, beta, random coil
    int node = 0;                                         // the best-matching node
    double distance = 0.0;                                // of the spectrum from that node
};

// The structure read from the map: the labels of the best-matching node and of the nodes almost
// as close, weighted by their closeness in spectrum space, so that a spectrum between two nodes
// gets a value between theirs.
inline constexpr int EstimateNodes = 2;
MapEstimate EstimateStructure(const KohonenMap& map, const Eigen::VectorXd& spectrum,
                              int nearestNodes = EstimateNodes);

}  // namespace tavrelion::engines::k2d
