#pragma once

#include <string_view>

// The fuzz targets: each feeds one kind of input to the code that reads it, as the program or an
// analysis program would, and aborts when the outcome breaks a rule that holds for any bytes:
// a refused input leaves a reason and nothing half done; an accepted one holds only finite values
// within what real data can hold; no report prints a number that is not finite. They run under
// libFuzzer (fuzz/FuzzMain.cpp) and, over the committed corpus, in the unit tests.
namespace tavrelion::fuzz {

enum class Outcome { Refused, Accepted };

// Spectrum files through the spectrum reader (the ASC targets differ only in their seeds).
Outcome FuzzCd6(std::string_view bytes);
Outcome FuzzCdmax(std::string_view bytes);
Outcome FuzzJcd(std::string_view bytes);
Outcome FuzzTvr(std::string_view bytes);
// Any other name is read by its content: JASCO, Chirascan, Aviv, PCDDB and plain column files.
Outcome FuzzColumns(std::string_view bytes);
// DATA.CD through the main program's reference sets, then a least-squares fit on it.
Outcome FuzzDataCd(std::string_view bytes);

// The analysis programs' data files: SP175.REF (then a SELCON3 run on it), weights.dat (then a
// K2D run), s.ori (the Varselec basis) and ssdata (then a SELCON2 run).
Outcome FuzzReferenceFile(std::string_view bytes);
Outcome FuzzWeightsFile(std::string_view bytes);
Outcome FuzzBasisFile(std::string_view bytes);
Outcome FuzzStructureData(std::string_view bytes);

// The exchange files the main program writes, each through a whole run of its analysis program.
Outcome FuzzK2dInput(std::string_view bytes);
Outcome FuzzSelcon2Input(std::string_view bytes);
Outcome FuzzSelcon3Input(std::string_view bytes);
Outcome FuzzContinInput(std::string_view bytes);
Outcome FuzzVarselecSpectrum(std::string_view bytes);

// A Varselec solutions file (.OUT, which a user may load from anywhere) through the analysis of
// its solutions, which rebuilds the average fit, and the list it writes through the table's reader.
Outcome FuzzVarselecSolutions(std::string_view bytes);

}  // namespace tavrelion::fuzz
