#pragma once

#include <string>

#include "platform/MessageService.h"

namespace tavrelion::drivers {

// The texts shown before the program folder when an analysis program or its data is missing.
inline constexpr const char* VarselecAbsentText =
    "Varselec program (varslc1.exe) is absent in the ";
inline constexpr const char* Selcon2AbsentText =
    "Self consistent program (selcon2.exe) is absent in the ";
inline constexpr const char* Selcon3AbsentText =
    "Self consistent program (selcon3_mod.exe) is absent in the ";
inline constexpr const char* K2dAbsentText = "Neural Network program (K2D.exe) is absent in the ";
inline constexpr const char* K2dWeightsAbsentText =
    "Neural Network file (weights.dat) is absent in the ";
inline constexpr const char* ContinAbsentText = "CONTIN program (CONTIN.EXE) is absent in the ";

// True when programDir holds a file of exactly that name. Otherwise shows absentText + programDir
// + " directory" with the information icon and returns false; the caller then ends the command.
bool CheckProgramPresent(const std::string& programDir, const std::string& fileName,
                         const std::string& absentText, platform::MessageService& messages);

// Copies the program's output file to the result file, replacing it as store::ReplaceFile does.
// A missing output file raises store::ExplainedError 53 (file not found); a result file that
// cannot be written or replaced raises 75; both name the file and the reason.
void CopyProgramOutput(const std::string& outputPath, const std::string& resultPath);

}  // namespace tavrelion::drivers
