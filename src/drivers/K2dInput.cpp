#include "drivers/K2dInput.h"

#include "store/NumberText.h"
#include "store/TextFile.h"
#include "store/TextRoutines.h"

namespace tavrelion::drivers {

void WriteK2dInput(const store::SpectrumStore& store, const std::filesystem::path& folder) {
    store::TextFileWriter file(folder / "GD.DAT");
    for (int i = 1; i <= store.PointCount; ++i) {
        const int wavelength = store.SpectrumWavelength(i);
        if (wavelength >= 200 && wavelength < 241) {
            file.writeLine(
                store::ReplaceChar(store::GeneralForm(store.SpectrumValue(i) / 1000.0), ',', '.'));
        }
    }
}

}  // namespace tavrelion::drivers
