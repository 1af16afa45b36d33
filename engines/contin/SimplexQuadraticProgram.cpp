#include "contin/SimplexQuadraticProgram.h"

#include <algorithm>
#include <vector>

namespace tavrelion::engines::contin {
namespace {

constexpr double Zero = 1e-13;

using Indexes = std::vector<Eigen::Index>;

// The minimiser of 1/2 z'Hz - g'z on the free variables with the z summing to one, through the
// multiplier of the sum: z = H^-1 g - lambda H^-1 1.
struct EqualitySolution {
    Eigen::VectorXd z;
    double lambda = 0.0;
};

EqualitySolution SolveOnFreeSet(const Eigen::MatrixXd& hessian, const Eigen::VectorXd& gradient,
                                const Indexes& free) {
    const auto count = static_cast<Eigen::Index>(free.size());
    Eigen::MatrixXd h(count, count);
    for (Eigen::Index a = 0; a < count; ++a) {
        for (Eigen::Index b = 0; b < count; ++b) {
            h(a, b) = hessian(free[static_cast<std::size_t>(a)], free[static_cast<std::size_t>(b)]);
        }
    }
    Eigen::MatrixXd rightSides(count, 2);
    for (Eigen::Index a = 0; a < count; ++a) {
        rightSides(a, 0) = gradient(free[static_cast<std::size_t>(a)]);
    }
    rightSides.col(1).setOnes();
    const Eigen::MatrixXd solved = Eigen::LDLT<Eigen::MatrixXd>(h).solve(rightSides);
    const Eigen::VectorXd u = solved.col(0);
    const Eigen::VectorXd v = solved.col(1);
    EqualitySolution solution;
    const double vSum = v.sum();
    solution.lambda = vSum != 0.0 ? (u.sum() - 1.0) / vSum : 0.0;
    solution.z = u - solution.lambda * v;
    return solution;
}

Indexes FreeSetOf(const Eigen::VectorXd& x) {
    Indexes free;
    for (Eigen::Index i = 0; i < x.size(); ++i) {
        if (x(i) > 0.0) {
            free.push_back(i);
        }
    }
    return free;
}

// A feasible start: the given point cleaned of negative parts and rescaled, or the centre.
Eigen::VectorXd FeasibleStart(const Eigen::VectorXd& start, Eigen::Index size) {
    if (start.size() == size) {
        Eigen::VectorXd x = start.cwiseMax(0.0);
        const double sum = x.sum();
        if (sum > 0.0 && x.allFinite()) {
            return x / sum;
        }
    }
    return Eigen::VectorXd::Constant(size, 1.0 / static_cast<double>(size));
}

}  // namespace

SimplexQuadraticProgram::SimplexQuadraticProgram(const Eigen::MatrixXd& hessian,
                                                 const Eigen::VectorXd& gradient)
    : hessian_(hessian), gradient_(gradient) {}

Eigen::VectorXd SimplexQuadraticProgram::solve(const Eigen::VectorXd& start) const {
    const Eigen::Index size = gradient_.size();
    if (size == 0) {
        return {};
    }
    Eigen::VectorXd x = FeasibleStart(start, size);
    Indexes free = FreeSetOf(x);
    const int maxSteps = 20 * static_cast<int>(size) + 100;
    for (int step = 0; step < maxSteps; ++step) {
        const EqualitySolution target = SolveOnFreeSet(hessian_, gradient_, free);
        if (!target.z.allFinite()) {
            break;
        }
        const bool reachable = (target.z.array() >= 0.0).all();
        if (reachable) {
            x.setZero();
            for (std::size_t a = 0; a < free.size(); ++a) {
                x(free[a]) = target.z(static_cast<Eigen::Index>(a));
            }
            // Multipliers of the bounds: mu = Hx - g + lambda; all >= 0 at the optimum.
            const Eigen::VectorXd mu = (hessian_ * x - gradient_).array() + target.lambda;
            Eigen::Index entering = -1;
            double mostNegative = -Zero * (1.0 + mu.cwiseAbs().maxCoeff());
            for (Eigen::Index i = 0; i < size; ++i) {
                if (std::find(free.begin(), free.end(), i) == free.end() && mu(i) < mostNegative) {
                    mostNegative = mu(i);
                    entering = i;
                }
            }
            if (entering < 0) {
                return x;
            }
            free.push_back(entering);
            std::sort(free.begin(), free.end());
            continue;
        }
        // Walk towards the target until the first free variable reaches zero.
        double length = 1.0;
        for (std::size_t a = 0; a < free.size(); ++a) {
            const double now = x(free[a]);
            const double next = target.z(static_cast<Eigen::Index>(a));
            if (next < 0.0) {
                length = std::min(length, now / (now - next));
            }
        }
        Indexes stillFree;
        for (std::size_t a = 0; a < free.size(); ++a) {
            const Eigen::Index i = free[a];
            x(i) += length * (target.z(static_cast<Eigen::Index>(a)) - x(i));
            if (x(i) > Zero) {
                stillFree.push_back(i);
            } else {
                x(i) = 0.0;
            }
        }
        if (stillFree.empty()) {
            break;
        }
        free = stillFree;
    }
    return x / x.sum();
}

}  // namespace tavrelion::engines::contin
