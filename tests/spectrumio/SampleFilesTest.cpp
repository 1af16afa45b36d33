#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LoadFixture.h"
#include "drivers/ContinInput.h"
#include "drivers/K2dInput.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::spectrumio {
namespace {

const std::filesystem::path SamplesFolder = std::filesystem::path(TAVRELION_SOURCE_DIR) / "samples";

// One row of samples/EXPECTED.tsv: what a correct load of a sample gives.
struct ExpectedLoad {
    std::string file;
    int firstWavelength = 0;
    int lastWavelength = 0;
    int pointCount = 0;
    double valueAt222 = 0;
    bool needsDialog = false;
    // How the conversion dialog of today's kinds is answered; "-" keeps what it offers.
    std::string dialogUnit;
    std::string dialogPathCm;
    std::string dialogResidueMolar;
};

void PrintTo(const ExpectedLoad& row, std::ostream* out) {
    *out << row.file;
}

std::vector<ExpectedLoad> ReadExpectedLoads() {
    std::ifstream table(SamplesFolder / "EXPECTED.tsv");
    std::string line;
    std::getline(table, line);  // column names
    std::vector<ExpectedLoad> rows;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        ExpectedLoad row;
        int needsDialog = 0;
        fields >> row.file >> row.firstWavelength >> row.lastWavelength >> row.pointCount >>
            row.valueAt222 >> needsDialog >> row.dialogUnit >> row.dialogPathCm >>
            row.dialogResidueMolar;
        row.needsDialog = needsDialog != 0;
        rows.push_back(row);
    }
    return rows;
}

class SampleFile : public testing_support::LoadFixture,
                   public testing::WithParamInterface<ExpectedLoad> {};
class SampleFileDrivers : public testing_support::LoadFixture {};

TEST_P(SampleFile, LoadsAsDocumented) {
    const ExpectedLoad& expected = GetParam();
    // Accept the parameters the dialog offers from the file's header.
    dialogs.unitPresses.push_back([](UnitDialogModel& model) {
        model.valid(model.initialConcentrationText(), model.initialCellWidthText());
    });
    dialogs.conversionPresses.push_back([&expected](ConversionDialogModel& model) {
        ConversionDialogModel::Entries entries = model.initialEntries();
        if (expected.dialogUnit != "-") {
            entries.unit = CdUnitFromName(expected.dialogUnit);
        }
        if (expected.dialogPathCm != "-") {
            entries.pathCm = expected.dialogPathCm;
        }
        if (expected.dialogResidueMolar != "-") {
            entries.residueMolar = expected.dialogResidueMolar;
        }
        model.valid(entries);
    });
    store->SpectrumFileName = (SamplesFolder / expected.file).string();
    ASSERT_TRUE(loadCurrentFile()) << testing::PrintToString(messages.texts());
    // Only the HT cut-off is told, as a notice.
    for (const auto& message : messages.shown) {
        EXPECT_EQ(message.icon, platform::MessageIcon::Information) << message.text;
    }
    EXPECT_EQ(dialogs.openings.size() + dialogs.conversionHeadings.size(),
              expected.needsDialog ? 1u : 0u);
    EXPECT_EQ(store->FirstWavelength, expected.firstWavelength);
    EXPECT_EQ(store->LastWavelength, expected.lastWavelength);
    EXPECT_EQ(store->PointCount, expected.pointCount);
    const int at222 = 222 - store->FirstWavelength + 1;
    ASSERT_EQ(store->SpectrumWavelength(at222), 222);
    EXPECT_NEAR(store->SpectrumValue(at222), expected.valueAt222,
                1e-9 * std::fabs(expected.valueAt222));
    // A folded protein's far-UV spectrum is negative at 222 nm.
    EXPECT_LT(store->SpectrumValue(at222), -1000);
    // Every grid point and every value of the file is shown: the last ones too, no made-up 0.
    EXPECT_NE(store->SpectrumValue(store->PointCount), 0);
    EXPECT_EQ(store->SlotRawCount(1), store->RawPointCount);
    EXPECT_EQ(store->SlotLastWavelength(1), store->LastWavelength);
}

TEST_F(SampleFileDrivers, TwoNanometreFileSendsOnlyPointsBackedByItsValues) {
    store->SpectrumFileName = (SamplesFolder / "HSA_DE.ASC").string();
    dialogs.unitPresses.push_back([](UnitDialogModel& model) {
        model.valid(model.initialConcentrationText(), model.initialCellWidthText());
    });
    ASSERT_TRUE(loadCurrentFile());
    testing_support::TemporaryFolder exchange;
    drivers::WriteK2dInput(*store, exchange.path());
    drivers::WriteContinInput(*store, exchange.path());
    const std::string k2d = testing_support::ReadBytes(exchange.path() / "GD.DAT");
    EXPECT_EQ(std::count(k2d.begin(), k2d.end(), '\n'), 40);  // 200..239 nm, the file's last
    EXPECT_NE(testing_support::ReadBytes(exchange.path() / "CONTIN.IN").find(" NSTEND   50 "),
              std::string::npos);  // 239..190 nm, no 0 for 240
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFile, testing::ValuesIn(ReadExpectedLoads()),
                         [](const testing::TestParamInfo<ExpectedLoad>& testCase) {
                             std::string name = testCase.param.file;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(SampleFiles, EverySampleIsListedWithItsExpectedLoad) {
    std::size_t spectra = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SamplesFolder)) {
        const std::string extension = entry.path().extension().string();
        for (const char* kind : {".ASC", ".JCD", ".TVR", ".txt", ".csv", ".dat", ".gen", ".pcd"}) {
            spectra += extension == kind;
        }
    }
    EXPECT_GE(spectra, 15u);
    EXPECT_EQ(ReadExpectedLoads().size(), spectra);
}

}  // namespace
}  // namespace tavrelion::spectrumio
