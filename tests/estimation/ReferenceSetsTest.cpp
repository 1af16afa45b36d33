#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "estimation/ReferenceSets.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::estimation {
namespace {

using testing::ElementsAre;
using testing_support::FakeMessages;
using testing_support::TemporaryFolder;

// Five small blocks; block b has b + 1 rows... its values tell block, row and column.
std::string Block(int components, int rows, int block, const std::string& separator,
                  const std::string& rowEnd) {
    std::string text = std::to_string(components) + rowEnd + std::to_string(rows) + rowEnd;
    for (int row = 1; row <= rows; ++row) {
        text += std::to_string(241 - row);
        for (int column = 1; column <= components; ++column) {
            text += separator + std::to_string(block * 100 + row * 10 + column) + ".5";
        }
        text += rowEnd;
    }
    return text;
}

std::string FiveBlocks(const std::string& separator, const std::string& rowEnd) {
    return Block(4, 3, 1, separator, rowEnd) + Block(3, 2, 2, separator, rowEnd) +
           Block(4, 2, 3, separator, rowEnd) + Block(3, 4, 4, separator, rowEnd) +
           Block(3, 1, 5, separator, rowEnd);
}

std::string TooManyRows() {
    std::string text = "4 1001";
    for (int row = 1; row <= 1001; ++row) {
        text += " 240 1 2 3 4";
    }
    return text;
}

class ReferenceSetsTest : public testing::Test {
  protected:
    bool load(const std::string& contents) {
        folder.write("DATA.CD", contents);
        return LoadReferenceSets(folder.path().string(), *sets, messages);
    }

    TemporaryFolder folder;
    std::unique_ptr<ReferenceSets> sets = std::make_unique<ReferenceSets>();
    FakeMessages messages;
};

TEST_F(ReferenceSetsTest, BlocksFillBolotinaChenChangYangFasman) {
    ASSERT_TRUE(load(FiveBlocks(" ", "\r\n")));
    EXPECT_TRUE(messages.shown.empty());
    const ReferenceSets& loaded = *sets;
    EXPECT_EQ(loaded(Bolotina).ComponentCount, 4);
    EXPECT_EQ(loaded(Bolotina).RowCount, 3);
    EXPECT_EQ(loaded(Bolotina).RefBasis(3, 4), 134.5);
    EXPECT_EQ(loaded(Chen).RefBasis(2, 3), 223.5);
    EXPECT_EQ(loaded(Chang).RefBasis(1, 1), 311.5);
    EXPECT_EQ(loaded(Yang).RowCount, 4);
    EXPECT_EQ(loaded(Yang).RefWavelength(4), 237);  // rows keep the file's descending order
    EXPECT_EQ(loaded(Fasman).RefBasis(1, 2), 512.5);
    EXPECT_EQ(ReferenceSetName(Fasman), "Fasman   ");
    EXPECT_EQ(ReferenceSetName(Bolotina), "Bolotina ");
}

TEST_F(ReferenceSetsTest, CommasBlanksAndLineEndsMixFreely) {
    ASSERT_TRUE(load(FiveBlocks(",", ",")));
    auto single = std::make_unique<ReferenceSets>(*sets);
    ASSERT_TRUE(load(FiveBlocks("  ,\t", "\n\n")));
    for (int set = 1; set <= ReferenceSetCount; ++set) {
        ASSERT_EQ((*sets)(set).RowCount, (*single)(set).RowCount);
        for (int row = 1; row <= (*sets)(set).RowCount; ++row) {
            EXPECT_EQ((*sets)(set).RefWavelength(row), (*single)(set).RefWavelength(row));
            for (int column = 1; column <= 4; ++column) {
                EXPECT_EQ((*sets)(set).RefBasis(row, column), (*single)(set).RefBasis(row, column));
            }
        }
    }
}

TEST_F(ReferenceSetsTest, FifthColumnFailsAndEarlierBlocksStay) {
    const std::string text = Block(4, 2, 1, " ", "\r\n") + Block(5, 2, 2, " ", "\r\n");
    EXPECT_FALSE(load(text));
    EXPECT_EQ((*sets)(Bolotina).RowCount, 2);
    EXPECT_EQ((*sets)(Chen).RefBasis(1, 4), 214.5);  // read up to the failing fifth value
    EXPECT_EQ((*sets)(Chang).ComponentCount, 0);
    EXPECT_EQ((*sets)(Fasman).RowCount, 0);
}

struct DamagedDataFile {
    std::string contents;
    std::string whereAndWhat;
};

class DamagedReferenceSetsTest : public ReferenceSetsTest,
                                 public testing::WithParamInterface<DamagedDataFile> {};

// A damaged file is not reported as missing: the message names the file, the line and the fault.
TEST_P(DamagedReferenceSetsTest, SaysWhereTheFileIsDamaged) {
    EXPECT_FALSE(load(GetParam().contents));
    const std::string path = (folder.path() / "DATA.CD").string();
    EXPECT_THAT(messages.texts(), ElementsAre("The reference sets file " + path +
                                              " is damaged at line " + GetParam().whereAndWhat));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedReferenceSetsTest,
    testing::Values(
        DamagedDataFile{"", "1: the file ends before the rows its blocks declare"},
        DamagedDataFile{"4\r\n2\r\n240 1 2 3 4\r\n239 1 2 3",
                        "4: the file ends before the rows its blocks declare"},
        DamagedDataFile{"4 2\r\n240 1 2 x 4\r\n", "2: \"x\" is not a number"},
        DamagedDataFile{"4 2\r\n240 1 2 3 4\r\n239 1 1e300 3 4\r\n",
                        "3: the value 1E+300 is beyond 10^7"},
        DamagedDataFile{"4 1\r\n240 1 2 3 4\r\n5 1\r\n240 1 2 3 4 5\r\n",
                        "4: a block holds more than 4 basis spectra or more than 1000 rows"},
        DamagedDataFile{TooManyRows(),
                        "1: a block holds more than 4 basis spectra or more than 1000 rows"},
        DamagedDataFile{"4 70000 1 1 1 1 1", "1: a count or a wavelength is too large"}));

TEST_F(ReferenceSetsTest, MissingFileIsReportedOnce) {
    EXPECT_FALSE(LoadReferenceSets(folder.path().string(), *sets, messages));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ((*sets)(Fasman).ComponentCount, 0);
}

}  // namespace
}  // namespace tavrelion::estimation
