#include "store/SpectrumStore.h"

#include <array>

namespace tavrelion::store {

std::filesystem::path WorkFolder(const SpectrumStore& store) {
    return store.WorkDir.empty() ? store.ProgramDir : store.WorkDir;
}

std::filesystem::path WorkFile(const SpectrumStore& store, const std::string& name) {
    return WorkFolder(store) / name;
}

void SetStartupTables(SpectrumStore& store) {
    store.StructureLabel(1) = "   Helix = ";
    store.StructureLabel(2) = "AP sheet = ";
    store.StructureLabel(3) = "PP sheet = ";
    store.StructureLabel(4) = "    Turn = ";
    store.StructureLabel(5) = "   Other = ";
    SetDefaultSlotColours(store);
    store.ReferenceSelected.fill(1);
}

void SetDefaultSlotColours(SpectrumStore& store) {
    // Fifteen different hues of middle lightness, so that every curve reads on the black screen,
    // on a white background and on white paper alike (a contrast of at least 3 against both).
    constexpr std::array<std::uint32_t, MaxSlots> colours = {
        0x0000FF, 0x0070D0, 0x009090, 0x00A000, 0x809E00, 0xC09000, 0xFF783C, 0xFF6080,
        0xE040B0, 0xC000D0, 0x9030FF, 0x3060A0, 0x808080, 0x6060C0, 0x9070A0};
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        store.SlotColor(slot) = colours[static_cast<std::size_t>(slot - 1)];
    }
}

}  // namespace tavrelion::store
