// Today's exports: what a load gives for each layout variant, what the user is told about a
// damaged file, the unit conversions on the manual's worked examples, and the TVR round trip.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "LoadFixture.h"
#include "spectrumio/CdUnits.h"
#include "spectrumio/SpectrumWriter.h"

namespace tavrelion::spectrumio {
namespace {

using platform::MessageIcon;
using testing_support::FakeDialogs;

const std::filesystem::path SamplesFolder = std::filesystem::path(TAVRELION_SOURCE_DIR) / "samples";

class ColumnFilesTest : public testing_support::LoadFixture {
  protected:
    ColumnFilesTest() { dialogs.conversionPresses.push_back(Typed("0.1", "0.0005")); }

    static FakeDialogs::ConversionPress Typed(std::string path, std::string concentration) {
        return [=](ConversionDialogModel& model) {
            auto entries = model.initialEntries();
            entries.pathCm = path;
            entries.residueMolar = concentration;
            entries.unit = entries.unit.value_or(CdUnit::MeanResidue);  // for files that state none
            model.valid(entries);
        };
    }

    bool loadWith(const std::string& name, const std::string& text) {
        store->SpectrumFileName = folder.write(name, text).string();
        return loadCurrentFile();
    }

    double at(int wavelength) const {
        return store->SpectrumValue(wavelength - store->FirstWavelength + 1);
    }
};

// Layout variants ------------------------------------------------------------------------------

struct Variant {
    const char* name;
    const char* file;
    const char* text;
    int first;
    int last;
    double valueAt191;  // mean residue ellipticity after the dialog's 0.1 cm and 0.0005 M
};

void PrintTo(const Variant& variant, std::ostream* out) {
    *out << variant.name;
}

class ColumnLayout : public ColumnFilesTest, public testing::WithParamInterface<Variant> {};

TEST_P(ColumnLayout, LoadsOnTheOneNanometreGrid) {
    const Variant& variant = GetParam();
    ASSERT_TRUE(loadWith(variant.file, variant.text)) << messages.texts().at(0);
    EXPECT_EQ(store->FirstWavelength, variant.first);
    EXPECT_EQ(store->LastWavelength, variant.last);
    EXPECT_NEAR(at(191), variant.valueAt191, 1e-9 * std::fabs(variant.valueAt191));
}

// -10 mdeg at 0.1 cm and 0.0005 M is -20000 deg.cm2/dmol.
INSTANTIATE_TEST_SUITE_P(
    Variants, ColumnLayout,
    testing::Values(
        Variant{"JascoDecimalCommaSemicolons", "J.csv",
                "TITLE;x\nORIGIN;JASCO\nYUNITS;CD [mdeg]\nNPOINTS;3\nXYDATA\n192,0;-5,0\n"
                "191,0;-10,0\n190,0;-1,0\n",
                190, 192, -20000},
        Variant{"JascoChannelBlocksGiveTheHt", "J.txt",
                "ORIGIN\tJASCO\nYUNITS\tCD [mdeg]\nY2UNITS\tHT [V]\nXYDATA\nChannel 1\n190\t-1\n"
                "191\t-10\n192\t-5\n\nChannel 2\n190\t700\n191\t500\n192\t400\n",
                191, 192, -20000},
        Variant{"ChirascanRepeatsAveragedHalfNanometresDownwards", "C.csv",
                "ProDataCSV\nCircularDichroism,,,\nCell:,1,,\nWavelength,Repeat,,\nWL,1,2,\n"
                "191.5,-9,-9,\n191.0,-11,-9,\n190.5,-3,-3,\n190.0,-1,-1,\n",
                190, 191, -20000},
        Variant{"AvivScansAveraged", "A.dat",
                "$DATA\n$MDCDATA:\nX CD_Signal CD_Dynode\n191 -12 300\n190 -1 300\n"
                "$MDCDATA:\nX CD_Signal CD_Dynode\n191 -8 300\n190 -1 300\n$ENDDATA\n",
                190, 191, -20000},
        Variant{"PlainColumnsWithCommentsAndNamedHt", "P.txt",
                "# by hand\nnm  CD(mdeg)  HT\n189.5 -1 800\n190 -1 700\n191 -10 400\n"
                "192 -5 400\n",
                191, 192, -20000},
        Variant{"PlainUnevenStepsLaidOnWholeNanometresByStraightLines", "U.csv",
                "nm,mdeg\n190,0\n190.7,-7\n192,-20\n", 190, 192, -20000}),
    [](const testing::TestParamInfo<Variant>& testCase) { return testCase.param.name; });

TEST_F(ColumnFilesTest, HtCutIsToldAndCanBeSwitchedOff) {
    const std::string file = "nm,mdeg,HT\n190,-1,650\n191,-10,500\n192,-5,400\n";
    ASSERT_TRUE(loadWith("H.csv", file));
    EXPECT_EQ(store->FirstWavelength, 191);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "H.csv: HT above 600 V at the short wavelengths: 1 point(s) left out, the "
              "spectrum starts at 191 nm.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    // The plot marks the cut and the reports repeat it.
    EXPECT_EQ(store->SlotHtCut(1), 191);
    EXPECT_EQ(store->HtCutNote,
              "HT above 600 V at the short wavelengths: 1 point(s) left out, the spectrum starts "
              "at 191 nm.");

    conversion.htMax = 0.0;
    dialogs.conversionPresses.push_back(Typed("0.1", "0.0005"));
    ASSERT_TRUE(loadWith("H.csv", file));
    EXPECT_EQ(store->FirstWavelength, 190);
    EXPECT_EQ(store->SlotHtCut(2), 0);
    EXPECT_EQ(store->HtCutNote, "");
}

TEST_F(ColumnFilesTest, DialogNamesTheFileAndTheUnitAndOffersTheHeaderValues) {
    dialogs.conversionPresses = {FakeDialogs::AsOffered()};
    ASSERT_TRUE(loadWith("SOD.gen", testing_support::ReadBytes(SamplesFolder / "SOD.gen")));
    ASSERT_EQ(dialogs.conversionHeadings.size(), 1u);
    EXPECT_EQ(dialogs.conversionHeadings[0],
              "SOD.gen (PCDDB .gen): the file gives its values in final spectrum (delta "
              "epsilon).");
    EXPECT_EQ(store->CellWidth, 0.01);  // Pathlength (cm) of the header
}

// Damaged files ---------------------------------------------------------------------------------

struct Damage {
    const char* name;
    const char* file;
    const char* text;
    const char* message;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

class DamagedColumnFile : public ColumnFilesTest, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedColumnFile, IsRefusedNamingFileLineAndFault) {
    const Damage& damage = GetParam();
    store->SpectrumCount = 3;
    EXPECT_FALSE(loadWith(damage.file, damage.text));
    EXPECT_EQ(store->SpectrumCount, 3);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, damage.message);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedColumnFile,
    testing::Values(
        Damage{"MissingXydata", "J.txt", "ORIGIN\tJASCO\nYUNITS\tCD [mdeg]\nNPOINTS\t2\n",
               "J.txt: the XYDATA line that starts the data is missing (read as JASCO)."},
        Damage{"NpointsMismatch", "J.txt", "ORIGIN\tJASCO\nNPOINTS\t3\nXYDATA\n190\t1\n191\t2\n",
               "J.txt, line 3: NPOINTS says 3 but the data hold 2 rows (read as JASCO)."},
        Damage{"MixedSeparators", "J.txt", "ORIGIN\tJASCO\nXYDATA\n190\t1\n191;2\n",
               "J.txt, line 4: mixed separators: \";\" here, tab in the rows before (read as "
               "JASCO)."},
        // 40000 mdeg in a 0.1-cm cell at 0.5 mM of residues: 8e7 deg.cm2/dmol.
        Damage{"ValueNoSpectrumHolds", "P.csv", "nm,mdeg\n190,1\n191,40000\n",
               "The value 80000000 deg.cm2/dmol is beyond 10^7, more than any CD spectrum "
               "holds\r\nP.csv"},
        Damage{"NonNumericCell", "P.csv", "nm,mdeg\n190,1\n191,n/a\n",
               "P.csv, line 3: \"n/a\" is not a number (read as plain columns)."},
        Damage{"ShortData", "A.dat", "$DATA\n$MDCDATA:\nX CD_Signal CD_Dynode\n190 1 300\n191 2\n",
               "A.dat, line 5: short data: 2 value(s), 3 expected (read as Aviv .dat)."},
        Damage{"MissingChirascanBlock", "C.csv", "ProDataCSV\nHV,,\n190,1,\n",
               "C.csv: the CircularDichroism block is missing (read as Chirascan ProDataCSV)."},
        Damage{"MissingPcdDataLine", "S.pcd", "Pathlength (cm)                    0.01\n",
               "S.pcd: the DATA line that starts the data is missing (read as PCDDB .pcd)."},
        Damage{"NotASpectrum", "notes.txt", "Dear colleague,\nhere are the data.\n",
               "notes.txt: not a spectrum file of a kind the program reads. It reads CD6 and "
               "CDMAX ASCII exports (.ASC), JCD files, TVR spectra, JASCO text/CSV exports, "
               "Chirascan ProDataCSV files, Aviv .dat files, PCDDB .gen and .pcd files, and "
               "plain columns of numbers (wavelength, value, optional HT)."}),
    [](const testing::TestParamInfo<Damage>& testCase) { return testCase.param.name; });

// Units, on the manual's worked examples ----------------------------------------------------------

TEST(CdUnits, WorkedExamplesOfTheManual) {
    const ConversionParameters molar{0.1, 0.0005, 0, 0, 0, 0};
    EXPECT_DOUBLE_EQ(ToMeanResidue(-10, CdUnit::Millidegrees, molar), -20000);
    EXPECT_DOUBLE_EQ(ToMeanResidue(-0.01, CdUnit::Degrees, molar), -20000);
    EXPECT_DOUBLE_EQ(ToMeanResidue(-0.0003, CdUnit::DeltaA, molar), -19800);
    EXPECT_DOUBLE_EQ(ToMeanResidue(-6, CdUnit::DeltaEpsilon, {}), -19800);
    EXPECT_DOUBLE_EQ(ToMeanResidue(-2580000, CdUnit::MolarEllipticity, {0, 0, 0, 0, 0, 129}),
                     -20000);
    EXPECT_DOUBLE_EQ(ToMeanResidue(-20000, CdUnit::MeanResidue, {}), -20000);
    // 0.55 mg/mL of a protein with MRW 110 Da is 0.005 M in residues.
    EXPECT_DOUBLE_EQ(ToMeanResidue(-100, CdUnit::Millidegrees, {0.1, 0, 0.55, 110, 0, 0}), -20000);
    // MRW from a 14190-Da protein of 130 amino acids: 14190 / 129 = 110 Da.
    EXPECT_DOUBLE_EQ((ConversionParameters{0, 0, 0.55, 0, 14190, 130}.residueConcentration()),
                     0.005);
    EXPECT_EQ(MissingForConversion(CdUnit::Millidegrees, {0, 0.0005, 0, 0, 0, 0}),
              "the path length (cm)");
    EXPECT_EQ(MissingForConversion(CdUnit::Degrees, {0.1, 0, 0.5, 0, 0, 0}),
              "the mean residue weight (or the molecular weight and residues)");
    EXPECT_EQ(MissingForConversion(CdUnit::MolarEllipticity, {}), "the number of residues");
    EXPECT_EQ(MissingForConversion(CdUnit::DeltaEpsilon, {}), "");
}

TEST(CdUnits, FileLabelsNameTheirUnit) {
    EXPECT_EQ(CdUnitFromLabel("CD [mdeg]"), CdUnit::Millidegrees);
    EXPECT_EQ(CdUnitFromLabel("Mol. Ellip."), CdUnit::MeanResidue);
    EXPECT_EQ(CdUnitFromLabel("Mol. CD"), CdUnit::DeltaEpsilon);
    EXPECT_EQ(CdUnitFromLabel("Delta A"), CdUnit::DeltaA);
    EXPECT_EQ(CdUnitFromLabel("CD [deg]"), CdUnit::Degrees);
    EXPECT_EQ(CdUnitFromLabel("value"), std::nullopt);
}

// Writing spectra
// ------------------------------------------------------------------------------------

class RoundTrip : public ColumnFilesTest, public testing::WithParamInterface<const char*> {};

TEST_P(RoundTrip, TvrWrittenReadsBackToTheSameGrid) {
    dialogs.unitPresses.push_back([](UnitDialogModel& model) { model.valid(" .001", " .1"); });
    dialogs.conversionPresses = {Typed("0.1", "0.0005")};
    store->SpectrumFileName = (SamplesFolder / GetParam()).string();
    ASSERT_TRUE(loadCurrentFile());
    const store::SpectrumStore before = *store;
    const auto tvr = folder.path() / "BACK.TVR";
    WriteSpectrumTvr(*store, tvr, "title, with a comma");
    const auto csv = folder.path() / "BACK.csv";
    WriteSpectrumCsv(*store, csv);
    for (const auto& written : {tvr, csv}) {
        store->SpectrumFileName = written.string();
        ASSERT_TRUE(loadCurrentFile()) << written;
        ASSERT_EQ(store->PointCount, before.PointCount) << written;
        for (int i = 1; i <= before.PointCount; ++i) {
            ASSERT_EQ(store->SpectrumWavelength(i), before.SpectrumWavelength(i)) << written;
            ASSERT_EQ(store->SpectrumValue(i), before.SpectrumValue(i)) << written << " " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySampleKind, RoundTrip,
                         testing::Values("LYSO.ASC", "UBIQ.ASC", "CYTC.JCD", "LYSO.TVR",
                                         "RIBA_JASCO.txt", "INS_CHIRASCAN.csv", "TPI_AVIV.dat",
                                         "SOD.gen", "CAT.pcd", "PK_PLAIN.txt"));

TEST_F(ColumnFilesTest, TvrFileBytes) {
    ASSERT_TRUE(loadWith("S.csv", "nm,mre\n190,-7292.999999999999\n191,0.5\n"));
    const auto tvr = folder.path() / "S.TVR";
    WriteSpectrumTvr(*store, tvr, "S.csv");
    EXPECT_EQ(testing_support::ReadBytes(tvr),
              "S.csv\r\n2,Mean residue ellipticity (deg.cm2/dmol)\r\n190,-7292.999999999999\r\n"
              "191,0.5\r\n");
}

}  // namespace
}  // namespace tavrelion::spectrumio
