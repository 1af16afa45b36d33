#include "estimation/ReferenceSets.h"

#include <array>
#include <cmath>
#include <filesystem>

#include "store/BasicError.h"
#include "store/NumberText.h"
#include "store/TextFile.h"

namespace tavrelion::estimation {
namespace {

constexpr int TypeMismatch = 13;

// The file's blocks, in order, hold these sets.
constexpr std::array<int, ReferenceSetCount> SetOfBlock = {Bolotina, Chen, Chang, Yang, Fasman};

// Basis spectra are ellipticities or absorption differences; a value beyond this is damage.
constexpr double LargestBasisValue = 1e7;

double NextNumber(store::TextFileReader& file) {
    const std::string field = file.readNumberField();
    if (!store::ReadsAsNumber(field)) {
        throw store::BasicError(TypeMismatch, "\"" + field + "\" is not a number");
    }
    const double value = store::NumberOf(field);
    if (std::fabs(value) > LargestBasisValue) {
        throw store::BasicError(store::Overflow,
                                "the value" + store::GeneralForm(value) + " is beyond 10^7");
    }
    return value;
}

std::string WhatIsWrong(const store::BasicError& error) {
    if (!error.reason().empty()) {
        return error.reason();
    }
    switch (error.number()) {
        case store::InputPastEndOfFile:
            return "the file ends before the rows its blocks declare";
        case store::SubscriptOutOfRange:
            return "a block holds more than 4 basis spectra or more than 1000 rows";
        case store::Overflow:
            return "a count or a wavelength is too large";
        default:
            return "Error " + store::GeneralForm(error.number());
    }
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
    const std::filesystem::path path = std::filesystem::path(programDir) / "DATA.CD";
    store::ReadPosition position;
    try {
        store::TextFileReader file(path, &position);
        for (int setNumber : SetOfBlock) {
            ReadBlock(file, sets(setNumber));
        }
        return true;
    } catch (const store::BasicError& error) {
        if (error.number() == store::FileNotFound) {
            messages.showMessage("Fail to find " + programDir + " Data.cd",
                                 platform::MessageIcon::Information);
        } else {
            messages.showMessage("The reference sets file " + path.string() +
                                     " is damaged at line " + std::to_string(position.line) + ": " +
                                     WhatIsWrong(error),
                                 platform::MessageIcon::Critical);
        }
        return false;
    }
}

}  // namespace tavrelion::estimation
