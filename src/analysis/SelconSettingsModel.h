#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "drivers/SelconInput.h"

namespace tavrelion::analysis {

// The rules of frmselcon, "Self consistent program settings": the iteration number, the
// tolerance of the total, the structure model and the results format of SELCON2.
class SelconSettingsModel {
  public:
    static constexpr const char* Caption = "Self consistent program settings";
    static constexpr const char* IterationLabel = "Iteration number";
    static constexpr const char* TotalLabel = "100-X < Total <100+X";
    static constexpr const char* XLabel = "X =";
    static constexpr const char* ModelLabel = "Secondary structure model";
    static constexpr const char* FormatLabel = "Results format";
    static constexpr const char* ModelCaptions[4] = {
        "Original model (pp2)", "Kabsch -Sander (1983)", "Hennessey-Johnson (1981)",
        "Levitt-Greer (1977)"};
    // The structure data SELCON2 reads for each model, beside the program.
    static constexpr const char* ModelFiles[4] = {"ssdata.p2", "ssdata.ks", "ssdata.hj",
                                                  "ssdata.lg"};
    static constexpr const char* FormatCaptions[2] = {"Summary", "Detailed"};
    static constexpr const char* ValidCaption = "&Valid";
    static constexpr const char* DefaultsCaption = "&Defaults";
    static constexpr const char* CancelCaption = "&Cancel";
    static constexpr int BarMinimum = 1;
    static constexpr int BarMaximum = 30;

    // Opening: the format becomes Summary, the class count 5; the boxes show the settings
    // right-aligned in 3.
    explicit SelconSettingsModel(drivers::SelconSettings& settings);

    std::string iterationText() const { return iterationText_; }
    std::string toleranceText() const { return toleranceText_; }
    int iterationBar() const { return iterationBar_; }
    int toleranceBar() const { return toleranceBar_; }
    // The model option shown chosen (1..4): the form opens on the stored model.
    int modelShown() const { return modelShown_; }
    // A model whose structure data file is not in programDir cannot be chosen; until this is
    // called every model can.
    void checkModelFiles(const std::filesystem::path& programDir);
    bool modelAvailable(int model) const;
    // Why a model cannot be chosen; empty when it can.
    std::string modelUnavailableReason(int model) const;
    int formatShown() const { return settings_.SelconFormat; }

    // Bar positions are kept within 1..30; a number typed beyond 30 is kept, only the bar
    // cannot show it. Typing in the tolerance box changes nothing.
    void iterationBarMoved(int value);                   // text := plain digits, settings follow
    void iterationTextChanged(const std::string& text);  // settings := number, at least 1
    void toleranceBarMoved(int value);                   // settings and text
    void chooseModel(int model);                         // 1..4, if available; class count := 5
    void chooseFormat(int format);                       // 1..2
    // Iterations and tolerance 10 (bars at 10, boxes right-aligned in 3), the first model.
    void defaults();

    void valid();
    void cancel();
    bool accepted() const { return accepted_; }
    bool closed() const { return closed_; }

  private:
    drivers::SelconSettings& settings_;
    std::string iterationText_;
    std::string toleranceText_;
    int iterationBar_ = 1;
    int toleranceBar_ = 1;
    int modelShown_ = 1;
    std::array<bool, 4> modelAvailable_ = {true, true, true, true};
    bool accepted_ = false;
    bool closed_ = false;
};

}  // namespace tavrelion::analysis
