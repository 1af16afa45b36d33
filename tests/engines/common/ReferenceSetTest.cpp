#include "common/ReferenceSet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "common/ProgramFolders.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::engines {
namespace {

using testing_support::TemporaryFolder;

const std::filesystem::path ShippedFile =
    std::filesystem::path(TAVRELION_SOURCE_DIR) / "data" / ReferenceFileName;

TEST(ReferenceSet, ShippedFileHoldsSp175) {
    const ReferenceSet set = LoadReferenceSet(ShippedFile);
    EXPECT_EQ(set.name, "SP175");
    EXPECT_EQ(set.proteinCount(), 71);
    EXPECT_EQ(set.highestWavelength, 240);
    EXPECT_EQ(set.lowestWavelength, 175);
    EXPECT_EQ(set.spectra.rows(), 66);
    EXPECT_EQ(set.codes.front(), "ALDO");
    EXPECT_EQ(set.codes.back(), "UBIQ");
    // Myoglobin is mostly helix: a deep minimum near 222 nm and a maximum near 192 nm.
    const auto myoglobin = std::find(set.codes.begin(), set.codes.end(), "MBH");
    ASSERT_NE(myoglobin, set.codes.end());
    const int p = static_cast<int>(myoglobin - set.codes.begin());
    EXPECT_GT(set.fractions(ReferenceSet::HelixClass, p), 0.7);
    EXPECT_LT(set.spectra(set.rowOfWavelength(222), p), -5.0);
    EXPECT_GT(set.spectra(set.rowOfWavelength(192), p), 10.0);
    for (int q = 0; q < set.proteinCount(); ++q) {
        EXPECT_NEAR(set.fractions.col(q).sum(), 1.0, 0.03)
            << set.codes[static_cast<std::size_t>(q)];
    }
}

TEST(ReferenceSet, WithoutLeavesOneProteinOut) {
    const ReferenceSet set = LoadReferenceSet(ShippedFile);
    const ReferenceSet rest = set.without(1);
    EXPECT_EQ(rest.proteinCount(), 70);
    EXPECT_EQ(rest.codes[1], set.codes[2]);
    EXPECT_EQ(rest.spectra.col(1), set.spectra.col(2));
    EXPECT_EQ(rest.fractions.col(0), set.fractions.col(0));
    EXPECT_EQ(set.spectraBetween(240, 190).rows(), 51);
}

TEST(ReferenceSet, WriteAndLoadRoundTrip) {
    TemporaryFolder folder;
    ReferenceSet set;
    set.name = "TINY";
    set.codes = {"A", "B", "C"};
    set.highestWavelength = 240;
    set.lowestWavelength = 220;
    set.spectra = Eigen::MatrixXd::Random(21, 3);
    set.fractions = Eigen::MatrixXd::Constant(4, 3, 0.25);
    WriteReferenceSet(set, {"a header"}, folder.path() / "T.REF");
    const ReferenceSet back = LoadReferenceSet(folder.path() / "T.REF");
    EXPECT_EQ(back.codes, set.codes);
    EXPECT_TRUE(back.spectra.isApprox(set.spectra, 1e-5));
    EXPECT_EQ(back.fractions, set.fractions);
}

TEST(ReferenceSet, DamagedFilesAreRefusedWithAReason) {
    TemporaryFolder folder;
    const std::string good = testing_support::ReadBytes(ShippedFile);
    const auto refused = [&](const std::string& bytes, const std::string& reason) {
        const auto file = folder.write("BAD.REF", bytes);
        try {
            LoadReferenceSet(file);
            ADD_FAILURE() << "accepted: " << reason;
        } catch (const std::runtime_error& error) {
            EXPECT_THAT(error.what(), testing::HasSubstr(reason));
        }
    };
    refused(good.substr(0, good.rfind('\n', good.size() / 2) + 1), "ends before");
    refused("", "ends before");
    refused("SET X\nWAVELENGTHS 240 175\nPROTEINS 3\nPROTEIN A 1 0 0 x", "not a number");
    refused("SET X\nWAVELENGTHS 240 239\nPROTEINS 3\n", "wavelength range");
    refused(good + "1.0\n", "more data");
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string bytes = good;
        bytes.replace(bytes.find(from), from.size(), to);
        return bytes;
    };
    refused(replaced("ALDO 0.4600", "ALDO -1e308"),
            "line 14: ALDO: the fraction -1e+308 lies outside 0 to 1");
    refused(replaced("ALDO 0.4600 0.1400 0.1600 0.2400", "ALDO 0.4600 0.3400 0.3600 0.5400"),
            "ALDO: the fractions sum to 1.7 instead of 1");
    refused(replaced("ALDO 0.4600 0.1400", "ALDO 4.6 -1.4"), "ALDO: the fraction 4.6 lies outside");
    refused(replaced(" -3.780000 ", " -3780000.0 "),
            "line 16: ALDO: the delta epsilon -3780000.000000 is beyond any protein's spectrum");
    EXPECT_THROW(LoadReferenceSet(folder.path() / "missing.REF"), std::runtime_error);
}

// "--reference" picks the set's file and derived data; an unknown set ends the program rather
// than falling back on SP175.
TEST(ReferenceSet, TheReferenceArgumentChoosesTheFiles) {
    std::ostringstream errors;
    const auto read = [&](std::vector<std::string> arguments) {
        return ReadProgramArguments(arguments, errors, "test");
    };
    EXPECT_EQ(read({"CON"}).referenceSet, "SP175");
    const ProgramArguments idp = read({"CON", "--reference", "idp175", "--leave-out", "LYS"});
    EXPECT_EQ(idp.referenceSet, "IDP175");
    EXPECT_EQ(idp.leaveOut, "LYS");
    EXPECT_THROW(read({"--reference", "sp176"}), std::runtime_error);
    EXPECT_EQ(errors.str(), "");
    ProgramFolders folders("/work", "/opt/tavrelion");
    EXPECT_EQ(folders.referenceFile(), "/opt/tavrelion/SP175.REF");
    EXPECT_EQ(folders.trainedData(), "/opt/tavrelion");
    folders.referenceSet = idp.referenceSet;
    EXPECT_EQ(folders.referenceFile(), "/opt/tavrelion/IDP175.REF");
    EXPECT_EQ(folders.trainedData(), "/opt/tavrelion/idp175");
}

}  // namespace
}  // namespace tavrelion::engines
