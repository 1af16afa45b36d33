#include "analysis/MethodResultReaders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "AnalysisTestFiles.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "store/BasicError.h"

namespace tavrelion::analysis {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TemporaryFolder;

// Reports the analysis programs wrote for a sine (a shape no protein has) and for an all-zero
// spectrum, kept as they came.
const fs::path Reports = fs::path(TAVRELION_SOURCE_DIR) / "tests" / "analysis" / "reports";

using Reader = MethodResult (*)(const fs::path&);

struct ReportCase {
    const char* file;
    Reader read;
    const char* method;
    double helix, sheet, turn, other;
    bool turnGiven;
    double nrmsd;  // negative: none
    const char* quality;
    std::size_t points;
    double lowest;           // nm; the spectrum runs from 240 nm down to it
    double firstCalculated;  // at 240 nm, delta epsilon per residue as the report prints it
    bool inputCheck;
};

const ReportCase Cases[] = {
    {"SINE.SCM", ReadSelcon2Result, "SELCON2", 0.202, 0.114, 0.260, 0.424, true, 0.985, "poor", 66,
     175, -0.185, true},
    {"SINE.SC3", ReadSelcon3Result, "SELCON3", 0.173, 0.130, 0.271, 0.425, true, 0.987, "poor", 66,
     175, -0.167, true},
    {"SINE.CNT", ReadContinResult, "CONTIN", 0.110, 0.339, 0.232, 0.323, true, 0.898, "poor", 51,
     190, 0.003, false},
    {"SINE.K2D", ReadK2dResult, "K2D", 0.12, 0.25, 0, 0.63, false, -1, "poor", 0, 0, 0, false},
    {"ZERO.K2D", ReadK2dResult, "K2D", 0.10, 0.39, 0, 0.50, false, -1, "not graded", 0, 0, 0, true},
    // The analysis of Varselec's solutions grades the average of the accepted fits.
    {"SINE.LST", ReadVarselecResult, "Varselec", -0.0365, 0.4840, 0.2948, 0.3183, true, 0.986,
     "poor", 63, 178, -0.223, true},
};

TEST(MethodResultReaders, EachProgramsReportGivesItsFractionsFitAndInputCheck) {
    for (const ReportCase& c : Cases) {
        SCOPED_TRACE(c.file);
        const MethodResult r = c.read(Reports / c.file);
        EXPECT_EQ(r.method, c.method);
        EXPECT_DOUBLE_EQ(r.helix, c.helix);
        EXPECT_DOUBLE_EQ(r.sheet, c.sheet);
        EXPECT_DOUBLE_EQ(r.turn, c.turn);
        EXPECT_DOUBLE_EQ(r.other, c.other);
        EXPECT_NEAR(r.total, c.helix + c.sheet + c.turn + c.other, 1e-12);
        EXPECT_EQ(r.turnGiven, c.turnGiven);
        EXPECT_EQ(r.nrmsd.has_value(), c.nrmsd >= 0);
        if (r.nrmsd) {
            EXPECT_DOUBLE_EQ(*r.nrmsd, c.nrmsd);
        }
        EXPECT_EQ(r.quality, c.quality);
        ASSERT_EQ(r.wavelengths.size(), c.points);
        ASSERT_EQ(r.measured.size(), c.points);
        ASSERT_EQ(r.calculated.size(), c.points);
        if (c.points > 0) {
            EXPECT_EQ(r.wavelengths.front(), 240);
            EXPECT_EQ(r.wavelengths.back(), c.lowest);
            // Back in mean residue ellipticity, as the least-squares rows and the plot have it.
            EXPECT_DOUBLE_EQ(r.calculated.front(), c.firstCalculated * 3300);
            // The grade the report states is the one its own table gives.
            double squares = 0;
            double deviations = 0;
            for (std::size_t i = 0; i < c.points; ++i) {
                squares += r.measured[i] * r.measured[i];
                deviations += std::pow(r.measured[i] - r.calculated[i], 2);
            }
            EXPECT_NEAR(std::sqrt(deviations / squares), c.nrmsd, 0.001);
        }
        if (c.inputCheck) {
            EXPECT_EQ(r.inputCheck.rfind("Input check: ", 0), 0u) << r.inputCheck;
        } else {
            EXPECT_EQ(r.inputCheck, "");
        }
    }
}

TEST(MethodResultReaders, DamagedOrMissingReportsAreRefusedWithTheFileAndTheReason) {
    TemporaryFolder folder;
    for (const ReportCase& c : Cases) {
        SCOPED_TRACE(c.file);
        const std::string bytes = ReadBytes(Reports / c.file);
        // Cut anywhere, or with a byte spoilt anywhere: a result or a reason, never a crash.
        for (std::size_t at = 0; at < bytes.size(); at += 149) {
            for (const std::string& damaged :
                 {bytes.substr(0, at), bytes.substr(0, at) + '\x01' + bytes.substr(at + 1)}) {
                const fs::path file = folder.write(c.file, damaged);
                try {
                    const MethodResult r = c.read(file);
                    EXPECT_TRUE(std::isfinite(r.helix) && std::isfinite(r.total));
                } catch (const store::ExplainedError& error) {
                    EXPECT_EQ(error.reason().rfind(file.string() + ": ", 0), 0u) << error.reason();
                }
            }
        }
        try {
            c.read(folder.path() / "missing");
            ADD_FAILURE() << "a missing report was read";
        } catch (const store::ExplainedError& error) {
            EXPECT_EQ(error.number(), store::FileNotFound);
            EXPECT_EQ(error.reason(), (folder.path() / "missing").string() + " is missing");
        }
    }
    // A report without an estimate, and a fraction that is no number.
    try {
        ReadSelcon3Result(Reports / "ZERO.SC3");
        ADD_FAILURE() << "no estimate was read";
    } catch (const store::ExplainedError& error) {
        EXPECT_EQ(error.reason(),
                  (Reports / "ZERO.SC3").string() + ": the program made no estimate");
    }
    EXPECT_EQ(ReadInputCheck(Reports / "ZERO.SC3"),
              "Input check: the spectrum is zero or flat; the estimate means nothing.");
    std::string k2d = ReadBytes(Reports / "SINE.K2D");
    k2d.replace(k2d.find("0.12"), 4, "nan ");
    EXPECT_THROW(ReadK2dResult(folder.write("NAN.K2D", k2d)), store::ExplainedError);
    // A number no estimate can be: refused, not put in the table.
    std::string selcon3 = ReadBytes(Reports / "SINE.SC3");
    selcon3.replace(selcon3.find("0.173"), 5, "99999");
    try {
        ReadSelcon3Result(folder.write("HUGE.SC3", selcon3));
        ADD_FAILURE() << "a fraction of 99999 was read";
    } catch (const store::ExplainedError& error) {
        EXPECT_NE(error.reason().find("a fraction of 99999"), std::string::npos) << error.reason();
    }
}

TEST(MethodResultReaders, LeastSquaresRowsNameTheSetAndGradeNoFitOfAZeroSpectrum) {
    auto store = std::make_unique<store::SpectrumStore>();
    auto sets = std::make_unique<estimation::ReferenceSets>();
    auto fits = std::make_unique<estimation::FitResults>();
    testing_support::FakeMessages quiet;
    estimation::LoadReferenceSets((fs::path(TAVRELION_SOURCE_DIR) / "data").string(), *sets, quiet);
    store->PointCount = store->RawPointCount = 66;
    store->WavelengthStep = 1;
    for (int i = 1; i <= 66; ++i) {
        store->SpectrumWavelength(i) = static_cast<store::Int16>(174 + i);
        store->SpectrumValue(i) = 0.0;
    }
    estimation::LeastSquaresFit(*store, *sets, *fits, quiet);
    const std::vector<MethodResult> rows = LeastSquaresResults(*store, *sets, *fits);
    ASSERT_EQ(rows.size(), 5u);
    const char* names[] = {"Fasman", "Chen", "Bolotina", "Chang", "Yang"};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].method, names[k]);
        EXPECT_EQ(rows[k].turnGiven, k == 2 || k == 3);
        EXPECT_FALSE(rows[k].nrmsd.has_value());
        EXPECT_EQ(rows[k].quality, "not graded");
        EXPECT_FALSE(rows[k].wavelengths.empty());
    }
}

}  // namespace
}  // namespace tavrelion::analysis
