#include "k2d/MapTraining.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace tavrelion::engines::k2d {
namespace {

// SplitMix64: a tiny generator whose sequence is the same on every platform and library (the
// standard distributions are not), so the shipped map can be reproduced anywhere.
class OrderGenerator {
  public:
    explicit OrderGenerator(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Fisher-Yates with the generator's values.
    void shuffle(std::vector<int>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[next() % i]);
        }
    }

  private:
    std::uint64_t state_;
};

double GridDistanceSquared(const KohonenMap& map, int a, int b) {
    const int dr = a / map.columns - b / map.columns;
    const int dc = a % map.columns - b % map.columns;
    return static_cast<double>(dr * dr + dc * dc);
}

// A unit vector with a sign fixed by the data rather than by the decomposition.
Eigen::VectorXd FixedSign(Eigen::VectorXd direction) {
    Eigen::Index largest = 0;
    direction.cwiseAbs().maxCoeff(&largest);
    return direction(largest) < 0 ? Eigen::VectorXd(-direction) : direction;
}

// Linear initialisation: the grid spans the range of the training spectra along their first
// principal component (rows) and the second (columns).
void PlaceOnPrincipalPlane(KohonenMap& map, const Eigen::MatrixXd& inputs) {
    const Eigen::VectorXd mean = inputs.rowwise().mean();
    const Eigen::MatrixXd centred = inputs.colwise() - mean;
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(centred, Eigen::ComputeThinU);
    const Eigen::VectorXd first = FixedSign(svd.matrixU().col(0));
    const Eigen::VectorXd second = FixedSign(svd.matrixU().col(1));
    const Eigen::VectorXd along = centred.transpose() * first;
    const Eigen::VectorXd across = centred.transpose() * second;
    const auto step = [](double low, double high, int index, int count) {
        return count == 1 ? 0.5 * (low + high) : low + (high - low) * index / (count - 1);
    };
    for (int node = 0; node < map.nodeCount(); ++node) {
        const double a = step(along.minCoeff(), along.maxCoeff(), node / map.columns, map.rows);
        const double b =
            step(across.minCoeff(), across.maxCoeff(), node % map.columns, map.columns);
        map.weights.col(node) = mean + a * first + b * second;
    }
}

// Moves every node towards x by rate x its Gaussian neighbourhood weight around the winner. Plain
// loops for the same reasons as in the distance of KohonenMap.cpp; nodes whose weight is below
// 1e-9 would not move visibly and are skipped.
void PullTowards(KohonenMap& map, const Eigen::VectorXd& x, int winner, double rate,
                 double radius) {
    for (int node = 0; node < map.nodeCount(); ++node) {
        const double step =
            rate * std::exp(-GridDistanceSquared(map, node, winner) / (2 * radius * radius));
        if (step < 1e-9) {
            continue;
        }
        double* weight = map.weights.data() + static_cast<std::ptrdiff_t>(node) * InputCount;
        const double* value = x.data();
        for (int k = 0; k < InputCount; ++k) {
            weight[k] += step * (value[k] - weight[k]);
        }
    }
}

void Organise(KohonenMap& map, const Eigen::MatrixXd& inputs, const MapTrainingSettings& s) {
    std::vector<int> order(static_cast<std::size_t>(inputs.cols()));
    std::iota(order.begin(), order.end(), 0);
    OrderGenerator generator(s.seed);
    const double total = static_cast<double>(s.epochs) * static_cast<double>(order.size());
    double presented = 0.0;
    for (int epoch = 0; epoch < s.epochs; ++epoch) {
        generator.shuffle(order);
        for (const int protein : order) {
            const double progress = total > 1 ? presented / (total - 1) : 1.0;
            const double rate = s.startRate * std::pow(s.endRate / s.startRate, progress);
            const double radius = s.startRadius * std::pow(s.endRadius / s.startRadius, progress);
            const Eigen::VectorXd x = inputs.col(protein);
            PullTowards(map, x, BestMatchingNode(map, x), rate, radius);
            presented += 1.0;
        }
    }
}

void Label(KohonenMap& map, const Eigen::MatrixXd& inputs, const Eigen::MatrixXd& targets,
           double radius) {
    std::vector<int> winners;
    std::vector<double> distances;
    for (Eigen::Index p = 0; p < inputs.cols(); ++p) {
        winners.push_back(BestMatchingNode(map, inputs.col(p)));
        distances.push_back(NodeDistance(map, inputs.col(p), winners.back()));
    }
    for (int node = 0; node < map.nodeCount(); ++node) {
        Eigen::Vector3d sum = Eigen::Vector3d::Zero();
        double weight = 0.0;
        for (std::size_t p = 0; p < winners.size(); ++p) {
            const double h =
                std::exp(-GridDistanceSquared(map, node, winners[p]) / (2 * radius * radius));
            sum += h * targets.col(static_cast<Eigen::Index>(p));
            weight += h;
        }
        map.labels.col(node) = sum / weight;
    }
    std::sort(distances.begin(), distances.end());
    const std::size_t middle = distances.size() / 2;
    map.typicalDistance = distances.size() % 2 == 1
                              ? distances[middle]
                              : 0.5 * (distances[middle - 1] + distances[middle]);
}

}  // namespace

Eigen::MatrixXd MapInputs(const ReferenceSet& set) {
    if (!set.covers(FirstWavelength) || !set.covers(LastWavelength)) {
        throw std::runtime_error("the reference spectra do not cover 200-240 nm");
    }
    Eigen::MatrixXd inputs(InputCount, set.proteinCount());
    for (int k = 0; k < InputCount; ++k) {
        inputs.row(k) =
            InputPerDeltaEpsilon * set.spectra.row(set.rowOfWavelength(FirstWavelength + k));
    }
    return inputs;
}

Eigen::MatrixXd MapTargets(const ReferenceSet& set) {
    Eigen::MatrixXd targets(LabelCount, set.proteinCount());
    targets.row(HelixLabel) = set.fractions.row(ReferenceSet::HelixClass);
    targets.row(BetaLabel) = set.fractions.row(ReferenceSet::SheetClass);
    targets.row(CoilLabel) =
        set.fractions.row(ReferenceSet::TurnClass) + set.fractions.row(ReferenceSet::OtherClass);
    for (Eigen::Index p = 0; p < targets.cols(); ++p) {
        targets.col(p) /= targets.col(p).sum();
    }
    return targets;
}

KohonenMap TrainMap(const ReferenceSet& set, const MapTrainingSettings& settings) {
    if (settings.rows < 1 || settings.columns < 1 || set.proteinCount() < 3) {
        throw std::runtime_error("a map needs at least one node and three training proteins");
    }
    KohonenMap map;
    map.rows = settings.rows;
    map.columns = settings.columns;
    map.trainingSet = set.name;
    map.trainingProteins = set.proteinCount();
    map.weights.resize(InputCount, map.nodeCount());
    map.labels.resize(LabelCount, map.nodeCount());
    const Eigen::MatrixXd inputs = MapInputs(set);
    PlaceOnPrincipalPlane(map, inputs);
    Organise(map, inputs, settings);
    Label(map, inputs, MapTargets(set), settings.labelRadius);
    return map;
}

}  // namespace tavrelion::engines::k2d
