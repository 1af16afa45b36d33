#include "k2d/KohonenMap.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace tavrelion::engines::k2d {
namespace {

// A plain loop over the node's column: the same sum in the same order in every build (so that a
// trained map does not depend on the compiler's vectorisation) and fast without optimisation.
double SquaredDistance(const KohonenMap& map, const Eigen::VectorXd& spectrum, int node) {
    const double* weight = map.weights.data() + static_cast<std::ptrdiff_t>(node) * InputCount;
    const double* value = spectrum.data();
    double sum = 0.0;
    for (int k = 0; k < InputCount; ++k) {
        const double difference = value[k] - weight[k];
        sum += difference * difference;
    }
    return sum;
}

}  // namespace

double NodeDistance(const KohonenMap& map, const Eigen::VectorXd& spectrum, int node) {
    return std::sqrt(SquaredDistance(map, spectrum, node) / InputCount);
}

int BestMatchingNode(const KohonenMap& map, const Eigen::VectorXd& spectrum) {
    int best = 0;
    double bestDistance = SquaredDistance(map, spectrum, 0);
    for (int node = 1; node < map.nodeCount(); ++node) {
        const double distance = SquaredDistance(map, spectrum, node);
        if (distance < bestDistance) {
            best = node;
            bestDistance = distance;
        }
    }
    return best;
}

MapEstimate EstimateStructure(const KohonenMap& map, const Eigen::VectorXd& spectrum,
                              int nearestNodes) {
    std::vector<double> distance(static_cast<std::size_t>(map.nodeCount()));
    for (int node = 0; node < map.nodeCount(); ++node) {
        distance[static_cast<std::size_t>(node)] = NodeDistance(map, spectrum, node);
    }
    std::vector<int> order(distance.size());
    std::iota(order.begin(), order.end(), 0);
    const int used = std::clamp(nearestNodes, 1, map.nodeCount());
    std::partial_sort(order.begin(), order.begin() + used, order.end(), [&](int a, int b) {
        const double da = distance[static_cast<std::size_t>(a)];
        const double db = distance[static_cast<std::size_t>(b)];
        return da < db || (da == db && a < b);
    });

    MapEstimate estimate;
    estimate.node = order.front();
    estimate.distance = distance[static_cast<std::size_t>(estimate.node)];
    // Inverse-square weights; the small floor keeps a spectrum lying exactly on a node finite.
    const double floor = 1e-6 + 1e-3 * estimate.distance;
    double total = 0.0;
    for (int k = 0; k < used; ++k) {
        const int node = order[static_cast<std::size_t>(k)];
        const double d = distance[static_cast<std::size_t>(node)] + floor;
        const double weight = 1.0 / (d * d);
        estimate.fractions += weight * map.labels.col(node);
        total += weight;
    }
    estimate.fractions /= total;
    return estimate;
}

}  // namespace tavrelion::engines::k2d
