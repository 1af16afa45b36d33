#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "k2d/KohonenMap.h"

namespace tavrelion::engines::k2d {

inline constexpr const char* WeightsFileName = "weights.dat";

// weights.dat, the trained map K2D reads (plain text; lines starting with '#' are comments):
//   MAP KOHONEN
//   GRID <rows> <columns>
//   INPUTS 200 240
//   TRAINING <reference set> <proteins> <typical distance>
//   then per node, row by row: NODE <row> <column> <helix> <beta> <random coil>
//   followed by its 41 weights (200..240 nm, ellipticity / 1000), any number per line.
// Rows and columns count from 1.
void WriteWeightsFile(const KohonenMap& map, const std::vector<std::string>& header,
                      const std::filesystem::path& file);

// Throws std::runtime_error saying what is wrong when the file is missing or damaged.
KohonenMap ReadWeightsFile(const std::filesystem::path& file);

}  // namespace tavrelion::engines::k2d
