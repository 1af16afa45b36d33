#pragma once

#include <string>
#include <vector>

#include "analysis/Consensus.h"
#include "analysis/MethodResult.h"

namespace tavrelion::analysis {

// What the table says about the analysis as a whole, repeated on each of its rows.
struct TableContext {
    std::string file;                    // the spectrum's path as given
    std::string date;                    // of the analysis, YYYY-MM-DD
    std::string referenceSet = "SP175";  // the reference proteins of the analysis programs
    std::string range;                   // the analysed range, "240-178"
};

// The table of "All methods": one row per method and one for the consensus. In the CSV form
// (comma-separated, RFC 4180 quoting, UTF-8, lines ended by CR LF) fractions, NRMSD and interval
// bounds have three decimals; a value a row does not have is an empty field. The consensus row
// alone carries the 68 % and 95 % intervals; where no consensus could be formed its fractions are
// empty and its quality field says why.
inline constexpr const char* ResultTableHeader =
    "file,date,reference_set,range_nm,method,helix,sheet,turn,other,total,nrmsd,quality,"
    "helix_low,helix_high,sheet_low,sheet_high,helix_low95,helix_high95,sheet_low95,sheet_high95";

// The rows without the header, each ended by CR LF.
std::string ResultTableRows(const TableContext& context, const std::vector<MethodResult>& methods,
                            const ConsensusResult& consensus);

// The header line and the rows.
std::string ResultTableCsv(const TableContext& context, const std::vector<MethodResult>& methods,
                           const ConsensusResult& consensus);

// The same table for reading on screen: aligned columns of fixed width (ASCII), then the
// input-check line of every method that reported one; lines ended by CR LF.
std::string ResultTableText(const TableContext& context, const std::vector<MethodResult>& methods,
                            const ConsensusResult& consensus);

// A CSV field: quoted, with its quotes doubled, when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

// Today's local date, YYYY-MM-DD.
std::string TodayText();

}  // namespace tavrelion::analysis
