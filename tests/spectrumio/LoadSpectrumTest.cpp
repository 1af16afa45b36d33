#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LoadFixture.h"
#include "SpectrumFileText.h"

namespace tavrelion::spectrumio {
namespace {

using platform::MessageIcon;
using testing::ElementsAre;
using testing_support::Cd6Text;
using testing_support::CdmaxText;
using testing_support::CountingValues;
using testing_support::FakeDialogs;
using testing_support::JcdText;
using testing_support::ReadBytes;
using testing_support::TvrText;

const std::string MolarLabel = "\x5B\xE9\x5D";
const std::string Unrecognised = "Unrecognized unity, please convert your data as TVR files";

class LoadSpectrumTest : public testing_support::LoadFixture {};

// Instrument grids

TEST_F(LoadSpectrumTest, OneNanometreGridEndsAtTheLastValueWithoutAMadeUpZero) {
    ASSERT_TRUE(load("A.ASC", Cd6Text(MolarLabel, "0", "0", "190", "61", "1", CountingValues(61))));
    EXPECT_EQ(store->LastWavelength, 250);
    EXPECT_EQ(store->PointCount, 61);
    EXPECT_EQ(store->SpectrumValue(61), 61);
    EXPECT_EQ(store->SlotLastWavelength(1), 250);
    EXPECT_EQ(store->DisplayLastWavelength, 250);
    EXPECT_EQ(store->SlotMin(1), 0);  // all values positive: the minimum stays 0
    EXPECT_EQ(store->SlotRange(1), 61);
    EXPECT_EQ(store->DataUnit, store::UnitMolarEllipticity);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(dialogs.openings.empty());
    EXPECT_THAT(listener.stored, ElementsAre(CorrectionsMenu::Enable));
}

TEST_F(LoadSpectrumTest, ShorterFileAfterALongerOneEndsItsGridAtItsOwnLastValue) {
    ASSERT_TRUE(
        load("LONG.ASC", Cd6Text(MolarLabel, "0", "0", "190", "100", "1", CountingValues(100))));
    ASSERT_TRUE(
        load("SHORT.ASC", Cd6Text(MolarLabel, "0", "0", "190", "61", "1", CountingValues(61))));
    EXPECT_EQ(store->PointCount, 61);
    EXPECT_EQ(store->SpectrumCount, 2);
    EXPECT_EQ(store->SlotValue(100, 1), 100);  // the first slot is untouched
}

TEST_F(LoadSpectrumTest, HalfNanometreStepTakesEveryOtherValueAndKeepsTheLastInTheSlot) {
    ASSERT_TRUE(
        load("H.ASC", Cd6Text(MolarLabel, "0", "0", "190", "121", "0.5", CountingValues(121))));
    EXPECT_EQ(store->LastWavelength, 250);
    EXPECT_EQ(store->PointCount, 61);
    for (int i = 1; i <= 61; ++i) {
        ASSERT_EQ(store->SpectrumValue(i), 2 * i - 1) << i;
    }
    EXPECT_EQ(store->SlotRawCount(1), 121);
    EXPECT_EQ(store->SlotValue(121, 1), 121);
    EXPECT_EQ(store->SlotStep(1), 0.5);
}

TEST_F(LoadSpectrumTest, TwoNanometreStepRoundsIndexHalfToEven) {
    ASSERT_TRUE(load("T.ASC", Cd6Text(MolarLabel, "0", "0", "190", "30", "2", CountingValues(30))));
    EXPECT_EQ(store->LastWavelength, 248);  // the last value's wavelength: no point without one
    EXPECT_EQ(store->SpectrumValue(59), 30);
    EXPECT_EQ(store->SpectrumValue(1), 1);
    EXPECT_EQ(store->SpectrumValue(2), 2);
    EXPECT_EQ(store->SpectrumValue(3), 2);
    EXPECT_EQ(store->SpectrumValue(4), 2);
    EXPECT_EQ(store->SpectrumValue(6), 4);
    EXPECT_EQ(store->SlotRawCount(1), 30);
}

TEST_F(LoadSpectrumTest, NegativeValuesSetTheSlotMinimumAndRange) {
    ASSERT_TRUE(
        load("N.ASC", Cd6Text(MolarLabel, "0", "0", "200", "3", "1", {"-5000", "-12000.5", "-3"})));
    EXPECT_EQ(store->SlotMin(1), -12000.5);
    EXPECT_EQ(store->SlotMax(1), 0);
    EXPECT_EQ(store->SlotRange(1), 12000.5);
}

// Units and the conversion dialog

TEST_F(LoadSpectrumTest, DeltaAIsConvertedWithTheParametersOfTheDialog) {
    dialogs.unitPresses.push_back(FakeDialogs::Valid(" .0001", " .1"));
    ASSERT_TRUE(
        load("DA.ASC", Cd6Text("\x7F\x41", "0.0001", "0.1", "200", "2", "1", {"-0.001", "0.002"})));
    ASSERT_EQ(dialogs.openings.size(), 1u);
    EXPECT_EQ(dialogs.openings[0].concentrationText, " .0001");
    EXPECT_EQ(dialogs.openings[0].cellWidthText, " .1");
    EXPECT_DOUBLE_EQ(store->SpectrumValue(1), -330000);
    EXPECT_DOUBLE_EQ(store->SlotValue(2, 1), 660000);
    EXPECT_EQ(store->DataUnit, store::UnitDeltaA);
}

TEST_F(LoadSpectrumTest, ThetaAndDeltaEpsilonAreConverted) {
    dialogs.unitPresses.push_back(FakeDialogs::Valid("0.001", "1"));
    ASSERT_TRUE(load("TH.ASC", Cd6Text("\xE9 (deg)", "5", "5", "200", "1", "1", {"0.01"})));
    EXPECT_DOUBLE_EQ(store->SpectrumValue(1), 1000);
    EXPECT_EQ(store->CellWidth, 1);
    EXPECT_EQ(store->ResidueConcentration, 0.001);

    dialogs.unitPresses.push_back(FakeDialogs::Valid("7", "7"));
    ASSERT_TRUE(load("DE.ASC", Cd6Text("\x7F\xEE", "1", "1", "200", "1", "1", {"-10"})));
    EXPECT_DOUBLE_EQ(store->SpectrumValue(1), -33000);
    EXPECT_EQ(dialogs.openings.size(), 2u);
}

TEST_F(LoadSpectrumTest, MolarEllipticityWrittenAsTextNeedsNoDialog) {
    ASSERT_TRUE(load("M.ASC", Cd6Text("[=E9]", "0", "0", "200", "1", "1", {"-12345"})));
    EXPECT_TRUE(dialogs.openings.empty());
    EXPECT_EQ(store->SpectrumValue(1), -12345);
}

TEST_F(LoadSpectrumTest, CancelledDialogGivesTheSlotBackSilently) {
    ASSERT_TRUE(
        load("FIRST.ASC", Cd6Text(MolarLabel, "0", "0", "190", "5", "1", CountingValues(5))));
    dialogs.unitPresses.push_back(FakeDialogs::Cancel());
    EXPECT_FALSE(
        load("DA.ASC", Cd6Text("\x7F\x41", "0.0002", "0.5", "200", "3", "0.5", {"1", "2", "3"})));
    EXPECT_EQ(store->SpectrumCount, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(listener.stored.size(), 1u);
    // the current spectrum is the first file's; the header values read so far stay
    EXPECT_EQ(store->PointCount, 5);
    EXPECT_EQ(store->SpectrumValue(5), 5);
    EXPECT_EQ(store->FirstWavelength, 200);
    EXPECT_EQ(store->RawPointCount, 3);
    EXPECT_EQ(store->WavelengthStep, 0.5);
    EXPECT_EQ(store->CellWidth, 0.5);
    EXPECT_EQ(store->ResidueConcentration, 0.0002);
}

TEST_F(LoadSpectrumTest, ZeroCellWidthKeepsDialogOpenAndIsShownNextTime) {
    const std::string file = Cd6Text("\x7F\x41", "0.0001", "0.1", "200", "1", "1", {"1"});
    dialogs.unitPresses = {FakeDialogs::Valid("0.0003", "0"), FakeDialogs::Cancel()};
    EXPECT_FALSE(load("DA.ASC", file));
    EXPECT_EQ(store->CellWidth, 0);
    EXPECT_EQ(store->ResidueConcentration, 0.0003);
    EXPECT_EQ(store->DialogAccepted, 0);
    EXPECT_EQ(store->SpectrumCount, 0);

    // A CDMAX file does not touch the parameters, so the dialog opens with the stored values.
    ASSERT_TRUE(load("C.ASC", CdmaxText("200", "1", "1", "144", {"1"})));
    dialogs.unitPresses = {FakeDialogs::Valid("x", "1e-3"), FakeDialogs::Valid("2E-4", "1e-3")};
    const std::string theta = Cd6Text("\xE9 (deg)", "0.0001", "0.1", "200", "1", "1", {"1e-5"});
    ASSERT_TRUE(load("TH.ASC", theta));
    EXPECT_EQ(dialogs.openings.back().cellWidthText, " .1");  // read again from the header
    EXPECT_EQ(store->CellWidth, 0.001);
    EXPECT_EQ(store->ResidueConcentration, 0.0002);
}

TEST_F(LoadSpectrumTest, UnknownCd6UnitAsksLoadsAndThenFails) {
    dialogs.unitPresses.push_back(FakeDialogs::Valid("1", "1"));
    EXPECT_FALSE(load("U.ASC", Cd6Text("mdeg", "1", "1", "200", "2", "1", {"7", "8"})));
    EXPECT_EQ(dialogs.openings.size(), 1u);
    EXPECT_THAT(messages.texts(), ElementsAre(Unrecognised));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(store->SpectrumCount, 0);
    // what was stored stays
    EXPECT_EQ(store->SpectrumValue(2), 8);
    EXPECT_EQ(listener.stored.size(), 1u);
}

// CDMAX

TEST_F(LoadSpectrumTest, CdmaxLinesWithDecimalCommaAndComment) {
    ASSERT_TRUE(load("x.asc", CdmaxText("200", "1", "4", "144",
                                        {"-12,5 # baseline", "# 5", "1 # a # b", "3.25"})));
    EXPECT_EQ(store->RawValue(1), -12.5);
    EXPECT_EQ(store->RawValue(2), 0);
    EXPECT_EQ(store->RawValue(3), 1);
    EXPECT_EQ(store->SpectrumValue(4), 3.25);
    EXPECT_EQ(store->FileLine(1), "-12,5 # baseline");
    EXPECT_EQ(store->LastWavelength, 203);
    EXPECT_THAT(listener.stored, ElementsAre(CorrectionsMenu::Enable));
}

TEST_F(LoadSpectrumTest, CdmaxInOtherUnitsAsksForConversionInTheInstrument) {
    const std::pair<const char*, const char*> units[] = {
        {"140", "           Data in Delta A "},
        {"141", "           Data in Delta Epsilon "},
        {"142", "           Data in Theta in Deg"},
        {"143", "           Data in Theta in mDeg"}};
    ASSERT_TRUE(load("OK.ASC", CdmaxText("190", "1", "3", "144", {"1", "2", "3"})));
    for (const auto& [code, unitLine] : units) {
        messages.shown.clear();
        EXPECT_FALSE(load("M.ASC", CdmaxText("200", "1", "2", code, {"9", "9"})));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(
            messages.shown[0].text,
            std::string("Please convert your data in Molar ellipticity Deg.M-1.cm-1 with CDmax"
                        "\r\n\r\n\r\n") +
                unitLine);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(store->SpectrumCount, 1);
        EXPECT_EQ(store->SpectrumValue(1), 1);
        EXPECT_EQ(store->FirstWavelength, 200);  // header values read so far stay
    }
}

TEST_F(LoadSpectrumTest, CdmaxUnknownUnitCodeFailsAtTheEnd) {
    EXPECT_FALSE(load("M.ASC", CdmaxText("200", "1", "2", "145", {"9", "9"})));
    EXPECT_THAT(messages.texts(), ElementsAre(Unrecognised));
    EXPECT_EQ(store->SpectrumCount, 0);
}

TEST_F(LoadSpectrumTest, CdmaxWithoutDataLinesIsRefused) {
    EXPECT_FALSE(load("NODATA.ASC", CdmaxText("200", "1", "5", "144", {})));
    EXPECT_THAT(messages.texts(), ElementsAre("Error  62 in format\r\nNODATA.ASC, line 33"));
    EXPECT_TRUE(listener.stored.empty());
}

TEST_F(LoadSpectrumTest, TooMuchDataSpeaksOnlyOfTheFileBeingRead) {
    EXPECT_FALSE(load("BIG.TVR", "t\r\n1001,u\r\n"));
    EXPECT_THAT(messages.texts(),
                ElementsAre("Too much data", "Error  9 in format\r\nBIG.TVR, line 2"));
    messages.shown.clear();
    EXPECT_FALSE(load("EMPTY.TVR", ""));
    EXPECT_THAT(messages.texts(), ElementsAre("Error  62 in format\r\nEMPTY.TVR, line 1"));
}

TEST_F(LoadSpectrumTest, AscFileOfNeitherInstrumentIsNotRecognised) {
    EXPECT_FALSE(load("N.ASC", "plain text\r\nsecond line\r\n"));
    EXPECT_THAT(messages.texts(), ElementsAre(Unrecognised));
    EXPECT_TRUE(listener.stored.empty());
}

// JCD

TEST_F(LoadSpectrumTest, JcdValuesComeInDescendingOrderAndKeepTheirWavelengths) {
    store->SlotLabel(1) = " 1)CYTC.JCD";
    ASSERT_TRUE(load("CYTC.JCD", JcdText("Data mode\tMol. Ellip.", 205, 200, "1.000000",
                                         {"-6", "-5", "-4", "-3", "-2", "-1"})));
    EXPECT_EQ(store->FirstWavelength, 200);
    EXPECT_EQ(store->LastWavelength, 205);
    EXPECT_EQ(store->RawPointCount, 6);
    EXPECT_EQ(store->PointCount, 6);
    EXPECT_EQ(store->RawValue(1), -1);
    EXPECT_EQ(store->RawValue(6), -6);
    // the value listed at 205 nm stands at 205 nm
    EXPECT_EQ(store->SpectrumWavelength(6), 205);
    EXPECT_EQ(store->SpectrumValue(6), -6);
    EXPECT_EQ(store->SpectrumValue(1), -1);
    EXPECT_EQ(store->SlotValue(6, 1), -6);
    EXPECT_EQ(store->CellWidth, 0.1);  // PATH LENGTH 0.1 cm, kept in cm for the dialogs
    EXPECT_EQ(store->ResidueConcentration, 0.0005);
    EXPECT_EQ(store->DisplayLastWavelength, 205);
    EXPECT_EQ(ReadBytes(folder.path() / "CD.TMP"), "Molecular ellipticity\r\n1)CYTC.JCD\r\n");
    EXPECT_THAT(listener.stored, ElementsAre(CorrectionsMenu::Disable));
}

TEST_F(LoadSpectrumTest, JcdHalfNanometreStepTakesEveryOtherValue) {
    ASSERT_TRUE(load("H.JCD", JcdText("Data mode\tMol. Ellip.", 202, 200, "0.5",
                                      {"-5", "-4.5", "-4", "-3.5", "-3"})));
    EXPECT_EQ(store->RawPointCount, 5);
    EXPECT_EQ(store->PointCount, 3);
    EXPECT_EQ(store->SpectrumValue(1), -3);
    EXPECT_EQ(store->SpectrumValue(2), -4);
    EXPECT_EQ(store->SpectrumValue(3), -5);
}

TEST_F(LoadSpectrumTest, JcdNotInMolarEllipticityIsRefused) {
    EXPECT_FALSE(
        load("X.JCD", JcdText("Data mode\tCD [mdeg]", 205, 200, "1", {"1", "2", "3", "4", "5"})));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "You must convert your data into mean molecular ellipticity");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(store->SpectrumCount, 0);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "CD.TMP"));
}

TEST_F(LoadSpectrumTest, JcdDataLineWithoutTabIsError5) {
    std::string text = JcdText("Data mode\tMol. Ellip.", 202, 200, "1", {"-1", "-2", "-3"});
    text.replace(text.rfind("201\t-2\t250"), 10, "201 -2 250");
    EXPECT_FALSE(load("T.JCD", text));
    EXPECT_THAT(messages.texts(), ElementsAre("Error  5 in format\r\nT.JCD, line 25"));
}

TEST_F(LoadSpectrumTest, JcdDataLinesWithoutHtColumnKeepTheirValues) {
    const std::string text =
        JcdText("Data mode\tMol. Ellip.", 202, 200, "1", {}) + "202\t-1\r\n201\t-2\r\n200\t-3\r\n";
    ASSERT_TRUE(load("TWO.JCD", text));
    EXPECT_EQ(store->SpectrumValue(1), -3);
    EXPECT_EQ(store->SpectrumValue(3), -1);
}

// TVR

TEST_F(LoadSpectrumTest, TvrValuesAreTakenAsTheyAre) {
    ASSERT_TRUE(load("L.tvr", TvrText(3, 220, {"-9000.5", "-10000", "-11000.25"})));
    EXPECT_EQ(store->UnitLabel, "Molar ellipticity");
    EXPECT_EQ(store->FirstWavelength, 220);
    EXPECT_EQ(store->LastWavelength, 222);
    EXPECT_EQ(store->PointCount, 3);
    EXPECT_EQ(store->SpectrumValue(3), -11000.25);
    EXPECT_EQ(store->SlotRawCount(1), 3);
    EXPECT_EQ(store->SlotStep(1), 1);
    EXPECT_EQ(store->DataUnit, store::UnitTvrSpectrum);
    EXPECT_THAT(listener.stored, ElementsAre(CorrectionsMenu::Keep));
}

TEST_F(LoadSpectrumTest, TvrCountAndLabelMayStandOnSeparateLines) {
    ASSERT_TRUE(load("L.TVR", "title\r\n2\r\nunit\r\n200\r\n-1.5\r\n201,-2.5\r\n"));
    EXPECT_EQ(store->SpectrumValue(1), -1.5);
    EXPECT_EQ(store->SpectrumValue(2), -2.5);
}

// Failures of reading

struct BrokenFile {
    const char* name;
    std::string bytes;
    std::vector<std::string> messages;
};

class BrokenFileTest : public testing_support::LoadFixture,
                       public testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenFileTest, SaysWhyAndGivesTheSlotBack) {
    ASSERT_TRUE(load("GOOD.TVR", TvrText(2, 200, {"-1", "-2"})));
    messages.shown.clear();
    EXPECT_FALSE(load(GetParam().name, GetParam().bytes));
    EXPECT_EQ(messages.texts(), GetParam().messages);
    for (const auto& message : messages.shown) {
        EXPECT_EQ(message.icon, MessageIcon::Critical);
    }
    EXPECT_EQ(store->SpectrumCount, 1);
}

void PrintTo(const BrokenFile& file, std::ostream* out) {
    *out << file.name;
}

std::string TvrWithCount(int declared, int written) {
    std::vector<std::string> values(static_cast<std::size_t>(written), "-1.5");
    return TvrText(declared, 1, values);
}

TEST_F(LoadSpectrumTest, ThousandPointsAreTheMostAGridHolds) {
    ASSERT_TRUE(load("T1000.TVR", TvrWithCount(1000, 1000)));
    EXPECT_EQ(store->PointCount, 1000);
    EXPECT_EQ(store->LastWavelength, 1000);
    ASSERT_TRUE(
        load("C1000.ASC", Cd6Text("[=E9]", "0", "0", "200", "1000", "1", CountingValues(1000))));
    EXPECT_EQ(store->PointCount, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    testing::Values(
        BrokenFile{"T1001.TVR",
                   TvrWithCount(1001, 1001),
                   {"Too much data", "Error  9 in format\r\nT1001.TVR, line 2"}},
        BrokenFile{"T1001S.TVR",
                   TvrWithCount(1001, 3),
                   {"Too much data", "Error  9 in format\r\nT1001S.TVR, line 2"}},
        BrokenFile{"BIG.TVR", TvrWithCount(70000, 1), {"Error  6 in format\r\nBIG.TVR, line 2"}},
        BrokenFile{"NONE.TVR", "title\r\n0,unit\r\n", {"Error  9 in format\r\nNONE.TVR, line 2"}},
        BrokenFile{"HEAD.TVR", "title\r\n3,unit\r\n", {"Error  62 in format\r\nHEAD.TVR, line 3"}},
        BrokenFile{
            "HALF.TVR", "title\r\n3,unit\r\n200", {"Error  62 in format\r\nHALF.TVR, line 3"}},
        BrokenFile{
            "CUT.TVR", TvrText(4, 200, {"-1", "-2"}), {"Error  62 in format\r\nCUT.TVR, line 5"}},
        BrokenFile{"DOWN.TVR",
                   "t\r\n3,u\r\n240,-1\r\n239,-2\r\n238,-3\r\n",
                   {"The wavelength 239 does not follow 240 by 1 nm: a TVR file lists its values "
                    "at rising wavelengths 1 nm apart\r\nDOWN.TVR, line 4"}},
        BrokenFile{"SKIP.TVR",
                   "t\r\n3,u\r\n200,-1\r\n201,-2\r\n203,-3\r\n",
                   {"The wavelength 203 does not follow 201 by 1 nm: a TVR file lists its values "
                    "at rising wavelengths 1 nm apart\r\nSKIP.TVR, line 5"}},
        BrokenFile{"TWICE.TVR",
                   "t\r\n2,u\r\n200,-1\r\n200,-2\r\n",
                   {"The wavelength 200 does not follow 200 by 1 nm: a TVR file lists its values "
                    "at rising wavelengths 1 nm apart\r\nTWICE.TVR, line 4"}},
        BrokenFile{"VAST.TVR",
                   TvrText(3, 200, {"-1", "1e300", "-3"}),
                   {"The value 1E+300 deg.cm2/dmol is beyond 10^7, more than any CD spectrum "
                    "holds\r\nVAST.TVR, line 4"}},
        BrokenFile{"EMPTY.ASC", "", {"Error  62 in format\r\nEMPTY.ASC, line 1"}},
        BrokenFile{"ONE.ASC", "CD6\r\n", {"Error  62 in format\r\nONE.ASC, line 2"}},
        BrokenFile{"SHORT.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "5", "1", {"1", "2"}),
                   {"Error  62 in format\r\nSHORT.ASC, line 159"}},
        BrokenFile{"CUT.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "5", "1", {}).substr(0, 2000),
                   {"Error  62 in format\r\nCUT.ASC, line 129"}},
        BrokenFile{"STEP0.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "5", "0", CountingValues(5)),
                   {"Error  6 in format\r\nSTEP0.ASC, line 161"}},
        BrokenFile{"STEPNEG.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "5", "-1", CountingValues(5)),
                   {"Error  9 in format\r\nSTEPNEG.ASC, line 161"}},
        BrokenFile{"COUNT0.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "0", "1", {}),
                   {"Error  9 in format\r\nCOUNT0.ASC, line 156"}},
        BrokenFile{"WIDE.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "1001", "1", CountingValues(1001)),
                   {"Too much data", "Error  9 in format\r\nWIDE.ASC, line 1157"}},
        BrokenFile{"OVER.ASC",
                   Cd6Text("[=E9]", "0", "0", "32700", "100", "1", CountingValues(100)),
                   {"Error  6 in format\r\nOVER.ASC, line 256"}},
        BrokenFile{"HUGE.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "2", "1", {"1e400", "1"}),
                   {"Error  6 in format\r\nHUGE.ASC, line 157"}},
        BrokenFile{"VAST.ASC",
                   Cd6Text("[=E9]", "0", "0", "200", "2", "1", {"-1", "2e7"}),
                   {"The value 20000000 deg.cm2/dmol is beyond 10^7, more than any CD spectrum "
                    "holds\r\nVAST.ASC, line 158"}},
        BrokenFile{"NOBLOCK.ASC",
                   "x\r\nRUBISDATA2\r\n" + std::string(27 * 2, ',') + "\r\n",
                   {"Error  62 in format\r\nNOBLOCK.ASC, line 4"}},
        BrokenFile{"MANY.ASC",
                   CdmaxText("200", "1", "5000", "144", {"1"}),
                   {"Too much data", "Error  62 in format\r\nMANY.ASC, line 34"}},
        BrokenFile{"CUTMAX.ASC",
                   CdmaxText("200", "1", "5", "144", {"-1", "-2"}),
                   {"Error  62 in format\r\nCUTMAX.ASC, line 35"}},
        BrokenFile{"STEP0.JCD",
                   JcdText("Data mode Mol. Ellip.", 205, 200, "0", {}),
                   {"Error  6 in format\r\nSTEP0.JCD, line 23"}},
        BrokenFile{"SHORT.JCD",
                   JcdText("Data mode Mol. Ellip.", 205, 200, "1", {"1", "2", "3", "4", "5"}),
                   {"Error  62 in format\r\nSHORT.JCD, line 29"}},
        BrokenFile{"VAST.JCD",
                   JcdText("Data mode\tMol. Ellip.", 201, 200, "1", {"-1", "-2e7"}),
                   {"The value-20000000 deg.cm2/dmol is beyond 10^7, more than any CD spectrum "
                    "holds\r\nVAST.JCD, line 25"}},
        BrokenFile{"NOVALUE.JCD",
                   JcdText("Data mode\tMol. Ellip.", 201, 200, "1", {"-1", ""}),
                   {"Error  5 in format\r\nNOVALUE.JCD, line 25"}},
        // Any other name is read by its content; text that is no spectrum is told so.
        BrokenFile{"LYSO.DAT",
                   "anything",
                   {"LYSO.DAT: not a spectrum file of a kind the program reads. It reads CD6 "
                    "and CDMAX ASCII exports (.ASC), JCD files, TVR spectra, JASCO text/CSV "
                    "exports, Chirascan ProDataCSV files, Aviv .dat files, PCDDB .gen and .pcd "
                    "files, and plain columns of numbers (wavelength, value, optional HT)."}}),
    [](const testing::TestParamInfo<BrokenFile>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (c == '.') {
                c = '_';
            }
        }
        return name;
    });

TEST_F(LoadSpectrumTest, MissingFileIsError53) {
    store->SpectrumFileName = (folder.path() / "ABSENT.TVR").string();
    EXPECT_FALSE(loadCurrentFile());
    EXPECT_THAT(messages.texts(), ElementsAre("Error  53 in format\r\nABSENT.TVR"));
    EXPECT_EQ(store->SpectrumCount, 0);
    messages.shown.clear();
    store->SpectrumFileName = (folder.path() / "ABSENT.TXT").string();
    EXPECT_FALSE(loadCurrentFile());
    EXPECT_THAT(messages.texts(), ElementsAre("Error  53 in format\r\nABSENT.TXT"));
}

TEST_F(LoadSpectrumTest, ConvertedValueBeyondAnySpectrumIsRefused) {
    dialogs.unitPresses.push_back(FakeDialogs::Valid(" .0001", " .01"));
    EXPECT_FALSE(load("DA.ASC", Cd6Text("\x7F\x41", "1", "1", "200", "2", "1", {"-.001", "-1"})));
    EXPECT_THAT(messages.texts(),
                ElementsAre("The value-3300000000 deg.cm2/dmol is beyond 10^7, more than any CD "
                            "spectrum holds\r\nDA.ASC, line 158"));
}

}  // namespace
}  // namespace tavrelion::spectrumio
