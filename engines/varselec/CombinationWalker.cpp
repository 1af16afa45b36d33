#include "varselec/CombinationWalker.h"

#include <numeric>

namespace tavrelion::engines::varselec {

CombinationWalker::CombinationWalker(int n, int kept)
    : n_(n), kept_(static_cast<std::size_t>(kept)) {
    std::iota(kept_.begin(), kept_.end(), 0);
    findRemoved();
}

bool CombinationWalker::next() {
    const int size = static_cast<int>(kept_.size());
    int i = size - 1;
    while (i >= 0 && kept_[static_cast<std::size_t>(i)] == n_ - size + i) {
        --i;
    }
    if (i < 0) {
        return false;
    }
    ++kept_[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < size; ++j) {
        kept_[static_cast<std::size_t>(j)] = kept_[static_cast<std::size_t>(j - 1)] + 1;
    }
    findRemoved();
    return true;
}

void CombinationWalker::findRemoved() {
    removed_.clear();
    std::size_t next = 0;
    for (int position = 0; position < n_; ++position) {
        if (next < kept_.size() && kept_[next] == position) {
            ++next;
        } else {
            removed_.push_back(position);
        }
    }
}

}  // namespace tavrelion::engines::varselec
