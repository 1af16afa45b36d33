#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/Int16.h"
#include "store/SpectrumStore.h"

namespace tavrelion::drivers {

// The SELCON settings kept for the whole run. The settings dialog sets SelconClassCount to 5
// whenever it opens, so a run writes 5 there.
struct SelconSettings {
    store::Int16 SelconClassCount = 0;
    store::Int16 SelconIterations = 10;
    store::Int16 SelconTolerance = 10;  // X of "100-X < Total <100+X", in percent
    store::Int16 SelconModel = 1;  // 1 pp2, 2 Kabsch-Sander, 3 Hennessey-Johnson, 4 Levitt-Greer
    store::Int16 SelconFormat = 0;
};

// The field of one value in molar circular-dichroism units: two decimals after one blank for a
// value below 0 or from 10 up, after two blanks otherwise (six characters up to 99.99), with a
// point as decimal separator. A value that rounds to 0.00 or 10.00 is placed as the rounded one.
std::string SelconValueField(double deltaEpsilon);

// The spectrum as both SELCON programs read it: the values divided by 3300 from the last point
// down to the first, 15 fields a line.
std::vector<std::string> SelconDataBlock(const store::SpectrumStore& store);

// Writes test.dat, the input of selcon2, into folder.
void WriteSelcon2Input(const store::SpectrumStore& store, const SelconSettings& settings,
                       const std::filesystem::path& folder);

// Writes INPUT, the input of selcon3, into folder.
void WriteSelcon3Input(const store::SpectrumStore& store, const std::filesystem::path& folder);

}  // namespace tavrelion::drivers
