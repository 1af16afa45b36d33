#pragma once

#include <string>
#include <vector>

#include "common/ReferenceSet.h"

namespace tavrelion::tools {

inline constexpr int VarselecBasisSize = 33;

// The reference proteins of the Varselec basis, spread evenly over the range of helix content:
// the proteins are ranked by helix fraction (ties: more sheet first, then the order of the
// reference file) and the ranks round(i (N - 1) / (count - 1)), i = 0..count-1, are taken. So the
// least and the most helical protein are always in, and the others follow the set's own
// distribution. Returns the proteins' columns in the reference set, in rank order.
std::vector<int> ChooseVarselecBasis(const engines::ReferenceSet& set,
                                     int count = VarselecBasisSize);

// The whole basis file s.ori (CR LF line ends): per protein its name line and its delta epsilon
// from 178 to 260 nm, "no data" where the reference set has no value.
std::string VarselecBasisText(const engines::ReferenceSet& set, const std::vector<int>& proteins);

}  // namespace tavrelion::tools
