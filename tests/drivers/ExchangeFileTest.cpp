#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
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

// 190 to 260 nm; divided by 3300 the values run from 6.00 at 260 nm down to -1.00 at 190 nm.
std::unique_ptr<store::SpectrumStore> SelconSpectrum() {
    return Spectrum(190, 260, [](int w) { return (w - 200) * 330.0; });
}

VarselecChoice FirstProteins(int n, int k) {
    VarselecChoice choice;
    for (int p = 1; p <= n; ++p) {
        choice.SelectedIndex.push_back(static_cast<store::Int16>(p));
    }
    choice.RemoveCount = static_cast<store::Int16>(k);
    return choice;
}

TEST(ExchangeFileFields, SelconAndContinNumbersKeepTheirWidths) {
    EXPECT_EQ(SelconValueField(0.0), "  0.00");
    EXPECT_EQ(SelconValueField(10.0), " 10.00");
    EXPECT_EQ(SelconValueField(-0.5), " -0.50");
    EXPECT_EQ(SelconValueField(9.994), "  9.99");
    EXPECT_EQ(SelconValueField(-12.345), " -12.35");
    // Values that round across a boundary stay in the six-character field of the rounded text.
    EXPECT_EQ(SelconValueField(-0.004), "  0.00");
    EXPECT_EQ(SelconValueField(9.996), " 10.00");
    // CONTIN reads F9.0 fields: nine characters, rounded half away from zero.
    EXPECT_EQ(ContinValueField(12.5), "      13.");
    EXPECT_EQ(ContinValueField(-12.5), "     -13.");
    EXPECT_EQ(ContinValueField(-0.4), "       0.");
    EXPECT_EQ(ContinValueField(-12345.678), "  -12346.");
    EXPECT_EQ(ContinValueField(1234567.0), "  1234567.");
}

// Each driver's exchange file for a worked spectrum, compared with tests/golden/exchange/ (see
// the README there for how each was worked out).
struct ExchangeCase {
    const char* golden;
    const char* written;
    std::function<void(const std::filesystem::path&)> write;
};

void PrintTo(const ExchangeCase& exchange, std::ostream* out) {
    *out << exchange.golden;
}

class ExchangeFile : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeFile, IsTheWorkedExampleByteForByte) {
    TemporaryFolder folder;
    GetParam().write(folder.path());
    EXPECT_EQ(ReadBytes(folder.path() / GetParam().written),
              ReadBytes(std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests/golden/exchange" /
                        GetParam().golden));
}

void Selcon2Default(const std::filesystem::path& folder) {
    SelconSettings settings;
    settings.SelconClassCount = 5;  // as the settings dialog leaves it
    WriteSelcon2Input(*SelconSpectrum(), settings, folder);
}

void Selcon2Settings(const std::filesystem::path& folder) {
    SelconSettings settings;
    settings.SelconClassCount = 5;
    settings.SelconIterations = 3;
    settings.SelconTolerance = 25;
    WriteSelcon2Input(*Spectrum(200, 209, [](int) { return 0.0; }), settings, folder);
}

void K2dWithOddValues(const std::filesystem::path& folder) {
    WriteK2dInput(*Spectrum(190, 260,
                            [](int w) {
                                return w == 201 ? -23456.0 : w == 239 ? 1500.0 : (w - 220) * 100.0;
                            }),
                  folder);
}

void VarselecInput(const std::filesystem::path& folder) {
    const std::map<int, double> values = {{190, -1.5}, {191, 0.25}, {193, 12.3456789}, {260, 1}};
    WriteVarselecInput(*Spectrum(190, 260,
                                 [&](int w) {
                                     const auto found = values.find(w);
                                     return found == values.end() ? 0.0 : found->second * 3300;
                                 }),
                       FirstProteins(33, 2), folder);
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, ExchangeFile,
    ::testing::Values(
        ExchangeCase{"selcon2-190-260.dat", "test.dat", Selcon2Default},
        ExchangeCase{"selcon2-200-209-settings.dat", "test.dat", Selcon2Settings},
        ExchangeCase{"selcon3-190-260.INPUT", "INPUT",
                     [](const auto& f) { WriteSelcon3Input(*SelconSpectrum(), f); }},
        ExchangeCase{"k2d-190-260.DAT", "GD.DAT", K2dWithOddValues},
        ExchangeCase{"k2d-210-260.DAT", "GD.DAT",
                     [](const auto& f) {
                         WriteK2dInput(*Spectrum(210, 260, [](int) { return 500.0; }), f);
                     }},
        ExchangeCase{"k2d-195-203.DAT", "GD.DAT",
                     [](const auto& f) {
                         WriteK2dInput(*Spectrum(195, 203, [](int w) { return w * 1000.0; }), f);
                     }},
        ExchangeCase{"contin-180-260.IN", "CONTIN.IN",
                     [](const auto& f) {
                         WriteContinInput(
                             *Spectrum(180, 260, [](int w) { return (w - 215) * 200.0; }), f);
                     }},
        ExchangeCase{"contin-200-250.IN", "CONTIN.IN",
                     [](const auto& f) {
                         WriteContinInput(*Spectrum(200, 250, [](int w) { return w - 200.0; }), f);
                     }},
        ExchangeCase{"contin-234-240.IN", "CONTIN.IN",
                     [](const auto& f) {
                         WriteContinInput(*Spectrum(234, 240, [](int) { return 1.0; }), f);
                     }},
        ExchangeCase{"varselec-n.dta", "n.dta", VarselecInput},
        ExchangeCase{"varselec-b.dta", "b.dta", VarselecInput},
        ExchangeCase{"varselec-comctl.dta", "comctl.dta", VarselecInput}),
    [](const auto& testCase) {
        std::string name = testCase.param.golden;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

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
