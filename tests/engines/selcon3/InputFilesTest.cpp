// The SELCON input files as the main program's drivers write them, read back by the engines.
#include <gtest/gtest.h>

#include "drivers/SelconInput.h"
#include "engines/selcon3/SelconTestSupport.h"
#include "selcon2/Selcon2Input.h"
#include "selcon3/Selcon3Input.h"
#include "selcon3/SummaryLine.h"

namespace tavrelion::engines::selcon {
namespace {

using testing::ReferenceSpectrum;
using testing_support::TemporaryFolder;

TEST(Selcon3Input, ReadsTheDriversFileValueForValue) {
    TemporaryFolder folder;
    auto store = ReferenceSpectrum("MBH", 178, 260);
    store->SpectrumValue(1) = 0.0;       // "  0.00"
    store->SpectrumValue(2) = -1650.0;   // " -0.50"
    store->SpectrumValue(3) = 33000.0;   // " 10.00"
    store->SpectrumValue(4) = -66000.0;  // "-20.00" after one blank
    drivers::WriteSelcon3Input(*store, folder.path());

    const Selcon3Input input = ReadSelcon3Input(folder.path() / "INPUT");

    EXPECT_EQ(input.sample, "C:\\DATA\\MBH.ASC");
    EXPECT_EQ(input.spectrum.highestWavelength, 260);
    EXPECT_EQ(input.spectrum.lowestWavelength, 178);
    ASSERT_EQ(input.spectrum.values.size(), 83u);
    EXPECT_DOUBLE_EQ(input.spectrum.at(178), 0.0);
    EXPECT_DOUBLE_EQ(input.spectrum.at(179), -0.5);
    EXPECT_DOUBLE_EQ(input.spectrum.at(180), 10.0);
    EXPECT_DOUBLE_EQ(input.spectrum.at(181), -20.0);
    const double at222 = store->SpectrumValue(222 - 178 + 1) / 3300.0;
    EXPECT_NEAR(input.spectrum.at(222), at222, 0.005);
}

TEST(Selcon2Input, ReadsTheDriversSettingsAndData) {
    TemporaryFolder folder;
    drivers::SelconSettings settings;
    settings.SelconClassCount = 5;
    settings.SelconIterations = 25;
    settings.SelconTolerance = 7;
    drivers::WriteSelcon2Input(*ReferenceSpectrum("LLEC", 190, 260), settings, folder.path());

    const Selcon2Input input = ReadSelcon2Input(folder.path() / "test.dat");

    EXPECT_EQ(input.title, " TEST");
    EXPECT_EQ(input.iterations, 25);
    EXPECT_DOUBLE_EQ(input.totalTolerance, 0.07);
    EXPECT_DOUBLE_EQ(input.convergence, 0.002);
    EXPECT_EQ(input.spectrum.highestWavelength, 260);
    EXPECT_EQ(input.spectrum.lowestWavelength, 190);
    EXPECT_EQ(input.spectrum.values.size(), 71u);
}

TEST(Selcon2Input, RefusesCountsThatDisagree) {
    TemporaryFolder folder;
    drivers::WriteSelcon2Input(*ReferenceSpectrum("LLEC", 190, 260), {}, folder.path());
    std::string bytes = testing_support::ReadBytes(folder.path() / "test.dat");
    bytes.replace(bytes.find(" 71"), 3, " 72");
    folder.write("test.dat", bytes);
    EXPECT_THROW(ReadSelcon2Input(folder.path() / "test.dat"), InputError);
    // An iteration count below 1 is refused too.
    bytes.replace(bytes.find(" 72"), 3, " 71");
    bytes.replace(bytes.find(" 10    .002"), 3, "  0");
    folder.write("test.dat", bytes);
    EXPECT_THROW(ReadSelcon2Input(folder.path() / "test.dat"), InputError);
}

TEST(SummaryLine, ValuesEndUnderTheirHeadingsInFiveCharacters) {
    EXPECT_EQ(FiveCharacters(0.3544), "0.354");
    EXPECT_EQ(FiveCharacters(-0.0251), "-.025");
    EXPECT_EQ(FiveCharacters(-0.0001), "0.000");
    EXPECT_EQ(FiveCharacters(12.5), "9.999");
    const std::string tail = SummaryTail(SummaryValues{0.1, 0.2, 0.3, 0.4, 1.0, 0.05});
    const std::string line = std::string(24, '*') + tail;
    EXPECT_EQ(testing::Columns(line, 27, 31), "0.100");
    EXPECT_EQ(testing::Columns(line, 33, 37), "0.200");
    EXPECT_EQ(testing::Columns(line, 39, 43), "0.300");
    EXPECT_EQ(testing::Columns(line, 55, 59), "0.400");
    EXPECT_EQ(testing::Columns(line, 62, 66), "1.000");
    EXPECT_EQ(testing::Columns(line, 68, 72), "0.050");
    EXPECT_EQ(line.size(), 73u);
    EXPECT_FALSE(testing::HasDigit(SummaryTail(std::nullopt)));
}

}  // namespace
}  // namespace tavrelion::engines::selcon
