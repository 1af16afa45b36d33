#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/CheckedArray.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {

// Sorts the first n entries (index 1..n; element 0 unused) of two parallel arrays by ascending
// count with diminishing gaps (n / 2, halved down to 1). Equal counts are never exchanged by one
// comparison; the order of equal counts that results is part of what the list file shows.
void ShellSortByCount(int n, std::vector<long>& count, std::vector<std::string>& line);

// What the Varselec result analysis needs to know.
struct VarselecListRequest {
    std::filesystem::path solutions;  // Varselec's solutions file (base + ".OUT")
    std::filesystem::path basis;      // s.ori, for the proteins' names
    std::filesystem::path list;       // the list file to write (base + ".LST")
    int contentMin = 10;              // bounds of the total content, percent, both inclusive
    int contentMax = 110;
    const store::CheckedArray<std::string, store::StructureLabelCount>* labels = nullptr;
};

// Accepts the solutions whose total content lies within the bounds, writes the list file (the
// class means with their spread, the averaged total, each protein's presence, the proteins sorted
// by presence) and returns the number of accepted solutions. A failure on the way (a missing or
// short file, a solutions file without a first solution line followed by another line) raises
// the store's error, leaving what was written in the list file.
long WriteVarselecList(const VarselecListRequest& request);

}  // namespace tavrelion::analysis
