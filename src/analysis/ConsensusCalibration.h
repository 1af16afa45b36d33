// The consensus's methods, weights and interval half-widths for each analysed range.
// Written by tools/consensus_calibration (make_consensus_calibration) from every
// method's leave-one-out estimates of the reference proteins of each set; do not edit
// by hand. Reference data: SP175, Lees JG, Miles AJ, Wien F, Wallace BA (2006)
// Bioinformatics 22:1955-1962; IDP175, Miles, Drew & Wallace (2023) Commun Biol,
// doi:10.1038/s42003-023-05178-2. MIT licence, Copyright (c) 2022 PCDDB: see
// data/LICENSE-REFDATA.
#pragma once

namespace tavrelion::analysis {

struct ConsensusWeight {
    const char* referenceSet;  // the set every method was built on
    int lowestWavelength;  // of the calibrated range, from 240 nm down
    const char* method;
    double helix;
    double sheet;
    double turn;
    double other;
};

// Half-widths of the 68 % and 95 % intervals.
struct ConsensusHalfWidths {
    const char* referenceSet;
    int lowestWavelength;
    double helix68;
    double sheet68;
    double helix95;
    double sheet95;
};

// clang-format off
inline constexpr ConsensusWeight ConsensusWeights[] = {
    {"SP175", 175, "Chen", 0.234, 0.097, 0.000, 0.000},
    {"SP175", 175, "Chang", 0.000, 0.000, 0.063, 0.000},
    {"SP175", 175, "SELCON2", 0.000, 0.000, 0.185, 0.000},
    {"SP175", 175, "SELCON3", 0.656, 0.510, 0.000, 0.061},
    {"SP175", 175, "K2D", 0.110, 0.241, 0.000, 0.000},
    {"SP175", 175, "CONTIN", 0.000, 0.000, 0.380, 0.475},
    {"SP175", 175, "Varselec", 0.000, 0.153, 0.373, 0.464},
    {"SP175", 190, "Bolotina", 0.088, 0.060, 0.000, 0.000},
    {"SP175", 190, "Chen", 0.215, 0.053, 0.000, 0.000},
    {"SP175", 190, "Chang", 0.000, 0.000, 0.030, 0.000},
    {"SP175", 190, "SELCON3", 0.253, 0.267, 0.249, 0.217},
    {"SP175", 190, "K2D", 0.167, 0.403, 0.000, 0.000},
    {"SP175", 190, "CONTIN", 0.000, 0.000, 0.407, 0.443},
    {"SP175", 190, "Varselec", 0.276, 0.217, 0.314, 0.340},
    {"SP175", 200, "Bolotina", 0.240, 0.082, 0.000, 0.028},
    {"SP175", 200, "Chang", 0.000, 0.000, 0.138, 0.000},
    {"SP175", 200, "K2D", 0.333, 0.529, 0.000, 0.000},
    {"SP175", 200, "Varselec", 0.427, 0.389, 0.862, 0.972},
    {"IDP175", 175, "Bolotina", 0.000, 0.077, 0.000, 0.000},
    {"IDP175", 175, "Chen", 0.312, 0.032, 0.000, 0.000},
    {"IDP175", 175, "Chang", 0.000, 0.000, 0.000, 0.023},
    {"IDP175", 175, "SELCON2", 0.000, 0.000, 0.457, 0.285},
    {"IDP175", 175, "SELCON3", 0.663, 0.614, 0.000, 0.000},
    {"IDP175", 175, "K2D", 0.025, 0.278, 0.000, 0.000},
    {"IDP175", 175, "CONTIN", 0.000, 0.000, 0.543, 0.691},
    {"IDP175", 190, "Bolotina", 0.173, 0.157, 0.000, 0.000},
    {"IDP175", 190, "Chen", 0.225, 0.000, 0.000, 0.000},
    {"IDP175", 190, "Chang", 0.000, 0.000, 0.000, 0.050},
    {"IDP175", 190, "SELCON2", 0.000, 0.000, 0.000, 0.678},
    {"IDP175", 190, "SELCON3", 0.310, 0.471, 0.464, 0.000},
    {"IDP175", 190, "K2D", 0.055, 0.372, 0.000, 0.000},
    {"IDP175", 190, "CONTIN", 0.000, 0.000, 0.536, 0.272},
    {"IDP175", 190, "Varselec", 0.237, 0.000, 0.000, 0.000},
    {"IDP175", 200, "Bolotina", 0.397, 0.205, 0.000, 0.000},
    {"IDP175", 200, "Chen", 0.009, 0.000, 0.000, 0.000},
    {"IDP175", 200, "Chang", 0.000, 0.000, 0.123, 0.111},
    {"IDP175", 200, "K2D", 0.259, 0.779, 0.000, 0.000},
    {"IDP175", 200, "Varselec", 0.335, 0.016, 0.877, 0.889},
};

inline constexpr ConsensusHalfWidths ConsensusIntervals[] = {
    {"SP175", 175, 0.056, 0.075, 0.124, 0.149},
    {"SP175", 190, 0.055, 0.077, 0.165, 0.178},
    {"SP175", 200, 0.057, 0.076, 0.154, 0.178},
    {"IDP175", 175, 0.053, 0.072, 0.143, 0.174},
    {"IDP175", 190, 0.059, 0.081, 0.158, 0.216},
    {"IDP175", 200, 0.061, 0.081, 0.159, 0.190},
};
// clang-format on

}  // namespace tavrelion::analysis
