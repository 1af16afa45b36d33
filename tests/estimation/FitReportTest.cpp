#include "estimation/FitReport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fakes/TemporaryFolder.h"

namespace tavrelion::estimation {
namespace {

using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

// tests/golden/FIT.VAL is worked out by hand from these coefficients (see its README): a
// three-column set whose total is summed before rounding (0.3456 + 0.2 + 0.41 = 0.9556 -> 00.96),
// a four-column set without turn (0.00), a negative and a two-digit value that widen their
// columns, and a set without a solution.
TEST(WriteFitReport, WritesTheWorkedExampleByteForByte) {
    TemporaryFolder folder;
    auto store = std::make_unique<store::SpectrumStore>();
    store->ProgramDir = folder.path().string();
    store->SpectrumFileName = "C:\\Fasman\\LYSO.ASC";  // a path holding a set name
    store->BaselineCorrection = -0.25;
    store->MultiplyFactor = 2;
    store->HtCutNote =
        "HT above 600 V at the short wavelengths: 3 point(s) left out, the "
        "spectrum starts at 183 nm.";
    FitResults results;
    const auto set = [&](int number, double helix, double sheet, double coil) {
        results.FitHelix(number) = helix;
        results.FitSheet(number) = sheet;
        results.FitCoil(number) = coil;
    };
    set(Fasman, 0.3456, 0.2, 0.41);
    set(Chen, 0.5, 0.25, 0.25);
    set(Bolotina, 0.5, 0.25, 0.25);
    set(Chang, -0.012, 12.5, 88.0);
    results.FitTurn(Chang) = 0.125;
    WriteFitReport(*store, results);
    EXPECT_EQ(ReadBytes(folder.path() / "FIT.VAL"),
              ReadBytes(std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests/golden/FIT.VAL"));
}

TEST(WriteFitReport, UnwritableFolderIsPassedOverSilently) {
    auto store = std::make_unique<store::SpectrumStore>();
    store->ProgramDir = "/nonexistent/folder";
    EXPECT_NO_THROW(WriteFitReport(*store, FitResults()));
}

}  // namespace
}  // namespace tavrelion::estimation
