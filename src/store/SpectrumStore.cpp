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
    // Slot 14 is 0x19979F (1677215), not white (16777215): curves must stay visible on white.
    constexpr std::array<std::uint32_t, MaxSlots> colours = {
        0x0000FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0x008080, 0x8000FF, 0xFFFF00, 0x000080,
        0x8080FF, 0x808040, 0x0080FF, 0xFF7EE7, 0xA5278B, 0x19979F, 0x0000FF};
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        store.SlotColor(slot) = colours[static_cast<std::size_t>(slot - 1)];
    }
}

}  // namespace tavrelion::store
