#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drivers/ContinInput.h"
#include "drivers/K2dInput.h"
#include "drivers/SelconInput.h"
#include "drivers/VarselecInput.h"
#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"

namespace tavrelion::drivers {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

// A current spectrum on the 1-nm grid from first to last nm with the value of each wavelength.
std::unique_ptr<store::SpectrumStore> Spectrum(int first, int last,
                                               const std::function<double(int)>& value) {
    auto spectrum = std::make_unique<store::SpectrumStore>();
    spectrum->SpectrumFileName = "/data/lysozyme.cd";
    spectrum->FirstWavelength = static_cast<store::Int16>(first);
    spectrum->LastWavelength = static_cast<store::Int16>(last);
    spectrum->PointCount = static_cast<store::Int16>(last - first + 1);
    for (int i = 1; i <= spectrum->PointCount; ++i) {
        spectrum->SpectrumWavelength(i) = static_cast<store::Int16>(first + i - 1);
        spectrum->SpectrumValue(i) = value(first + i - 1);
    }
    return spectrum;
}

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// 190 to 260 nm; divided by 3300 the values run from 6.00 at 260 nm down to -1.00 at 190 nm.
std::unique_ptr<store::SpectrumStore> SelconSpectrum() {
    return Spectrum(190, 260, [](int w) { return (w - 200) * 330.0; });
}

const std::vector<std::string> SelconBlockOf71Points = {
    "  6.00  5.90  5.80  5.70  5.60  5.50  5.40  5.30  5.20  5.10  5.00  4.90  4.80  4.70  4.60",
    "  4.50  4.40  4.30  4.20  4.10  4.00  3.90  3.80  3.70  3.60  3.50  3.40  3.30  3.20  3.10",
    "  3.00  2.90  2.80  2.70  2.60  2.50  2.40  2.30  2.20  2.10  2.00  1.90  1.80  1.70  1.60",
    "  1.50  1.40  1.30  1.20  1.10  1.00  0.90  0.80  0.70  0.60  0.50  0.40  0.30  0.20  0.10",
    "  0.00 -0.10 -0.20 -0.30 -0.40 -0.50 -0.60 -0.70 -0.80 -0.90 -1.00",
};

TEST(ExchangeFileSelcon, ValueFieldsKeepTheirBlanksAroundZeroAndTen) {
    EXPECT_EQ(SelconValueField(0.0), "  0.00");
    EXPECT_EQ(SelconValueField(10.0), " 10.00");
    EXPECT_EQ(SelconValueField(-0.5), " -0.50");
    EXPECT_EQ(SelconValueField(9.994), "  9.99");
    EXPECT_EQ(SelconValueField(-12.345), " -12.35");
    // Values that round across a boundary stay in the six-character field of the rounded text.
    EXPECT_EQ(SelconValueField(-0.004), "  0.00");
    EXPECT_EQ(SelconValueField(9.996), " 10.00");
}

TEST(ExchangeFileSelcon, DataBlockRunsFromTheHighestWavelengthFifteenToALine) {
    EXPECT_EQ(SelconDataBlock(*SelconSpectrum()), SelconBlockOf71Points);

    const auto thirtyPoints = Spectrum(211, 240, [](int) { return 3300.0; });
    const auto block = SelconDataBlock(*thirtyPoints);
    ASSERT_EQ(block.size(), 2u);
    EXPECT_EQ(block[1],
              "  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00  1.00"
              "  1.00  1.00  1.00");
}

TEST(ExchangeFileSelcon, TestDatHoldsControlLinesDataAndTheClosingNulLine) {
    TemporaryFolder folder;
    SelconSettings settings;
    settings.SelconClassCount = 5;  // as the settings dialog leaves it
    WriteSelcon2Input(*SelconSpectrum(), settings, folder.path());

    const std::string control = "  71   5   1.000    .1      .000  10    .002    .250     .150";
    EXPECT_EQ(control.size(), 61u);
    std::vector<std::string> lines = {" TEST", control, " 260.00000 190.00000    1    0", " TEST"};
    lines.insert(lines.end(), SelconBlockOf71Points.begin(), SelconBlockOf71Points.end());
    lines.push_back(std::string(1, '\0'));
    EXPECT_EQ(ReadBytes(folder.path() / "test.dat"), CrLfLines(lines));
}

TEST(ExchangeFileSelcon, TestDatControlLineFollowsTheSettings) {
    TemporaryFolder folder;
    SelconSettings settings;
    settings.SelconClassCount = 5;
    settings.SelconIterations = 3;
    settings.SelconTolerance = 25;
    const auto spectrum = Spectrum(200, 209, [](int) { return 0.0; });
    WriteSelcon2Input(*spectrum, settings, folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "test.dat"),
              CrLfLines({" TEST", "  10   5   1.000    .25      .000   3    .002    .250     .150",
                         " 209.00000 200.00000    1    0", " TEST",
                         "  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00",
                         std::string(1, '\0')}));
}

TEST(ExchangeFileSelcon, Selcon3InputWrapsTheDataBlockInItsFixedLines) {
    TemporaryFolder folder;
    WriteSelcon3Input(*SelconSpectrum(), folder.path());
    std::vector<std::string> lines = {"#", "#", "       0        5      0       0       1 ",
                                      "#", "#", " SAMPLE INPUT:  /data/lysozyme.cd",
                                      "#", "#", "     260.00000    190.00000    1",
                                      "#", "#"};
    lines.insert(lines.end(), SelconBlockOf71Points.begin(), SelconBlockOf71Points.end());
    lines.insert(lines.end(), {"#", "#", "        0"});
    EXPECT_EQ(ReadBytes(folder.path() / "INPUT"), CrLfLines(lines));
}

TEST(ExchangeFileSelcon, UnwritableFolderRaisesError75) {
    TemporaryFolder folder;
    const auto missing = folder.path() / "absent";
    try {
        WriteSelcon2Input(*SelconSpectrum(), SelconSettings{}, missing);
        FAIL() << "no error raised";
    } catch (const store::BasicError& error) {
        EXPECT_EQ(error.number(), 75);
    }
}

TEST(ExchangeFileK2d, GdDatHoldsTheValuesFrom200To240nmInThousands) {
    TemporaryFolder folder;
    const auto spectrum = Spectrum(190, 260, [](int w) {
        if (w == 201) {
            return -23456.0;
        }
        if (w == 239) {
            return 1500.0;
        }
        return (w - 220) * 100.0;
    });
    WriteK2dInput(*spectrum, folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "GD.DAT"),
              CrLfLines({"-2",   "-23.456", "-1.8", "-1.7", "-1.6", "-1.5", "-1.4", "-1.3", "-1.2",
                         "-1.1", "-1",      "-.9",  "-.8",  "-.7",  "-.6",  "-.5",  "-.4",  "-.3",
                         "-.2",  "-.1",     " 0",   " .1",  " .2",  " .3",  " .4",  " .5",  " .6",
                         " .7",  " .8",     " .9",  " 1",   " 1.1", " 1.2", " 1.3", " 1.4", " 1.5",
                         " 1.6", " 1.7",    " 1.8", " 1.5", " 2"}));
}

TEST(ExchangeFileK2d, ShorterSpectraGiveFewerLines) {
    TemporaryFolder folder;
    WriteK2dInput(*Spectrum(210, 260, [](int) { return 500.0; }), folder.path());
    std::string lines31;
    for (int i = 0; i < 31; ++i) {
        lines31 += " .5\r\n";
    }
    EXPECT_EQ(ReadBytes(folder.path() / "GD.DAT"), lines31);

    WriteK2dInput(*Spectrum(195, 203, [](int w) { return w * 1000.0; }), folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "GD.DAT"), CrLfLines({" 200", " 201", " 202", " 203"}));
}

const std::vector<std::string> ContinControlLines = {
    " TEST DATA SET 1 - FOR CD PACKAGE" + Blanks(43),
    " IFORMY" + Blanks(69),
    " (7F9.0)" + Blanks(68),
    " LAST" + Blanks(20) + "1." + Blanks(49),
    " IWT" + Blanks(21) + "5." + Blanks(49),
    " IUSER    14" + Blanks(12) + "31." + Blanks(49),
    " IUSER    15" + Blanks(12) + "-1." + Blanks(49),
    " RUSER    14" + Blanks(13) + "1." + Blanks(49),
    " RUSER    15" + Blanks(12) + ".03" + Blanks(49),
    " RUSER    16" + Blanks(11) + "500." + Blanks(49),
    " END" + Blanks(72),
};

std::string ContinCountLine(const std::string& count) {
    return " NSTEND  " + count + " " + Blanks(10) + "240." + Blanks(11) + "190." + Blanks(34);
}

TEST(ExchangeFileContin, ValueFieldsAreNineCharactersReadableAsF9) {
    EXPECT_EQ(ContinValueField(-3000.0), "   -3000.");
    EXPECT_EQ(ContinValueField(0.0), "       0.");
    EXPECT_EQ(ContinValueField(12.5), "      13.");
    EXPECT_EQ(ContinValueField(-12.5), "     -13.");
    EXPECT_EQ(ContinValueField(-0.4), "       0.");
    EXPECT_EQ(ContinValueField(-12345.678), "  -12346.");
    EXPECT_EQ(ContinValueField(1234567.0), "  1234567.");
}

TEST(ExchangeFileContin, SpectrumBeyondTheRangeSendsFiftyOneValuesFrom240Down) {
    TemporaryFolder folder;
    WriteContinInput(*Spectrum(180, 260, [](int w) { return (w - 215) * 200.0; }), folder.path());
    std::vector<std::string> lines = ContinControlLines;
    lines.push_back(ContinCountLine(" 51"));
    const std::string end = Blanks(13);
    lines.insert(lines.end(),
                 {"    5000.    4800.    4600.    4400.    4200.    4000.    3800." + end,
                  "    3600.    3400.    3200.    3000.    2800.    2600.    2400." + end,
                  "    2200.    2000.    1800.    1600.    1400.    1200.    1000." + end,
                  "     800.     600.     400.     200.       0.    -200.    -400." + end,
                  "    -600.    -800.   -1000.   -1200.   -1400.   -1600.   -1800." + end,
                  "   -2000.   -2200.   -2400.   -2600.   -2800.   -3000.   -3200." + end,
                  "   -3400.   -3600.   -3800.   -4000.   -4200.   -4400.   -4600." + end});
    for (const auto& line : lines) {
        EXPECT_EQ(line.size(), 76u) << line;
    }
    EXPECT_EQ(ReadBytes(folder.path() / "CONTIN.IN"), CrLfLines(lines) + "   -4800.   -5000.");
}

TEST(ExchangeFileContin, ShorterSpectrumStillNames240And190AndBreaksAtTheSameWavelengths) {
    TemporaryFolder folder;
    WriteContinInput(*Spectrum(200, 250, [](int w) { return w - 200.0; }), folder.path());
    std::vector<std::string> lines = ContinControlLines;
    lines.push_back(ContinCountLine(" 41"));
    const std::string end = Blanks(13);
    lines.insert(lines.end(),
                 {"      40.      39.      38.      37.      36.      35.      34." + end,
                  "      33.      32.      31.      30.      29.      28.      27." + end,
                  "      26.      25.      24.      23.      22.      21.      20." + end,
                  "      19.      18.      17.      16.      15.      14.      13." + end,
                  "      12.      11.      10.       9.       8.       7.       6." + end});
    EXPECT_EQ(ReadBytes(folder.path() / "CONTIN.IN"),
              CrLfLines(lines) + "       5.       4.       3.       2.       1.       0.");
}

TEST(ExchangeFileContin, SpectrumEndingAtABreakWavelengthEndsWithALineEnd) {
    TemporaryFolder folder;
    WriteContinInput(*Spectrum(234, 240, [](int) { return 1.0; }), folder.path());
    std::vector<std::string> lines = ContinControlLines;
    lines.push_back(ContinCountLine("  7"));
    lines.push_back("       1.       1.       1.       1.       1.       1.       1." + Blanks(13));
    EXPECT_EQ(ReadBytes(folder.path() / "CONTIN.IN"), CrLfLines(lines));
}

// s.ori with 33 proteins: name line "Protein p", data line w "p,<177 + w>".
std::string BasisFile(int proteins) {
    std::string bytes;
    for (int p = 1; p <= proteins; ++p) {
        bytes += "Protein " + std::to_string(p) + "\r\n";
        for (int w = 1; w <= 83; ++w) {
            bytes += std::to_string(p) + "," + std::to_string(177 + w) + "\r\n";
        }
    }
    return bytes;
}

VarselecChoice FirstProteins(int n, int k) {
    VarselecChoice choice;
    for (int p = 1; p <= n; ++p) {
        choice.SelectedIndex.push_back(static_cast<store::Int16>(p));
    }
    choice.RemoveCount = static_cast<store::Int16>(k);
    return choice;
}

TEST(ExchangeFileNames, ANameCannotAddLinesOrOverflowItsField) {
    TemporaryFolder folder;
    auto spectrum = SelconSpectrum();
    spectrum->SpectrumFileName = "/data/LYSO\r\n240 190\n-1.5\t#.ASC";
    WriteSelcon3Input(*spectrum, folder.path());
    WriteVarselecInput(*spectrum, FirstProteins(33, 2), folder.path());
    const std::string input = ReadBytes(folder.path() / "INPUT");
    EXPECT_NE(input.find("\r\n SAMPLE INPUT:  /data/LYSO??240 190?-1.5?#.ASC\r\n#\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(folder.path() / "b.dta").substr(0, 33),
              "/data/LYSO??240 190?-1.5?#.ASC\r\n-");

    spectrum->SpectrumFileName = "/" + std::string(100, 'x') + "/LYSO.ASC";
    WriteVarselecInput(*spectrum, FirstProteins(33, 2), folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "b.dta").substr(0, 82),
              std::string(71, 'x') + "/LYSO.ASC\r\n");
    spectrum->SpectrumFileName = "/Pr\xC3\xBC" + std::string(73, 'x') + "/L.ASC";  // 84 bytes
    WriteVarselecInput(*spectrum, FirstProteins(33, 2), folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "b.dta").substr(0, 81),
              std::string(73, 'x') + "/L.ASC\r\n");
}

int ErrorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const store::BasicError& error) {
        return error.number();
    }
    return 0;
}

TEST(ExchangeFileVarselec, CombinationCounts) {
    EXPECT_EQ(VarselecCombinationCount(33, 2), 528);
    EXPECT_EQ(VarselecCombinationCount(30, 2), 435);
    EXPECT_EQ(VarselecCombinationCount(33, 5), 237336);
    EXPECT_EQ(VarselecCombinationCount(33, 0), 1);
}

TEST(ExchangeFileVarselec, BasisKeepsTheLinesFromTheFirstWavelengthToTheOneBeforeTheLast) {
    TemporaryFolder folder;
    folder.write("s.ori", BasisFile(33));
    const auto names = WriteVarselecBasis(*Spectrum(190, 260, [](int) { return 0.0; }),
                                          folder.path(), folder.path());

    std::string expected;
    for (int p = 1; p <= 33; ++p) {
        expected += "Protein " + std::to_string(p) + "\r\n";
        for (int w = 190; w <= 259; ++w) {
            expected += std::to_string(p) + "," + std::to_string(w) + "\r\n";
        }
    }
    EXPECT_EQ(ReadBytes(folder.path() / "s.dta"), expected);
    ASSERT_EQ(names.size(), 33u);
    EXPECT_EQ(names.front(), "Protein 1");
    EXPECT_EQ(names.back(), "Protein 33");
}

TEST(ExchangeFileVarselec, MissingOrShortBasisRaisesFileErrors) {
    TemporaryFolder folder;
    const auto spectrum = Spectrum(190, 260, [](int) { return 0.0; });
    EXPECT_EQ(ErrorOf([&] { WriteVarselecBasis(*spectrum, folder.path(), folder.path()); }), 53);
    folder.write("s.ori", BasisFile(32));
    EXPECT_EQ(ErrorOf([&] { WriteVarselecBasis(*spectrum, folder.path(), folder.path()); }), 62);
}

TEST(ExchangeFileVarselec, RangeSpectrumAndCombinationsForAllProteins) {
    TemporaryFolder folder;
    const auto spectrum = Spectrum(190, 260, [](int w) {
        switch (w) {
            case 190:
                return -1.5 * 3300;
            case 191:
                return 0.25 * 3300;
            case 193:
                return 12.3456789 * 3300;
            case 260:
                return 3300.0;
            default:
                return 0.0;
        }
    });
    WriteVarselecInput(*spectrum, FirstProteins(33, 2), folder.path());

    EXPECT_EQ(ReadBytes(folder.path() / "n.dta"), "   33  190.0 260.0   1.0   70   5\r\n");

    std::vector<std::string> values = {"/data/lysozyme.cd", "-1.5", ".25", ".", "12.34568"};
    values.resize(1 + 70, ".");
    EXPECT_EQ(ReadBytes(folder.path() / "b.dta"), CrLfLines(values));

    const std::string counts = "   33   31      1    528";
    EXPECT_EQ(counts.size(), 24u);
    EXPECT_EQ(ReadBytes(folder.path() / "comctl.dta"),
              counts + "\r\n" +
                  "  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 "
                  "\r\n" +
                  " 26 27 28 29 30 31 32 33");
}

TEST(ExchangeFileVarselec, CombinationsWrapAfterTheTwentyFifthProtein) {
    TemporaryFolder folder;
    const auto spectrum = Spectrum(190, 260, [](int) { return 0.0; });
    VarselecChoice thirty;
    for (int p = 4; p <= 33; ++p) {
        thirty.SelectedIndex.push_back(static_cast<store::Int16>(p));
    }
    thirty.RemoveCount = 2;
    WriteVarselecInput(*spectrum, thirty, folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "comctl.dta"),
              "   30   28      1    435\r\n"
              "  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 \r\n"
              " 29 30 31 32 33");

    WriteVarselecInput(*spectrum, FirstProteins(25, 0), folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "comctl.dta"),
              "   25   25      1      1\r\n"
              "  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 \r\n");

    WriteVarselecInput(*spectrum, FirstProteins(4, 1), folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / "comctl.dta"), "    4    3      1      4\r\n  1  2  3  4");
}

TEST(ExchangeFileVarselec, ImpossibleChoiceWritesNothing) {
    TemporaryFolder folder;
    const auto spectrum = Spectrum(190, 260, [](int) { return 0.0; });
    EXPECT_EQ(ErrorOf([&] { WriteVarselecInput(*spectrum, FirstProteins(3, 3), folder.path()); }),
              5);
    EXPECT_EQ(ErrorOf([&] { WriteVarselecInput(*spectrum, FirstProteins(0, 0), folder.path()); }),
              5);
    VarselecChoice outside = FirstProteins(3, 1);
    outside.SelectedIndex.push_back(34);
    EXPECT_EQ(ErrorOf([&] { WriteVarselecInput(*spectrum, outside, folder.path()); }), 5);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "n.dta"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "b.dta"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "comctl.dta"));
}

}  // namespace
}  // namespace tavrelion::drivers
