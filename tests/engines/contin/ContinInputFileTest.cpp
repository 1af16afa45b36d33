// Reading CONTIN.IN as the main program's driver writes it, and refusing broken ones.
#include "contin/ContinInputFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "drivers/ContinInput.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::engines::contin {
namespace {

using ::testing::HasSubstr;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

// Writes CONTIN.IN through the driver for a spectrum from first to last nm and returns its bytes.
std::string DriverFile(int first, int last, const std::function<double(int)>& value) {
    store::SpectrumStore spectrum;
    spectrum.PointCount = static_cast<store::Int16>(last - first + 1);
    for (int i = 1; i <= spectrum.PointCount; ++i) {
        spectrum.SpectrumWavelength(i) = static_cast<store::Int16>(first + i - 1);
        spectrum.SpectrumValue(i) = value(first + i - 1);
    }
    TemporaryFolder folder;
    drivers::WriteContinInput(spectrum, folder.path());
    return ReadBytes(folder.path() / "CONTIN.IN");
}

double Shape(int nm) {
    return std::round(40.0 * (nm - 215) * (nm - 200) - 15000.0 + 0.25);
}

struct Coverage {
    int first;
    int last;
    int high;  // the wavelengths the values must be read at
    int low;
};

class DriverSpectrum : public ::testing::TestWithParam<Coverage> {};

TEST_P(DriverSpectrum, ValuesAreReadAtTheirWavelengths) {
    const Coverage c = GetParam();
    const ContinInputReading reading = ReadContinInput(DriverFile(c.first, c.last, Shape));
    ASSERT_TRUE(reading.ok) << reading.error;
    const ContinInput& input = reading.input;
    EXPECT_EQ(input.count, c.high - c.low + 1);
    EXPECT_EQ(input.highestWavelength, c.high);
    EXPECT_EQ(input.lowestWavelength, c.low);
    EXPECT_TRUE(input.layoutRecognised);
    EXPECT_EQ(input.otherStart, 0);
    ASSERT_EQ(input.ellipticity.size(), static_cast<std::size_t>(input.count));
    for (int w = c.high; w >= c.low; --w) {
        EXPECT_EQ(input.ellipticity[static_cast<std::size_t>(c.high - w)], Shape(w)) << w << " nm";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, DriverSpectrum,
    ::testing::Values(Coverage{180, 260, 240, 190}, Coverage{190, 240, 240, 190},
                      Coverage{200, 250, 240, 200}, Coverage{180, 230, 230, 190},
                      Coverage{185, 236, 236, 190}, Coverage{195, 238, 238, 195},
                      Coverage{236, 300, 240, 236}, Coverage{175, 193, 193, 190}));

TEST(ContinInputFile, ReadsFieldsWithDecimalsAndFieldsRunTogether) {
    const std::string file =
        " NSTEND   4           240.           190.\r\n"
        "    12.5.  -1234567.-2345678.   1234567.";
    const ContinInputReading reading = ReadContinInput(file);
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_THAT(reading.input.ellipticity,
                ::testing::ElementsAre(12.5, -1234567.0, -2345678.0, 1234567.0));
    EXPECT_EQ(reading.input.highestWavelength, 240);
}

TEST(ContinInputFile, StartInDoubtTakesTheHigherAndSaysSo) {
    // 230-200 nm breaks its lines exactly as 237-207 nm would.
    const ContinInputReading reading = ReadContinInput(DriverFile(200, 230, Shape));
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_EQ(reading.input.highestWavelength, 237);
    EXPECT_EQ(reading.input.otherStart, 230);
}

TEST(ContinInputFile, LineBreaksThatFitNoStartAssume240) {
    const std::string file =
        " NSTEND   9           240.           190.\r\n"
        "  1.  2.  3.\r\n  4.  5.  6.\r\n  7.  8.  9.\r\n";
    const ContinInputReading reading = ReadContinInput(file);
    ASSERT_TRUE(reading.ok) << reading.error;
    EXPECT_FALSE(reading.input.layoutRecognised);
    EXPECT_EQ(reading.input.highestWavelength, 240);
    EXPECT_EQ(reading.input.lowestWavelength, 232);
}

struct Broken {
    const char* name;
    std::function<std::string(const std::string&)> damage;  // applied to a good file
    const char* says;
};

class BrokenInput : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenInput, IsRefusedWithAReason) {
    const std::string good = DriverFile(180, 260, Shape);
    const ContinInputReading reading = ReadContinInput(GetParam().damage(good));
    EXPECT_FALSE(reading.ok);
    EXPECT_THAT(reading.error, HasSubstr(GetParam().says));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenInput,
    ::testing::Values(
        Broken{"Empty", [](const std::string&) { return std::string(); }, "empty"},
        Broken{"OnlyBlanks", [](const std::string&) { return std::string("  \r\n \r\n"); },
               "empty"},
        Broken{"ControlLinesOnly",
               [](const std::string& f) { return f.substr(0, f.find(" NSTEND")); },
               "no count line"},
        Broken{"TruncatedData", [](const std::string& f) { return f.substr(0, f.size() - 200); },
               "truncated"},
        Broken{"CountTooLarge",
               [](const std::string& f) { return Replace(f, "NSTEND   51", "NSTEND   52"); },
               "cannot hold"},
        Broken{"CountNegative",
               [](const std::string& f) { return Replace(f, "NSTEND   51", "NSTEND  -5 "); },
               "cannot hold"},
        Broken{"CountMissing",
               [](const std::string& f) { return Replace(f, "NSTEND   51 ", "NSTEND"); },
               "does not give"},
        Broken{"CountNotANumber",
               [](const std::string& f) { return Replace(f, "NSTEND   51", "NSTEND   5x"); },
               "does not give"},
        Broken{"RangeUpsideDown", [](const std::string& f) { return Replace(f, "240.", "150."); },
               "wavelength range"},
        Broken{"ValueNotANumber",
               [](const std::string& f) {
                   const auto data = f.find("\n", f.find("NSTEND")) + 1;
                   return f.substr(0, data) + "    abc." + f.substr(data + 9);
               },
               "\"abc.\" is not a number"},
        Broken{"NotANumberSpelledAsOne", [](const std::string& f) { return f + "  nan  inf"; },
               "not a number"},
        Broken{"ExtraValues", [](const std::string& f) { return f + "     12."; },
               "data lines hold 52"}),
    [](const ::testing::TestParamInfo<Broken>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(ContinInputFile, MissingFileSaysWhere) {
    TemporaryFolder folder;
    const ContinInputReading reading = ReadContinInputFile(folder.path() / "CONTIN.IN");
    EXPECT_FALSE(reading.ok);
    EXPECT_THAT(reading.error, HasSubstr("not found"));
}

}  // namespace
}  // namespace tavrelion::engines::contin
