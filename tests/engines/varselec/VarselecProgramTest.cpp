#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>

#include "VarselecFixture.h"
#include "analysis/MethodResultReaders.h"
#include "analysis/VarselecList.h"
#include "varselec/AlignedData.h"
#include "varselec/CombinationWalker.h"
#include "varselec/ExchangeText.h"
#include "varselec/SolutionAverage.h"
#include "varselec/SolutionLine.h"
#include "varselec/SubsetFitter.h"
#include "varselec/VarselecRun.h"

namespace tavrelion::engines::varselec {
namespace {

using test_support::AllProteins;
using test_support::Lines;
using test_support::ProgramFolder;
using test_support::ReferenceSpectrum;
using test_support::StartsLikeFirstSolution;

std::vector<std::string> SolutionLines(const std::string& result) {
    const auto lines = Lines(result);
    const auto first = std::find_if(lines.begin(), lines.end(), StartsLikeFirstSolution);
    return {first, lines.end()};
}

std::vector<int> ProteinNumbers(const std::string& line) {
    std::vector<int> numbers;
    for (int column = FirstProteinColumn;
         column < static_cast<int>(line.size()) && FieldOf(line, column, 2) != "  ";
         column += ProteinStep) {
        numbers.push_back(static_cast<int>(LeadingNumber(FieldOf(line, column, 2))));
    }
    return numbers;
}

// The report's text with its line breaks taken out, for looking up a sentence.
std::string Unwrapped(std::string text) {
    for (std::size_t at = text.find("\r\n "); at != std::string::npos;
         at = text.find("\r\n ", at)) {
        text.replace(at, 3, " ");
    }
    return text;
}

struct RangeCase {
    int first;
    int last;
    const char* wavelengthsUsed;
    friend void PrintTo(const RangeCase& c, std::ostream* os) {
        *os << c.first << "-" << c.last << " nm";
    }
};

class VarselecProgramRange : public ::testing::TestWithParam<RangeCase> {};

// The driver's files for a spectrum of a protein that is not in the basis, all 33 proteins, k = 2.
TEST_P(VarselecProgramRange, WritesOneReadableSolutionPerCombination) {
    ProgramFolder folder;
    folder.writeDriverFiles(*ReferenceSpectrum("MBH", GetParam().first, GetParam().last),
                            AllProteins(2));
    const auto run = folder.run();
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(std::count(run.report.begin(), run.report.end(), '\n'),
              std::count(run.report.begin(), run.report.end(), '\r'));

    const auto all = Lines(run.report);
    const auto solutions = SolutionLines(run.report);
    ASSERT_EQ(solutions.size(), 528u);
    const std::vector<std::string> header(all.begin(), all.end() - 528);
    const auto headerText = run.report.substr(0, run.report.find(solutions.front()));
    for (const char* expected :
         {"combination:", "antiparallel", "parallel sheet (PP sh) is always 0", "SP175",
          "Manavalan", "Lees JG", GetParam().wavelengthsUsed, "rms deviation"}) {
        EXPECT_NE(Unwrapped(headerText).find(expected), std::string::npos) << expected;
    }

    std::set<std::vector<int>> combinations;
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        const std::string& line = solutions[i];
        SCOPED_TRACE(line);
        EXPECT_EQ(LeadingNumber(FieldOf(line, 1, 8)), static_cast<double>(i + 1));
        double sum = 0.0;
        for (int k = 0; k < 5; ++k) {
            const double fraction = LeadingNumber(
                FieldOf(line, FirstFractionColumn + k * FractionWidth, FractionWidth));
            EXPECT_GT(fraction, -0.2);
            EXPECT_LT(fraction, 1.0);
            sum += fraction;
        }
        EXPECT_DOUBLE_EQ(LeadingNumber(FieldOf(line, 22, 6)), 0.0) << "parallel sheet";
        const double total = LeadingNumber(FieldOf(line, TotalColumn, TotalWidth));
        EXPECT_NEAR(total, sum, 0.003);
        EXPECT_NEAR(total, 1.0, 0.1);
        const auto numbers = ProteinNumbers(line);
        ASSERT_EQ(numbers.size(), 31u);
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        EXPECT_GE(numbers.front(), 1);
        EXPECT_LE(numbers.back(), 33);
        combinations.insert(numbers);
    }
    EXPECT_EQ(combinations.size(), 528u);
}

INSTANTIATE_TEST_SUITE_P(Ranges, VarselecProgramRange,
                         ::testing::Values(RangeCase{178, 260, "240 to 178 nm, 63 points"},
                                           RangeCase{190, 260, "240 to 190 nm, 51 points"},
                                           RangeCase{175, 236, "235 to 178 nm, 58 points"}));

struct KnownProtein {
    const char* code;
    double helix;
    double sheet;
    friend void PrintTo(const KnownProtein& p, std::ostream* os) { *os << p.code; }
};

class VarselecProgramEstimate : public ::testing::TestWithParam<KnownProtein> {};

// The percentage after a label of the result analysis's list file ("   Helix = 75.12 %+- 1.20").
double ListPercent(const std::string& list, const std::string& label) {
    const auto at = list.find(label);
    return at == std::string::npos ? -1.0 : LeadingNumber(list.substr(at + label.size(), 8));
}

// The average of every combination's fitted spectrum, each fitted in memory from the driver's
// files with all 33 proteins, k = 2, beside the spectrum fitted (delta epsilon, highest first).
struct AverageFit {
    std::vector<int> wavelengths;
    Eigen::VectorXd measured;
    Eigen::VectorXd calculated;
};

AverageFit FitInMemory(const std::filesystem::path& folder) {
    const WavelengthRange range = ParseRange(ReadTextLines(folder / "n.dta"));
    const BasisSpectra basis =
        ParseBasis(ReadTextLines(folder / "s.dta"), range.proteinCount,
                   std::max(range.firstWavelength, BasisFirstWavelength), "s.dta");
    std::vector<int> proteins(33);
    std::iota(proteins.begin(), proteins.end(), 1);
    const AlignedData data =
        AlignWithBasis(basis, ParseSample(ReadTextLines(folder / "b.dta"), range), proteins);
    const SubsetFitter fitter(data, {}, 2);
    CombinationWalker walker(33, 31);
    Eigen::VectorXd sum = Eigen::VectorXd::Zero(33);
    do {
        sum += fitter.solve(walker.removed()).coefficients;
    } while (walker.next());
    return {data.wavelengths, data.sample, data.spectra * sum / 528.0};
}

// What follows "text" in the list, as a number.
double NumberAfter(const std::string& list, const std::string& text) {
    const auto at = list.find(text);
    return at == std::string::npos ? -1.0 : LeadingNumber(list.substr(at + text.size(), 12));
}

// The list up to and with its final banner: the layout every reader of lists knows.
std::string OwnLines(const std::string& list) {
    const std::string banner(61, '=');
    return list.substr(0, list.rfind(banner) + banner.size() + 2);
}

// Proteins outside the basis, through the driver's files, the program and the main program's own
// result analysis with its default bounds (10-110 %): the class means, and the average of the
// accepted fits graded after the list's own lines.
TEST_P(VarselecProgramEstimate, ListFileAverageIsCloseToTheCrystalStructure) {
    ProgramFolder folder;
    folder.writeDriverFiles(*ReferenceSpectrum(GetParam().code, 190, 260), AllProteins(2));
    const auto run = folder.run();
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    folder.write("SAMPLE.OUT", run.report);
    store::SpectrumStore labels;
    store::SetStartupTables(labels);
    analysis::VarselecListRequest request;
    request.solutions = folder.path() / "SAMPLE.OUT";
    request.basis = folder.path() / "s.ori";
    request.list = folder.path() / "SAMPLE.LST";
    request.labels = &labels.StructureLabel;
    EXPECT_EQ(analysis::WriteVarselecList(request), 528);
    const std::string list = folder.read("SAMPLE.LST");
    EXPECT_NEAR(ListPercent(list, "   Helix = "), 100 * GetParam().helix, 10) << list;
    EXPECT_NEAR(ListPercent(list, "AP sheet = "), 100 * GetParam().sheet, 10) << list;
    EXPECT_EQ(ListPercent(list, "PP sheet = "), 0.0) << list;
    EXPECT_NE(list.find("Number of points : 528"), std::string::npos) << list;

    // The grade and the spectrum printed against the average fitted in memory.
    const AverageFit fit = FitInMemory(folder.path());
    const double nrmsd =
        std::sqrt((fit.measured - fit.calculated).squaredNorm() / fit.measured.squaredNorm());
    EXPECT_NEAR(NumberAfter(list, " Fit quality: NRMSD "), nrmsd, 6e-4) << list;
    const auto table = list.find("   nm   measured calculated\r\n");
    ASSERT_NE(table, std::string::npos) << list;
    const std::vector<std::string> rows = Lines(list.substr(list.find('\n', table) + 1));
    ASSERT_EQ(rows.size(), fit.wavelengths.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto at = static_cast<Eigen::Index>(i);
        EXPECT_EQ(LeadingNumber(FieldOf(rows[i], 1, 5)), fit.wavelengths[i]) << rows[i];
        EXPECT_NEAR(LeadingNumber(FieldOf(rows[i], 6, 11)), fit.measured(at), 6e-4) << rows[i];
        EXPECT_NEAR(LeadingNumber(FieldOf(rows[i], 17, 11)), fit.calculated(at), 6e-4) << rows[i];
    }
    const analysis::MethodResult row = analysis::ReadVarselecResult(request.list);
    ASSERT_TRUE(row.nrmsd);
    EXPECT_NEAR(*row.nrmsd, nrmsd, 6e-4);
    EXPECT_EQ(row.wavelengths.size(), fit.wavelengths.size());

    // A lower bound of 0 accepts the same solutions: nothing after them reads as one.
    request.contentMin = 0;
    request.list = folder.path() / "FROM0.LST";
    EXPECT_EQ(analysis::WriteVarselecList(request), 528);
    EXPECT_EQ(NumberAfter(folder.read("FROM0.LST"), " Fit quality: NRMSD "),
              NumberAfter(list, " Fit quality: NRMSD "));
    // Bounds that accept no solution: no average to grade.
    request.contentMin = 200;
    request.contentMax = 300;
    request.list = folder.path() / "NONE.LST";
    EXPECT_EQ(analysis::WriteVarselecList(request), 0);
    EXPECT_EQ(folder.read("NONE.LST").find("Fit quality"), std::string::npos);

    // Solutions as another Varselec writes them, without the coefficients, and one cut in a
    // line: the list's own lines are the same byte for byte, and no fit follows them.
    std::string plain;
    bool solutions = false;
    for (const std::string& line : Lines(run.report)) {
        solutions = solutions || StartsLikeFirstSolution(line);
        plain += (solutions ? line.substr(0, line.find_last_not_of(' ', CoefficientColumn - 2) + 1)
                            : line) +
                 "\r\n";
    }
    request.contentMin = 10;
    request.contentMax = 110;
    for (const std::string& other :
         {plain, run.report.substr(0, run.report.size() - 20) + "\r\n"}) {
        folder.write("SAMPLE.OUT", other);
        request.list = folder.path() / "OTHER.LST";
        EXPECT_EQ(analysis::WriteVarselecList(request), 528);
        const std::string otherList = folder.read("OTHER.LST");
        EXPECT_EQ(OwnLines(otherList), OwnLines(list));
        EXPECT_EQ(otherList.find("Fit quality"), std::string::npos);
        EXPECT_FALSE(analysis::ReadVarselecResult(request.list).nrmsd);
    }
}

INSTANTIATE_TEST_SUITE_P(Proteins, VarselecProgramEstimate,
                         ::testing::Values(KnownProtein{"MBH", 0.75, 0.00},
                                           KnownProtein{"HGDC", 0.08, 0.49},
                                           KnownProtein{"LYS", 0.40, 0.06}));

TEST(VarselecProgram, DeselectedProteinsAreNeverUsedAndOnlyComb2IsWritten) {
    ProgramFolder folder;
    folder.writeDriverFiles(*ReferenceSpectrum("CYTC", 178, 260), AllProteins(1, {5, 7, 33}));
    std::set<std::string> before;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        before.insert(entry.path().filename().string());
    }
    const auto run = folder.run({});  // no argument and no console input needed either
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto solutions = SolutionLines(run.report);
    ASSERT_EQ(solutions.size(), 30u);
    for (const auto& line : solutions) {
        const auto numbers = ProteinNumbers(line);
        EXPECT_EQ(numbers.size(), 29u);
        for (const int excluded : {5, 7, 33}) {
            EXPECT_EQ(std::count(numbers.begin(), numbers.end(), excluded), 0) << line;
        }
    }
    std::set<std::string> after;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        after.insert(entry.path().filename().string());
    }
    before.insert("COMB2.OP");
    EXPECT_EQ(after, before);
}

// Myoglobin at half its intensity, as with a wrong concentration: the header says so in the words
// every program uses, before the first solution line, from where the list carries it over.
TEST(VarselecProgram, HeaderStatesTheInputCheck) {
    ProgramFolder folder;
    auto spectrum = ReferenceSpectrum("MBH", 178, 260);
    for (int i = 1; i <= spectrum->PointCount; ++i) {
        spectrum->SpectrumValue(i) *= 0.5;
    }
    folder.writeDriverFiles(*spectrum, AllProteins(2));
    std::ostringstream messages;
    ASSERT_EQ(RunVarselec(folder.path(), messages, {}, {"SP175", &test_support::Sp175()}), RunDone);
    const std::string report = folder.read("COMB2.OP");
    const auto check = report.find("\r\n Input check: the intensity is far outside");
    ASSERT_NE(check, std::string::npos) << report.substr(0, 3000);
    EXPECT_LT(check, report.find("\r\n       1  "));
}

TEST(VarselecProgram, SpectrumWithoutTheHelixBandGetsAReportWithoutNumbers) {
    ProgramFolder folder;
    folder.writeDriverFiles(*ReferenceSpectrum("MBH", 212, 260), AllProteins(2));
    const auto run = folder.run();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.report.find("No estimate was made"), std::string::npos);
    EXPECT_NE(run.report.find("from 200 to 230 nm"), std::string::npos);
    EXPECT_TRUE(SolutionLines(run.report).empty());
    EXPECT_EQ(AverageSolutions(run.report).candidates, 0);
}

struct BadInput {
    const char* name;
    const char* file;
    std::string (*spoil)(const std::string& original);
    const char* messagePart;
    friend void PrintTo(const BadInput& b, std::ostream* os) { *os << b.name; }
};

std::string Empty(const std::string&) {
    return {};
}
std::string Truncated(const std::string& text) {
    return text.substr(0, text.size() * 2 / 3);
}
std::string FirstLineOnly(const std::string& text) {
    return text.substr(0, text.find('\n') + 1);
}
std::string Garbage(const std::string&) {
    constexpr char bytes[] = "\x01\x02\xff\xfe binary \0 junk";
    return std::string(bytes, sizeof bytes - 1);
}
std::string LetterInValues(const std::string& text) {
    std::string spoiled = text;
    spoiled.replace(spoiled.find("\r\n") + 2, 1, "x");
    return spoiled;
}
std::string SixLeftOut(const std::string& text) {
    return "   33   27      1 1107568" + text.substr(text.find("\r\n"));
}
std::string ProteinOutOfRange(const std::string& text) {
    std::string spoiled = text;
    spoiled.replace(spoiled.find("  1  2"), 6, " 34  2");
    return spoiled;
}
std::string ProteinTwice(const std::string& text) {
    std::string spoiled = text;
    spoiled.replace(spoiled.find("  1  2"), 6, "  2  2");
    return spoiled;
}
std::string WrongCount(const std::string& text) {
    std::string spoiled = text;
    spoiled.replace(spoiled.find("528"), 3, "500");
    return spoiled;
}
std::string NameWithoutStructure(const std::string& text) {
    return "a protein of unknown structure" + text.substr(text.find("\r\n"));
}
std::string Missing(const std::string&) {
    return "<missing>";
}

class VarselecProgramBadInput : public ::testing::TestWithParam<BadInput> {};

// The main program copies whatever COMB2.OP is there, so a bad input must replace an old result
// with a report that says why, besides the message and the exit status.
TEST_P(VarselecProgramBadInput, IsRefusedWithAReasonAndNoSolutions) {
    ProgramFolder folder;
    folder.writeDriverFiles(*ReferenceSpectrum("MBH", 190, 260), AllProteins(2));
    folder.write("COMB2.OP", "old result\r\n       1   0.500 0.100 0.000 0.200 0.200   1.000\r\n");
    const std::string spoiled = GetParam().spoil(folder.read(GetParam().file));
    if (spoiled == "<missing>") {
        std::filesystem::remove(folder.path() / GetParam().file);
    } else {
        folder.write(GetParam().file, spoiled);
    }
    const auto run = folder.run();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find(GetParam().messagePart), std::string::npos) << run.errors;
    EXPECT_NE(run.report.find("No estimate was made"), std::string::npos) << run.report;
    EXPECT_NE(Unwrapped(run.report).find(GetParam().messagePart), std::string::npos) << run.report;
    EXPECT_EQ(AverageSolutions(run.report).candidates, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, VarselecProgramBadInput,
    ::testing::Values(
        BadInput{"EmptyBasis", "s.dta", Empty, "s.dta is empty"},
        BadInput{"TruncatedBasis", "s.dta", Truncated, "s.dta"},
        BadInput{"BasisWithoutStructure", "s.dta", NameWithoutStructure, "structure content"},
        BadInput{"GarbageBasis", "s.dta", Garbage, "s.dta"},
        BadInput{"MissingBasis", "s.dta", Missing, "s.dta is missing"},
        BadInput{"EmptySpectrum", "b.dta", Empty, "b.dta is empty"},
        BadInput{"TruncatedSpectrum", "b.dta", Truncated, "b.dta holds"},
        BadInput{"SpectrumNameOnly", "b.dta", FirstLineOnly, "b.dta holds 0 values"},
        BadInput{"LetterInSpectrum", "b.dta", LetterInValues, "b.dta, line 2"},
        BadInput{"EmptyRange", "n.dta", Empty, "n.dta is empty"},
        BadInput{"GarbageRange", "n.dta", Garbage, "n.dta"},
        BadInput{"MissingChoice", "comctl.dta", Missing, "comctl.dta is missing"},
        BadInput{"CountsOnly", "comctl.dta", FirstLineOnly, "comctl.dta lists 0"},
        BadInput{"SixLeftOut", "comctl.dta", SixLeftOut, "out of range"},
        BadInput{"ProteinOutOfRange", "comctl.dta", ProteinOutOfRange, "34 is out of range"},
        BadInput{"ProteinTwice", "comctl.dta", ProteinTwice, "twice"},
        BadInput{"WrongCombinationCount", "comctl.dta", WrongCount, "announces 500"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace tavrelion::engines::varselec
