#pragma once

#include <cstdint>

#include "common/ReferenceSet.h"
#include "k2d/KohonenMap.h"

namespace tavrelion::engines::k2d {

// How the map is trained. The defaults are the ones of the shipped weights.dat; they were chosen
// by leave-one-out cross-validation on SP175 (see the README).
struct MapTrainingSettings {
    int rows = 8;
    int columns = 8;
    int epochs = 200;           // presentations of every training spectrum
    double startRate = 0.5;     // learning rate at the first presentation ...
    double endRate = 0.01;      // ... and at the last (geometric decay)
    double startRadius = 4.0;   // neighbourhood radius in grid steps, first presentation ...
    double endRadius = 0.5;     // ... and last (geometric decay)
    double labelRadius = 0.7;   // neighbourhood radius of the node labelling
    std::uint64_t seed = 1993;  // of the presentation order
};

// The map's inputs of every reference protein (InputCount x proteins): delta epsilon x 3.3 at
// 200..240 nm, ascending.
Eigen::MatrixXd MapInputs(const ReferenceSet& set);

// Helix, sheet and random coil (turn + other) of every protein (LabelCount x proteins), scaled
// to add up to 1.
Eigen::MatrixXd MapTargets(const ReferenceSet& set);

// Kohonen's algorithm: the nodes start on the plane of the two main principal components of the
// training spectra; then every spectrum, in an order shuffled by the fixed seed each epoch, pulls
// its best-matching node and that node's grid neighbours (Gaussian neighbourhood) towards itself.
// Afterwards every node is labelled with the neighbourhood-weighted average structure of the
// proteins whose spectra map onto it or near it. Deterministic: the same set and settings give
// the same map.
KohonenMap TrainMap(const ReferenceSet& set, const MapTrainingSettings& settings = {});

}  // namespace tavrelion::engines::k2d
