#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "corrections/CorrectionCommands.h"
#include "corrections/CorrectionReports.h"
#include "corrections/SlotSpectra.h"
#include "estimation/FitReport.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"

namespace tavrelion::corrections {
namespace {

// Answers each dialog as the test says; a dialog without an answer is cancelled.
struct ScriptedDialogs : CorrectionDialogs {
    std::function<void(BaselineModel&)> baseline;
    std::function<void(MultiplyModel&)> multiply;
    std::function<void(SmoothModel&)> smooth;
    std::function<void(SlotChoiceModel&)> slots;

    template <typename Model>
    static void Answer(const std::function<void(Model&)>& answer, Model& model) {
        if (answer) {
            answer(model);
            EXPECT_EQ(model.ok(), "");
        }
    }
    void showBaseline(BaselineModel& model) override { Answer(baseline, model); }
    void showMultiply(MultiplyModel& model) override { Answer(multiply, model); }
    void showSmooth(SmoothModel& model) override { Answer(smooth, model); }
    void showSlotChoice(SlotChoiceModel& model) override { Answer(slots, model); }
};

double Protein(int w) {
    return w >= 245 ? 0 : -9000 * std::sin((w - 185) / 10.0);
}
double Buffer(int w) {
    return 400 - 3.0 * (w - 180);
}

Spectrum Make(int first, int last, double (*f)(int), double offset = 0) {
    Spectrum s;
    for (int w = first; w <= last; ++w) {
        s.wavelengths.push_back(w);
        s.values.push_back(f(w) + offset);
    }
    return s;
}

class CorrectionCommandsTest : public testing::Test {
  protected:
    // Slot 1 the buffer, slot 2 the sample with the buffer in it and 120 below zero: the current
    // spectrum.
    CorrectionCommandsTest() {
        store.ProgramDir = folder.path().string();
        store.SpectrumFileName = "/data/LYSO.ASC";
        StoreCorrectedSpectrum(store, 1, Make(180, 262, Buffer), "BUFFER.ASC", "");
        Spectrum sample = Make(185, 260, Protein, -120);
        for (std::size_t i = 0; i < sample.values.size(); ++i) {
            sample.values[i] += Buffer(sample.wavelengths[i]);
        }
        StoreCorrectedSpectrum(store, 2, sample, "LYSO.ASC", "");
        store.SpectrumCount = store.CurrentSlot = 2;
        store.SpectrumLoaded = 1;
        store.BaselineCorrection = 0;
        store.MultiplyFactor = 1;
    }

    int run(int entry) { return commands.Run(entry); }

    testing_support::TemporaryFolder folder;
    store::SpectrumStore store;
    testing_support::FakeMessages messages;
    ScriptedDialogs dialogs;
    int redraws = 0;
    CorrectionCommands commands{store, messages, dialogs, [this] { ++redraws; }};
};

TEST_F(CorrectionCommandsTest, SubtractionAddsALabelledCurrentSlotAndLeavesTheOriginal) {
    const double original = store.SlotValue(10, 2);
    dialogs.slots = [](SlotChoiceModel& model) {
        EXPECT_EQ(model.labels(), std::vector<std::string>{"1)BUFFER.ASC"});
        model.chosenRows = {0};
    };
    ASSERT_EQ(run(SubtractionEntry), 3);
    EXPECT_EQ(store.SlotLabel(3), " 3)LYSO.ASC - BUFFER.ASC");
    EXPECT_EQ(store.SlotCorrectionChain(3), "minus 1)BUFFER.ASC");
    EXPECT_EQ(store.SpectrumCount, 3);
    EXPECT_EQ(store.CurrentSlot, 3);
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(store.SlotValue(10, 2), original);
    EXPECT_EQ(store.SlotLabel(2), " 2)LYSO.ASC");
    ASSERT_EQ(store.FirstWavelength, 185);
    ASSERT_EQ(store.LastWavelength, 260);
    for (int i = 1; i <= store.PointCount; ++i) {
        EXPECT_NEAR(store.SpectrumValue(i), Protein(store.SpectrumWavelength(i)) - 120, 1e-9);
    }
}

TEST_F(CorrectionCommandsTest, TheChainAndTheFitReportLinesFollowEveryStep) {
    dialogs.slots = [](SlotChoiceModel& model) { model.chosenRows = {0}; };
    dialogs.baseline = [](BaselineModel& model) {
        EXPECT_EQ(model.fromText, "250");
        EXPECT_EQ(model.toText, "260");
    };
    dialogs.multiply = [](MultiplyModel& model) { model.factorText = "1.05"; };
    dialogs.smooth = [](SmoothModel& model) { model.widthText = "5"; };
    run(SubtractionEntry);
    run(BaselineEntry);
    run(MultiplicationEntry);
    ASSERT_EQ(run(SmoothEntry), 6);
    EXPECT_EQ(store.SlotLabel(6),
              " 6)LYSO.ASC - BUFFER.ASC, baseline -120 (250-260 nm), x 1.05, "
              "smoothed 5 nm");
    EXPECT_EQ(CurrentCorrectionChain(store),
              "minus 1)BUFFER.ASC; baseline -120 (250-260 nm); x 1.05; smoothed 5 nm");
    EXPECT_NEAR(store.SpectrumValue(store.PointCount), 0, 1e-9);

    estimation::WriteFitReport(store, estimation::FitResults());
    const std::string report = testing_support::ReadBytes(folder.path() / "FIT.VAL");
    EXPECT_NE(report.find("\r\nCorrection of data for baseline -120 \r\n"
                          "Your spectrum data are multiplied by  1.05 \r\n"),
              std::string::npos);
}

// A CD6 file's 1-nm grid ends one point past its last value, a point that reads 0: smoothing it
// in would drag the spectrum's end towards 0.
TEST_F(CorrectionCommandsTest, TheGridPointPastTheFilesLastValueIsLeftOut) {
    store.PointCount = 77;
    store.SpectrumWavelength(77) = 261;
    store.SpectrumValue(77) = 0;
    store.LastWavelength = 261;
    dialogs.smooth = [](SmoothModel& model) { model.widthText = "5"; };
    ASSERT_EQ(run(SmoothEntry), 3);
    EXPECT_EQ(store.LastWavelength, 260);
    EXPECT_NEAR(store.SpectrumValue(store.PointCount), Buffer(260) - 120, 1e-9);
}

TEST_F(CorrectionCommandsTest, ASixteenthSlotAsksAsOpenDoes) {
    StoreCorrectedSpectrum(store, 15, Make(190, 200, Buffer), "LYSO.ASC", "");
    store.SpectrumCount = 15;
    dialogs.multiply = [](MultiplyModel& model) { model.factorText = "2"; };
    EXPECT_EQ(run(MultiplicationEntry), 0);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Loading a new spectrum will clear the screen"});
    EXPECT_EQ(store.SpectrumCount, 15);
    EXPECT_EQ(store.MultiplyFactor, 1);

    messages.answers = {true};
    EXPECT_EQ(run(MultiplicationEntry), 1);
    EXPECT_EQ(store.SlotLabel(1), " 1)LYSO.ASC, x 2");
    EXPECT_EQ(store.CurrentSlot, 1);
    EXPECT_EQ(store.MultiplyFactor, 2);
}

TEST_F(CorrectionCommandsTest, AverageKeepsItsDeviationAndCancelChangesNothing) {
    EXPECT_EQ(run(BaselineEntry), 0);  // cancelled
    EXPECT_EQ(store.SpectrumCount, 2);
    dialogs.slots = [](SlotChoiceModel& model) { model.chosenRows = {0, 1}; };
    ASSERT_EQ(run(AverageEntry), 3);
    EXPECT_EQ(store.SlotLabel(3), " 3)mean of 1, 2");
    EXPECT_EQ(store.SlotCorrectionChain(3), "mean of 1)BUFFER.ASC, 2)LYSO.ASC");
    EXPECT_EQ(store.SlotDeviationCount(3), 76);
    EXPECT_NEAR(store.SlotDeviation(1, 3), std::fabs(Protein(185) - 120) / std::sqrt(2.0), 1e-9);
    // The value axis is to show the whole band.
    EXPECT_LE(store.SlotMin(3), store.SlotValue(1, 3) - store.SlotDeviation(1, 3));
}

TEST(CorrectionModels, RefuseWhatCannotBeDone) {
    BaselineModel baseline(190, 240);
    EXPECT_EQ(baseline.fromText, "235");
    baseline.toText = "250";
    EXPECT_EQ(baseline.ok(),
              "Choose whole wavelengths from 190 to 240 nm, the first not above "
              "the second.");
    baseline.fromRange = false;
    baseline.constantText = "12 nm";
    EXPECT_EQ(baseline.ok(), "The baseline must be a number.");
    MultiplyModel multiply;
    multiply.factorText = "0";
    EXPECT_EQ(multiply.ok(), "The factor must be a number other than 0.");
    SmoothModel smooth(30);
    smooth.widthText = "31";
    EXPECT_EQ(smooth.ok(), "The window must be a whole number of nm from 4 to 29.");
    SlotChoiceModel average("Average", {1, 2, 3}, {"a", "b", "c"}, true);
    average.chosenRows = {1};
    EXPECT_EQ(average.ok(), "Choose at least two spectra.");
}

TEST(CorrectionReports, TheChainGoesFirstAndAnUncorrectedReportKeepsItsBytes) {
    testing_support::TemporaryFolder folder;
    const auto report = folder.write("LYSO.K2D", "K2D\r\nALPHA 0.45\r\n");
    StateCorrections(report, "");
    EXPECT_EQ(testing_support::ReadBytes(report), "K2D\r\nALPHA 0.45\r\n");
    StateCorrections(report, "baseline -120 (250-260 nm); x 1.05");
    EXPECT_EQ(testing_support::ReadBytes(report),
              "Corrections: baseline -120 (250-260 nm); x 1.05\r\nK2D\r\nALPHA 0.45\r\n");

    // A file cut at its HT limit says so in every report, before any correction.
    const std::string cut =
        "HT above 600 V at the short wavelengths: 2 point(s) left out, the "
        "spectrum starts at 177 nm.";
    EXPECT_EQ(ReportStatement(cut, ""),
              "HT above 600 V at the short wavelengths: 2 point(s) left out, the spectrum starts "
              "at 177 nm");
    EXPECT_EQ(ReportStatement(cut, "x 1.05"),
              "HT above 600 V at the short wavelengths: 2 point(s) left out, the spectrum starts "
              "at 177 nm; x 1.05");
    EXPECT_EQ(ReportStatement("", "x 1.05"), "x 1.05");
}

}  // namespace
}  // namespace tavrelion::corrections
