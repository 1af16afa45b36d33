#pragma once

#include <Eigen/Dense>
#include <filesystem>
#include <string>
#include <vector>

#include "common/ReferenceSet.h"

// The structure data file of selcon2 ("ssdata"): the secondary structure of each reference
// protein by protein code, under a named classification. The spectra come from the reference set
// (SP175.REF), matched by code. Layout (text, '#' starts a comment line):
//   CLASSIFICATION <words naming the classification>
//   CLASSES HELIX SHEET TURN OTHER
//   NOTE <a sentence repeated in the output>         (any number)
//   PROTEINS <count>
//   <code> <helix> <sheet> <turn> <other>              (one line per protein)
namespace tavrelion::engines::selcon {

struct StructureData {
    std::string classification;
    std::vector<std::string> notes;
    std::vector<std::string> codes;
    Eigen::MatrixXd fractions;  // ReferenceSet::ClassCount x proteins
};

// Throws InputError with what is wrong.
StructureData ReadStructureData(const std::filesystem::path& file);

// The files this program ships: the DSSP classes under their own name, and the same classes in
// the file the program's default model ("pp2") copies, saying that PP2 is not available.
enum class StructureModel { KabschSander, PolyprolineP2 };
std::string StructureDataFileName(StructureModel model);
void WriteStructureData(const ReferenceSet& set, StructureModel model,
                        const std::filesystem::path& folder);

// The reference set for selcon2: the spectra of the proteins named in the structure data, with
// the structure data's fractions. Throws InputError for a code the spectra lack.
ReferenceSet MatchReferences(const ReferenceSet& spectra, const StructureData& data);

}  // namespace tavrelion::engines::selcon
