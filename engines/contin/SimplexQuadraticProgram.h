#pragma once

#include <Eigen/Dense>

namespace tavrelion::engines::contin {

// Minimises 1/2 x'Hx - g'x over the simplex: every x_i >= 0 and the x_i sum to one. H must be
// symmetric positive definite. A primal active-set method (Nocedal & Wright, Numerical
// Optimization, ch. 16.5): each step solves the equality-constrained problem on the free
// variables and either walks to its solution or stops at the first variable that reaches zero;
// a bound variable is freed when its Lagrange multiplier is negative.
class SimplexQuadraticProgram {
  public:
    SimplexQuadraticProgram(const Eigen::MatrixXd& hessian, const Eigen::VectorXd& gradient);

    // Solves from start, a feasible point (a previous solution is a good one); an empty start
    // means the centre of the simplex.
    Eigen::VectorXd solve(const Eigen::VectorXd& start = Eigen::VectorXd()) const;

  private:
    const Eigen::MatrixXd& hessian_;
    const Eigen::VectorXd& gradient_;
};

}  // namespace tavrelion::engines::contin
