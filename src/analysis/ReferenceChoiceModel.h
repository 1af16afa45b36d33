#pragma once

#include <string>
#include <vector>

#include "drivers/VarselecInput.h"
#include "store/SpectrumStore.h"

namespace tavrelion::analysis {

// The rules of frm_para, "Protein reference spectra choice": which of the 33 basis proteins
// Varselec keeps and how many it leaves out of each combination.
class ReferenceChoiceModel {
  public:
    static constexpr const char* Caption = "Protein reference spectra choice";
    static constexpr const char* RemoveLabel = "Number of proteins to remove :";
    static constexpr const char* RemoveRangeLabel = "k=(1,2,3,4,5)";
    static constexpr const char* CombinationsLabel = "Combinations";
    static constexpr const char* FormulaLabel = "n!/(k!(n-k)!)";
    static constexpr const char* CountLabel = "n= number of reference spectra";
    static constexpr const char* OkCaption = "&Ok";
    static constexpr const char* CancelCaption = "&Cancel";

    // names: the 33 name lines of the basis, in basis order. The selection starts from the
    // store's ReferenceSelected flags; k starts at 2.
    ReferenceChoiceModel(store::SpectrumStore& store, std::vector<std::string> names);

    // The list's items: the number in general form, ten blanks, the name line.
    std::vector<std::string> items() const;
    const std::vector<bool>& selected() const { return selected_; }
    std::string removeText() const { return removeText_; }
    std::string combinationText() const { return combinationText_; }

    // Both changes recount: n! / (k! (n - k)!) for n selected items when 1 <= k < n; otherwise
    // the count shown keeps its last value (0 before any).
    // A change of the list's selection (one flag per item).
    void selectionChanged(const std::vector<bool>& selected);
    // A change of the "Number of proteins to remove" box; returns the text the box must show
    // (the typed one, or "1" when the number lies outside 0..5).
    std::string removeTextChanged(const std::string& text);

    // &Ok stores the selection in ReferenceSelected and accepts; &Cancel changes nothing.
    void ok();
    void cancel();
    bool accepted() const { return accepted_; }
    bool closed() const { return closed_; }

    // What the driver sends: the chosen proteins in list order and k (which may be 0, or not
    // below n: the dialog accepts both and leaves the count as it was).
    drivers::VarselecChoice choice() const;
    long combinationCount() const { return combinationCount_; }

  private:
    void recount();

    store::SpectrumStore& store_;
    std::vector<std::string> names_;
    std::vector<bool> selected_;
    std::string removeText_ = "2";
    int remove_ = 2;
    long combinationCount_ = 0;
    std::string combinationText_;
    bool accepted_ = false;
    bool closed_ = false;
};

}  // namespace tavrelion::analysis
