#pragma once

#include <span>
#include <vector>

namespace tavrelion::engines::varselec {

// Walks through the subsets of `kept` of the positions 0..n-1 in lexicographic order (the first
// keeps 0..kept-1), giving each subset and the positions it leaves out, both ascending.
class CombinationWalker {
  public:
    CombinationWalker(int n, int kept);

    std::span<const int> kept() const { return kept_; }
    std::span<const int> removed() const { return removed_; }

    // Moves to the next subset; false after the last one.
    bool next();

  private:
    void findRemoved();

    int n_;
    std::vector<int> kept_;
    std::vector<int> removed_;
};

}  // namespace tavrelion::engines::varselec
