#include "analysis/ResultTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnalysisTestFiles.h"

namespace tavrelion::analysis {
namespace {

using testing_support::MethodFractions;

using Record = std::vector<std::string>;

// An RFC 4180 reader: fields separated by commas, records by CR LF, a quoted field may hold
// commas, line ends and doubled quotes. Independent of the writer on purpose.
std::vector<Record> ParseCsv(const std::string& text) {
    std::vector<Record> records;
    Record record;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.push_back(field);
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record.push_back(field);
            records.push_back(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_FALSE(quoted) << "an open quote at the end";
    EXPECT_TRUE(record.empty() && field.empty()) << "a last record without CR LF";
    return records;
}

const TableContext Context{"/data/run 3, \"final\"/LYSO.ASC", "2026-12-06", "SP175", "240-178"};

TEST(ResultTable, CsvReadsBackWithOneRowPerMethodAndTheIntervalsOnTheConsensusRow) {
    MethodResult chang = MethodFractions("Chang", 0.35, 0.2034, 0.231, 0.256);
    chang.nrmsd = 0.8171;
    chang.quality = "poor";
    MethodResult k2d = MethodFractions("K2D", 0.37, 0.11, 0, 0.52);
    k2d.turnGiven = false;
    k2d.quality = "good";
    MethodResult varselec = MethodFractions("Varselec", 0.3342, 0.147, 0.2376, 0.2811);
    ConsensusResult consensus;
    consensus.available = true;
    consensus.helix = 0.4055;
    consensus.sheet = 0.069;
    consensus.turn = 0.318;
    consensus.other = 0.203;
    consensus.total = 0.9955;
    consensus.helix68 = {0.35, 0.46};
    consensus.sheet68 = {0.01, 0.13};
    consensus.helix95 = {0.30, 0.51};
    consensus.sheet95 = {-0.04, 0.18};

    const auto records = ParseCsv(ResultTableCsv(Context, {chang, k2d, varselec}, consensus));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], (Record{"file",        "date",         "reference_set", "range_nm",
                                  "method",      "helix",        "sheet",         "turn",
                                  "other",       "total",        "nrmsd",         "quality",
                                  "helix_low",   "helix_high",   "sheet_low",     "sheet_high",
                                  "helix_low95", "helix_high95", "sheet_low95",   "sheet_high95"}));
    const Record none(8, "");
    EXPECT_EQ(records[1], (Record{"/data/run 3, \"final\"/LYSO.ASC",
                                  "2026-12-06",
                                  "SP175",
                                  "240-178",
                                  "Chang",
                                  "0.350",
                                  "0.203",
                                  "0.231",
                                  "0.256",
                                  "1.040",
                                  "0.817",
                                  "poor",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "",
                                  ""}));
    // K2D has no turn class and no spectrum; Varselec grades nothing.
    EXPECT_EQ(Record(records[2].begin() + 4, records[2].end()),
              (Record{"K2D", "0.370", "0.110", "", "0.520", "1.000", "", "good", "", "", "", "", "",
                      "", "", ""}));
    EXPECT_EQ(Record(records[3].begin() + 4, records[3].begin() + 12),
              (Record{"Varselec", "0.334", "0.147", "0.238", "0.281", "1.000", "", ""}));
    EXPECT_EQ(Record(records[4].begin() + 4, records[4].end()),
              (Record{"Consensus", "0.406", "0.069", "0.318", "0.203", "0.996", "", "", "0.350",
                      "0.460", "0.010", "0.130", "0.300", "0.510", "-0.040", "0.180"}));

    // Without a consensus its row says why; the rows alone carry no header.
    ConsensusResult missing;
    missing.reason = "no method of the consensus gave a result";
    const auto rows = ParseCsv(ResultTableRows(Context, {k2d}, missing));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][4], "Consensus");
    EXPECT_EQ(Record(rows[1].begin() + 5, rows[1].begin() + 11), Record(6, ""));
    EXPECT_EQ(rows[1][11], "not available: no method of the consensus gave a result");
    for (const Record& row : rows) {
        EXPECT_EQ(row.size(), 20u);
    }
}

TEST(ResultTable, ScreenTextAlignsTheColumnsAndListsTheInputChecks) {
    MethodResult fasman = MethodFractions("Fasman", 0.364, 0.147, 0, 0.467);
    fasman.turnGiven = false;
    fasman.nrmsd = 0.874;
    fasman.quality = "poor";
    MethodResult selcon = MethodFractions("SELCON3", 0.173, 0.13, 0.271, 0.425);
    selcon.nrmsd = 0.987;
    selcon.quality = "poor";
    selcon.inputCheck = "Input check: the shape matches no reference protein.";
    ConsensusResult consensus;
    consensus.available = true;
    consensus.helix = 0.5;
    consensus.helix68 = {0.45, 0.55};
    consensus.sheet68 = {-0.05, 0.1};
    consensus.helix95 = {0.4, 0.6};
    consensus.sheet95 = {-0.1, 0.2};
    const std::string expected =
        " Results table: 240-178 nm, reference set SP175, 2026-12-06\r\n"
        " method       helix  sheet   turn  other  total  NRMSD  quality     helix 68 %      "
        "sheet 68 %      helix 95 %      sheet 95 %\r\n"
        " Fasman       0.364  0.147      -  0.467  0.978  0.874  poor\r\n"
        " SELCON3      0.173  0.130  0.271  0.425  0.999  0.987  poor\r\n"
        " Consensus    0.500  0.000  0.000  0.000  0.000      -              0.450 to 0.550  "
        "-0.050 to 0.100 0.400 to 0.600  -0.100 to 0.200\r\n"
        " SELCON3: Input check: the shape matches no reference protein.\r\n";
    EXPECT_EQ(ResultTableText(Context, {fasman, selcon}, consensus), expected);
}

}  // namespace
}  // namespace tavrelion::analysis
