#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "VarselecBasis.h"
#include "VarselecFixture.h"
#include "varselec/BasisFormat.h"
#include "varselec/ExchangeText.h"

namespace tavrelion::engines::varselec {
namespace {

using test_support::DataFolder;
using test_support::Lines;
using test_support::Sp175;

// SP175's basis and IDP175's (in the folder of the data derived from it).
TEST(VarselecBasis, ShippedFilesAreWhatTheGeneratorWrites) {
    for (const char* name : {DefaultReferenceSet, DisorderedReferenceSet}) {
        const ReferenceSet set = LoadReferenceSet(ReferenceFileOf(DataFolder(), name));
        EXPECT_EQ(tools::VarselecBasisText(set, tools::ChooseVarselecBasis(set)),
                  testing_support::ReadBytes(TrainedDataFolder(DataFolder(), name) / "s.ori"))
            << name;
    }
}

// The driver reads exactly 33 blocks of a name line and 83 data lines (178-260 nm) and copies the
// data lines unchanged; the reference data stop at 240 nm.
TEST(VarselecBasis, ShippedFileHas33BlocksOfNameAnd83DataLines) {
    const std::string bytes = testing_support::ReadBytes(DataFolder() / "s.ori");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'),
              std::count(bytes.begin(), bytes.end(), '\r'));
    const auto lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 33u * 84u);
    std::set<std::string> codes;
    for (std::size_t block = 0; block < 33; ++block) {
        const std::string& name = lines[block * 84];
        SCOPED_TRACE(name);
        EXPECT_LE(name.size(), MaximumNameLength);
        const auto fractions = ParseNameLine(name);
        ASSERT_TRUE(fractions.has_value());
        codes.insert(name.substr(0, name.find(' ')));
        const int p = test_support::ProteinIndex(name.substr(0, name.find(' ')));
        ASSERT_LT(p, Sp175().proteinCount());
        for (int c = 0; c < ClassCount; ++c) {
            EXPECT_NEAR((*fractions)[static_cast<std::size_t>(c)], Sp175().fractions(c, p), 0.005);
        }
        for (int nm = 178; nm <= 260; ++nm) {
            const std::string& line = lines[block * 84 + static_cast<std::size_t>(nm - 177)];
            if (nm <= 240) {
                const auto value = ParseDecimal(line);
                ASSERT_TRUE(value.has_value()) << nm << " nm: " << line;
                EXPECT_NEAR(*value, Sp175().spectra(Sp175().rowOfWavelength(nm), p), 5.1e-5);
            } else {
                EXPECT_TRUE(SaysNoValue(line)) << nm << " nm: " << line;
                EXPECT_FALSE(ParseDecimal(line).has_value());
            }
        }
    }
    EXPECT_EQ(codes.size(), 33u);
}

TEST(VarselecBasis, ChoiceSpansTheWholeRangeOfHelixContent) {
    const ReferenceSet& set = Sp175();
    const auto chosen = tools::ChooseVarselecBasis(set);
    ASSERT_EQ(chosen.size(), 33u);
    std::vector<double> helix;
    for (const int p : chosen) {
        helix.push_back(set.fractions(ReferenceSet::HelixClass, p));
    }
    EXPECT_TRUE(std::is_sorted(helix.begin(), helix.end()));
    EXPECT_DOUBLE_EQ(helix.front(), set.fractions.row(ReferenceSet::HelixClass).minCoeff());
    EXPECT_DOUBLE_EQ(helix.back(), set.fractions.row(ReferenceSet::HelixClass).maxCoeff());
    // Every reference protein has a basis protein of nearly the same helix content.
    for (int p = 0; p < set.proteinCount(); ++p) {
        const double h = set.fractions(ReferenceSet::HelixClass, p);
        double nearest = 1.0;
        for (const double chosenHelix : helix) {
            nearest = std::min(nearest, std::fabs(chosenHelix - h));
        }
        EXPECT_LE(nearest, 0.05) << set.codes[static_cast<std::size_t>(p)];
    }
    // Sheet-rich proteins are in as well: the least helical one has the most sheet of all.
    EXPECT_DOUBLE_EQ(set.fractions(ReferenceSet::SheetClass, chosen.front()),
                     set.fractions.row(ReferenceSet::SheetClass).maxCoeff());
}

TEST(VarselecBasis, NameLineCarriesCodeAndStructureBothWays) {
    const std::string line = FormatNameLine("ALDO", {0.46, 0.14, 0.16, 0.24});
    EXPECT_EQ(line, "ALDO  H 0.46 S 0.14 T 0.16 O 0.24");
    const auto fractions = ParseNameLine(line);
    ASSERT_TRUE(fractions.has_value());
    EXPECT_DOUBLE_EQ((*fractions)[1], 0.14);
    EXPECT_FALSE(ParseNameLine("ALDO aldolase").has_value());
    EXPECT_FALSE(ParseNameLine("ALDO  H 0.46 S 0.14 T 0.16").has_value());
    EXPECT_FALSE(ParseNameLine("ALDO  H 0.46 S x T 0.16 O 0.24").has_value());
}

}  // namespace
}  // namespace tavrelion::engines::varselec
