#include "spectrumio/SpectrumWriter.h"

#include "store/FileReplacement.h"
#include "store/NumberText.h"

namespace tavrelion::spectrumio {
namespace {

constexpr const char* UnitText = "Mean residue ellipticity (deg.cm2/dmol)";

std::string Pairs(const store::SpectrumStore& store) {
    std::string lines;
    for (int i = 1; i <= store.PointCount; ++i) {
        lines += std::to_string(store.SpectrumWavelength(i)) + "," +
                 store::ExactForm(store.SpectrumValue(i)) + "\r\n";
    }
    return lines;
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
    store::ReplaceFile(path, title + "\r\n" + std::to_string(store.PointCount) + "," + UnitText +
                                 "\r\n" + Pairs(store));
}

void WriteSpectrumCsv(const store::SpectrumStore& store, const std::filesystem::path& path) {
    store::ReplaceFile(path, std::string("wavelength (nm),") + UnitText + "\r\n" + Pairs(store));
}

}  // namespace tavrelion::spectrumio
