#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "store/CheckedArray.h"
#include "store/Int16.h"

namespace tavrelion::store {

constexpr int MaxPoints = 1000;     // points of the 1-nm grid and values of one slot
constexpr int MaxRawValues = 4096;  // values of an instrument file at its own step
constexpr int MaxFileLines = 5200;  // lines kept of the file being read
constexpr int MaxSlots = 15;        // spectra shown side by side
constexpr int StructureLabelCount = 5;
constexpr int ReferenceCount = 34;

// Units of the data of the file being read.
enum DataUnitCode : Int16 {
    UnitNotRecognised = 0,
    UnitMolarEllipticity = 1,
    UnitDeltaA = 2,
    UnitThetaDegrees = 3,
    UnitDeltaEpsilon = 4,
    UnitTvrSpectrum = 100,
};

// The working state of the program: the file last loaded, the current spectrum on its 1-nm grid
// and up to 15 spectra kept in slots. One instance, owned by the application and passed by
// reference. Arrays count from 1; element 0 exists and is not used. Measured quantities start at
// 0, which is how an empty number reads.
struct SpectrumStore {
    // Program and file
    std::string ProgramDir;
    // Where this instance writes its work and exchange files; empty: the program folder.
    std::string WorkDir;
    // Where the analysis programs lie (libexec/tavrelion when installed); empty: the program folder.
    std::string EngineDir;
    std::string SpectrumFileName;
    Int16 DataUnit = 0;
    std::string UnitLabel;
    CheckedArray<std::string, MaxFileLines> FileLine;

    // Current spectrum, the input of every estimation method
    CheckedArray<Int16, MaxPoints> SpectrumWavelength;
    CheckedArray<double, MaxPoints> SpectrumValue;
    Int16 PointCount = 0;
    Int16 FirstWavelength = 0;
    Int16 LastWavelength = 0;
    CheckedArray<double, MaxRawValues> RawValue;
    Int16 RawPointCount = 0;
    double WavelengthStep = 0.0;

    // Conversion parameters, kept between loads
    double CellWidth = 0.0;
    double ResidueConcentration = 0.0;

    // Slots
    Int16 SpectrumCount = 0;
    Int16 CurrentSlot = 0;
    CheckedMatrix<double, MaxPoints, MaxSlots> SlotValue;
    CheckedArray<Int16, MaxSlots> SlotRawCount;
    CheckedArray<Int16, MaxSlots> SlotFirstWavelength;
    CheckedArray<Int16, MaxSlots> SlotLastWavelength;
    CheckedArray<double, MaxSlots> SlotStep;
    CheckedArray<double, MaxSlots> SlotMin;
    CheckedArray<double, MaxSlots> SlotMax;
    CheckedArray<double, MaxSlots> SlotRange;
    CheckedArray<std::string, MaxSlots> SlotLabel;
    std::string ResultFilePath;
    CheckedArray<std::uint32_t, MaxSlots> SlotColor;  // 0x00BBGGRR
    // Where the HT cut-off made a slot start (its first wavelength kept), 0 for no cut; and the
    // words for the current spectrum's cut, empty for none, which its reports repeat.
    CheckedArray<double, MaxSlots> SlotHtCut;
    std::string HtCutNote;
    Int16 DisplayFirstWavelength = 0;
    Int16 DisplayLastWavelength = 0;

    // Flags and correction bookkeeping
    Int16 SpectrumLoaded = 0;
    Int16 DialogAccepted = 0;
    double BaselineCorrection = 0.0;
    double MultiplyFactor = 0.0;
    // What the Corrections menu did to each slot's values, e.g. "baseline -120 (250-260 nm);
    // x 1.05"; empty for a spectrum as loaded. The current spectrum is slot SpectrumCount.
    CheckedArray<std::string, MaxSlots> SlotCorrectionChain;
    // The standard deviation of an averaged slot at each of its values; SlotDeviationCount is 0
    // for every other slot.
    CheckedMatrix<double, MaxPoints, MaxSlots> SlotDeviation;
    CheckedArray<Int16, MaxSlots> SlotDeviationCount;

    // Start-up tables kept here for other subsystems
    CheckedArray<std::string, StructureLabelCount> StructureLabel;
    CheckedArray<Int16, ReferenceCount> ReferenceSelected;
};

// The work folder of this instance: WorkDir, or the program folder while no work folder is set;
// and a work file (FIT.VAL, CD.TMP, an exchange file) in it.
std::filesystem::path WorkFolder(const SpectrumStore& store);
std::filesystem::path WorkFile(const SpectrumStore& store, const std::string& name);

// The start-up tables: structure labels, slot colours, every reference selected.
void SetStartupTables(SpectrumStore& store);

// The curve colours of the 15 slots as the program starts with them.
void SetDefaultSlotColours(SpectrumStore& store);

}  // namespace tavrelion::store
