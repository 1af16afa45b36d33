#pragma once

#include <filesystem>

#include "store/SpectrumStore.h"

namespace tavrelion::drivers {

// Writes GD.DAT, the input of K2D, into folder: one line for each point from 200 to 240 nm in
// ascending order, the value divided by 1000 in general form with a point as decimal separator.
// A spectrum that does not cover the whole range gives fewer lines.
void WriteK2dInput(const store::SpectrumStore& store, const std::filesystem::path& folder);

}  // namespace tavrelion::drivers
