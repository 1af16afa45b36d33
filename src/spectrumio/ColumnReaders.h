#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "spectrumio/ColumnSpectrum.h"

// The readers of today's instrument and database exports. Each reads the whole text of a file by
// its markers and gives the columns it holds, or throws ColumnFileProblem naming the line and the
// fault.
namespace tavrelion::spectrumio {

enum class ColumnKind { Jasco, Chirascan, Aviv, PcddbGeneric, PcddbPcd, PlainColumns };

// The kind of a file that is not one of the program's classic kinds, from its first lines (and
// its extension for PCDDB .pcd files); nothing when it is none of them.
std::optional<ColumnKind> RecogniseColumnKind(std::string_view text, std::string_view fileName);

// JASCO Spectra Manager text/CSV exports: KEY<sep>value header, XYDATA, rows x,y[,HT...].
ColumnSpectrum ReadJascoText(std::string_view text);
// Chirascan ProDataCSV: property blocks of repeats; CircularDichroism averaged, HV as HT.
ColumnSpectrum ReadChirascanText(std::string_view text);
// Aviv .dat: $DATA, then per scan a column table up to the next $ line; scans averaged.
ColumnSpectrum ReadAvivText(std::string_view text);
// PCDDB .gen: tab-separated "Generic<TAB>CD" header, then wavelength, final (delta epsilon), HT.
ColumnSpectrum ReadPcddbGenericText(std::string_view text);
// PCDDB .pcd: keys in columns 1-60, values from column 61, then DATA and the columns.
ColumnSpectrum ReadPcddbText(std::string_view text);
// Two or more numeric columns: wavelength, value and, where the header names it, HT.
ColumnSpectrum ReadPlainColumnsText(std::string_view text);

// "JASCO", "Chirascan ProDataCSV", ... as the messages name the kinds.
std::string_view ColumnKindTitle(ColumnKind kind);

ColumnSpectrum ReadColumnText(ColumnKind kind, std::string_view text);

// The names of every kind the program reads, for the message about a file that is none of them.
extern const char* const KindsReadText;

}  // namespace tavrelion::spectrumio
