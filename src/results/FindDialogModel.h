#pragma once

#include <string>

#include "results/FindText.h"

namespace tavrelion::results {

// The rules of the find dialog that both result windows share: it opens on the text last
// searched for; "&Search" keeps what was typed as the new search text, "&Cancel" keeps the old.
class FindDialogModel {
  public:
    static constexpr const char* Caption = "Search text";
    static constexpr const char* Prompt = "&Text to search :";
    static constexpr const char* SearchCaption = "&Search";
    static constexpr const char* CancelCaption = "&Cancel";

    explicit FindDialogModel(SearchState& search) : search_(search) {}

    const std::string& initialText() const { return search_.SearchText; }

    void search(const std::string& typed) {
        search_.SearchText = typed;
        closed_ = true;
    }
    // "&Cancel", Escape and the title bar's close all leave the search text as it was.
    void cancel() { closed_ = true; }

    bool closed() const { return closed_; }

  private:
    SearchState& search_;
    bool closed_ = false;
};

}  // namespace tavrelion::results
