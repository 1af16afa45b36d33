#include "estimation/ReferenceSets.h"

#include <array>
#include <filesystem>

#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

namespace tavrelion::estimation {
namespace {

constexpr int TypeMismatch = 13;

// The file's blocks, in order, hold these sets.
constexpr std::array<int, ReferenceSetCount> SetOfBlock = {Bolotina, Chen, Chang, Yang, Fasman};

double NextNumber(store::TextFileReader& file) {
    const std::string field = file.readNumberField();
    if (!store::ReadsAsNumber(field)) {
        throw store::BasicError(TypeMismatch);
    }
    return store::NumberOf(field);
}

store::Int16 NextWholeNumber(store::TextFileReader& file) {
    return store::RoundToInt16(NextNumber(file));
}

void ReadBlock(store::TextFileReader& file, ReferenceSet& set) {
    set.ComponentCount = NextWholeNumber(file);
    set.RowCount = NextWholeNumber(file);
    for (int row = 1; row <= set.RowCount; ++row) {
        set.RefWavelength(row) = NextWholeNumber(file);
        for (int column = 1; column <= set.ComponentCount; ++column) {
            set.RefBasis(row, column) = NextNumber(file);
        }
    }
}

}  // namespace

std::string ReferenceSetName(int setNumber) {
    static const std::array<const char*, ReferenceSetCount + 1> names = {
        "", "Fasman   ", "Chen     ", "Bolotina ", "Chang    ", "Yang     "};
    return setNumber >= 1 && setNumber <= ReferenceSetCount
               ? names[static_cast<std::size_t>(setNumber)]
               : "";
}

bool LoadReferenceSets(const std::string& programDir, ReferenceSets& sets,
                       platform::MessageService& messages) {
    try {
        store::TextFileReader file(std::filesystem::path(programDir) / "DATA.CD");
        for (int setNumber : SetOfBlock) {
            ReadBlock(file, sets(setNumber));
        }
        return true;
    } catch (const store::BasicError&) {
        messages.showMessage("Fail to find " + programDir + " Data.cd",
                             platform::MessageIcon::Information);
        return false;
    }
}

}  // namespace tavrelion::estimation
