#include "ConsensusFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace tavrelion::tools {
namespace {

constexpr double CandidateShare = 0.9;
constexpr double SumPenalty = 1e6;
constexpr double RepeatTolerance = 0.001;

bool GivesClass(const LeaveOneOutTable& table, int method, int cls) {
    const auto row = table.estimates[static_cast<std::size_t>(method)].row(cls);
    const auto given = static_cast<double>(row.array().isFinite().count());
    return given >= CandidateShare * static_cast<double>(table.proteinCount());
}

// Two basis sets derived by the same calibration give the same helix and sheet (Bolotina and
// Fasman, Chang and Yang): such a repeat is counted once, under the first method's name.
bool Repeats(const LeaveOneOutTable& table, int method, int earlier, int cls) {
    const auto a = table.estimates[static_cast<std::size_t>(method)].row(cls).array();
    const auto b = table.estimates[static_cast<std::size_t>(earlier)].row(cls).array();
    return ((a - b).abs() <= RepeatTolerance || (a.isNaN() && b.isNaN())).all();
}

// min |X w - y|^2 subject to w >= 0 and sum w = 1: the sum is enforced as one more, heavily
// weighted observation, and the non-negative least squares solved by the active-set method of
// Lawson & Hanson (1974) on the normal equations (a few methods: the Gram matrix is small).
Eigen::VectorXd SimplexLeastSquares(const Eigen::MatrixXd& x, const Eigen::VectorXd& y) {
    const Eigen::Index n = x.cols();
    const Eigen::MatrixXd ones = Eigen::MatrixXd::Ones(n, n);
    const double penalty = SumPenalty * std::max(1.0, (x.transpose() * x).trace());
    const Eigen::MatrixXd a = x.transpose() * x + penalty * ones;
    const Eigen::VectorXd b = x.transpose() * y + penalty * Eigen::VectorXd::Ones(n);
    const double tolerance = 1e-12 * a.diagonal().maxCoeff();
    std::vector<bool> free(static_cast<std::size_t>(n), false);
    Eigen::VectorXd w = Eigen::VectorXd::Zero(n);
    // The unconstrained minimum over the free variables, the others held at 0.
    const auto solveFree = [&]() {
        std::vector<Eigen::Index> index;
        for (Eigen::Index j = 0; j < n; ++j) {
            if (free[static_cast<std::size_t>(j)]) {
                index.push_back(j);
            }
        }
        const auto k = static_cast<Eigen::Index>(index.size());
        Eigen::MatrixXd sub(k, k);
        Eigen::VectorXd rhs(k);
        for (Eigen::Index r = 0; r < k; ++r) {
            rhs(r) = b(index[static_cast<std::size_t>(r)]);
            for (Eigen::Index c = 0; c < k; ++c) {
                sub(r, c) =
                    a(index[static_cast<std::size_t>(r)], index[static_cast<std::size_t>(c)]);
            }
        }
        const Eigen::VectorXd solved = sub.ldlt().solve(rhs);
        Eigen::VectorXd s = Eigen::VectorXd::Zero(n);
        for (Eigen::Index r = 0; r < k; ++r) {
            s(index[static_cast<std::size_t>(r)]) = solved(r);
        }
        return s;
    };
    for (Eigen::Index iteration = 0; iteration < 3 * n; ++iteration) {
        const Eigen::VectorXd gradient = b - a * w;
        Eigen::Index best = -1;
        for (Eigen::Index j = 0; j < n; ++j) {
            if (!free[static_cast<std::size_t>(j)] && gradient(j) > tolerance &&
                (best < 0 || gradient(j) > gradient(best))) {
                best = j;
            }
        }
        if (best < 0) {
            break;
        }
        free[static_cast<std::size_t>(best)] = true;
        Eigen::VectorXd s = solveFree();
        for (Eigen::Index inner = 0; inner < n; ++inner) {
            double step = 1.0;
            bool blocked = false;
            for (Eigen::Index j = 0; j < n; ++j) {
                if (free[static_cast<std::size_t>(j)] && s(j) <= 0) {
                    step = std::min(step, w(j) / (w(j) - s(j)));
                    blocked = true;
                }
            }
            if (!blocked) {
                break;
            }
            w += step * (s - w);
            for (Eigen::Index j = 0; j < n; ++j) {
                if (free[static_cast<std::size_t>(j)] && w(j) <= tolerance) {
                    free[static_cast<std::size_t>(j)] = false;
                    w(j) = 0;
                }
            }
            s = solveFree();
        }
        w = s;
    }
    const double sum = w.sum();
    return sum > 0 ? Eigen::VectorXd(w / sum)
                   : Eigen::VectorXd::Constant(n, 1.0 / static_cast<double>(n));
}

std::vector<int> AllBut(int count, std::initializer_list<int> left) {
    std::vector<int> kept;
    for (int p = 0; p < count; ++p) {
        if (std::find(left.begin(), left.end(), p) == left.end()) {
            kept.push_back(p);
        }
    }
    return kept;
}

}  // namespace

Eigen::MatrixXd FitWeights(const LeaveOneOutTable& table, const std::vector<int>& proteins) {
    Eigen::MatrixXd weights =
        Eigen::MatrixXd::Zero(LeaveOneOutTable::ClassCount, table.methodCount());
    for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
        std::vector<int> candidates;
        for (int m = 0; m < table.methodCount(); ++m) {
            const bool repeat = std::any_of(candidates.begin(), candidates.end(),
                                            [&](int k) { return Repeats(table, m, k, c); });
            if (GivesClass(table, m, c) && !repeat) {
                candidates.push_back(m);
            }
        }
        std::vector<int> rows;
        for (const int p : proteins) {
            const bool complete = std::all_of(candidates.begin(), candidates.end(), [&](int m) {
                return std::isfinite(table.estimates[static_cast<std::size_t>(m)](c, p));
            });
            if (complete) {
                rows.push_back(p);
            }
        }
        if (candidates.empty() || rows.empty()) {
            continue;
        }
        Eigen::MatrixXd x(static_cast<Eigen::Index>(rows.size()),
                          static_cast<Eigen::Index>(candidates.size()));
        Eigen::VectorXd y(x.rows());
        for (Eigen::Index r = 0; r < x.rows(); ++r) {
            const int p = rows[static_cast<std::size_t>(r)];
            y(r) = table.known(c, p);
            for (Eigen::Index k = 0; k < x.cols(); ++k) {
                x(r, k) = table.estimates[static_cast<std::size_t>(
                    candidates[static_cast<std::size_t>(k)])](c, p);
            }
        }
        const Eigen::VectorXd w = SimplexLeastSquares(x, y);
        for (Eigen::Index k = 0; k < x.cols(); ++k) {
            weights(c, candidates[static_cast<std::size_t>(k)]) = w(k);
        }
    }
    return weights;
}

double WeightedEstimate(const LeaveOneOutTable& table, const Eigen::MatrixXd& weights, int cls,
                        int protein) {
    double sum = 0, present = 0;
    for (int m = 0; m < table.methodCount(); ++m) {
        const double value = table.estimates[static_cast<std::size_t>(m)](cls, protein);
        if (weights(cls, m) > 0 && std::isfinite(value)) {
            sum += weights(cls, m) * value;
            present += weights(cls, m);
        }
    }
    return present >= LeastPresentWeight * weights.row(cls).sum() && present > 0 ? sum / present
                                                                                 : NAN;
}

double HalfWidth(std::vector<double> absoluteErrors, double level) {
    std::erase_if(absoluteErrors, [](double e) { return !std::isfinite(e); });
    if (absoluteErrors.empty()) {
        return NAN;
    }
    std::sort(absoluteErrors.begin(), absoluteErrors.end());
    const auto n = absoluteErrors.size();
    const auto rank = static_cast<std::size_t>(std::ceil(static_cast<double>(n + 1) * level));
    return absoluteErrors[std::min(n, std::max<std::size_t>(rank, 1)) - 1];
}

NestedResult NestedLeaveOneOut(const LeaveOneOutTable& table) {
    const int count = table.proteinCount();
    NestedResult result;
    result.estimates.setConstant(LeaveOneOutTable::ClassCount, count, NAN);
    std::vector<Eigen::MatrixXd> outerWeights;
    for (int p = 0; p < count; ++p) {
        outerWeights.push_back(FitWeights(table, AllBut(count, {p})));
        for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
            result.estimates(c, p) = WeightedEstimate(table, outerWeights.back(), c, p);
        }
    }
    result.coverage.setZero();
    result.meanHalfWidth.setZero();
    Eigen::Matrix2d judged = Eigen::Matrix2d::Zero();
    for (int p = 0; p < count; ++p) {
        // The errors the other proteins get from weights fitted without p and without themselves.
        std::array<std::vector<double>, 2> inner;
        for (int q = 0; q < count; ++q) {
            if (q == p) {
                continue;
            }
            const Eigen::MatrixXd weights = FitWeights(table, AllBut(count, {p, q}));
            for (int c = 0; c < 2; ++c) {
                inner[static_cast<std::size_t>(c)].push_back(
                    std::fabs(WeightedEstimate(table, weights, c, q) - table.known(c, q)));
            }
        }
        for (int c = 0; c < 2; ++c) {
            const double error = std::fabs(result.estimates(c, p) - table.known(c, p));
            if (!std::isfinite(error)) {
                continue;
            }
            for (int l = 0; l < 2; ++l) {
                const double h = HalfWidth(inner[static_cast<std::size_t>(c)], Levels[l]);
                result.coverage(c, l) += error <= h ? 1 : 0;
                result.meanHalfWidth(c, l) += h;
                judged(c, l) += 1;
            }
        }
    }
    result.coverage = result.coverage.cwiseQuotient(judged);
    result.meanHalfWidth = result.meanHalfWidth.cwiseQuotient(judged);
    return result;
}

double Rmsd(const Eigen::VectorXd& estimated, const Eigen::VectorXd& known, int* used) {
    double sum = 0;
    int n = 0;
    for (Eigen::Index i = 0; i < known.size(); ++i) {
        if (std::isfinite(estimated(i)) && std::isfinite(known(i))) {
            sum += (estimated(i) - known(i)) * (estimated(i) - known(i));
            ++n;
        }
    }
    if (used != nullptr) {
        *used = n;
    }
    return n > 0 ? std::sqrt(sum / n) : NAN;
}

}  // namespace tavrelion::tools
