#pragma once

#include <optional>
#include <string>

#include "spectrumio/CdUnits.h"

namespace tavrelion::spectrumio {

// The rules of the conversion dialog for today's file kinds: it names the file and the unit it
// found, offers every unit a biochemist types, and the path length and the concentration either
// as residue molar concentration or as mg/mL with the mean residue weight (or the molecular
// weight and the number of residues). It closes on &Valid only when the chosen unit has what it
// needs, and says what is missing otherwise.
class ConversionDialogModel {
  public:
    static constexpr const char* Caption =
        "Parameter settings to convert data in mean residue molecular ellipticity";
    static constexpr const char* UnitLabel = "Unit of the values:";
    static constexpr const char* PathLabel = "Path length (cm) :";
    static constexpr const char* ResidueMolarLabel = "Residue molecular concentration (M):";
    static constexpr const char* MgPerMlLabel = "or concentration (mg/mL):";
    static constexpr const char* MeanResidueWeightLabel = "with mean residue weight (Da):";
    static constexpr const char* MolecularWeightLabel = "or molecular weight (Da):";
    static constexpr const char* ResiduesLabel = "and number of residues:";

    // What the boxes hold when &Valid is pressed; an empty text is no value.
    struct Entries {
        std::optional<CdUnit> unit;
        std::string pathCm;
        std::string residueMolar;
        std::string mgPerMl;
        std::string meanResidueWeight;
        std::string molecularWeight;
        std::string residues;
    };

    ConversionDialogModel(std::string fileName, std::string kind, std::string unitLabel,
                          std::optional<CdUnit> unit, ConversionParameters offered);

    // "LYSO.csv (JASCO): the file gives its values in CD [mdeg]." and the like.
    std::string heading() const;
    // The boxes as the dialog opens: the values offered (header, then last typed), "" for none.
    Entries initialEntries() const;

    void valid(const Entries& entries);
    void cancel();

    bool closed() const { return closed_; }
    bool accepted() const { return accepted_; }
    // Why the last &Valid did not close the dialog; empty when it did.
    const std::string& problem() const { return problem_; }
    std::optional<CdUnit> unit() const { return unit_; }
    const ConversionParameters& parameters() const { return parameters_; }

  private:
    std::string fileName_;
    std::string kind_;
    std::string unitLabel_;
    std::optional<CdUnit> unit_;
    ConversionParameters parameters_;
    std::string problem_;
    bool closed_ = false;
    bool accepted_ = false;
};

}  // namespace tavrelion::spectrumio
