#include "spectrumio/SpectrumWriter.h"

#include <system_error>

#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

namespace tavrelion::spectrumio {
namespace {

constexpr const char* UnitText = "Mean residue ellipticity (deg.cm2/dmol)";

template <typename WriteLines>
void WriteThenRename(const std::filesystem::path& path, WriteLines writeLines) {
    std::filesystem::path temporary = path;
    temporary += ".part";
    {
        store::TextFileWriter file(temporary);
        writeLines(file);
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw store::BasicError(store::PathFileAccessError);
    }
}

void WritePairs(const store::SpectrumStore& store, store::TextFileWriter& file) {
    for (int i = 1; i <= store.PointCount; ++i) {
        file.writeLine(std::to_string(store.SpectrumWavelength(i)) + "," +
                       store::ExactForm(store.SpectrumValue(i)));
    }
}

}  // namespace

// The file's name, and for a corrected spectrum what was done to it, so that the chain travels
// with the values.
std::string DefaultTvrTitle(const store::SpectrumStore& store) {
    const std::string& path = store.SpectrumFileName;
    std::string title = path.substr(path.find_last_of("/\\") + 1);
    if (store.SpectrumCount >= 1 && !store.SlotCorrectionChain(store.SpectrumCount).empty()) {
        title += "; corrections: " + store.SlotCorrectionChain(store.SpectrumCount);
    }
    return title;
}

void WriteSpectrumTvr(const store::SpectrumStore& store, const std::filesystem::path& path,
                      const std::string& title) {
    WriteThenRename(path, [&](store::TextFileWriter& file) {
        file.writeLine(title);
        file.writeLine(std::to_string(store.PointCount) + "," + UnitText);
        WritePairs(store, file);
    });
}

void WriteSpectrumCsv(const store::SpectrumStore& store, const std::filesystem::path& path) {
    WriteThenRename(path, [&](store::TextFileWriter& file) {
        file.writeLine(std::string("wavelength (nm),") + UnitText);
        WritePairs(store, file);
    });
}

}  // namespace tavrelion::spectrumio
