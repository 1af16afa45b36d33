#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavrelion::results {

// The text last entered in the find dialog, shared by both result windows for the whole run and
// changed by nothing but that dialog.
struct SearchState {
    std::string SearchText;
};

// Where searchText next occurs in text, comparing without regard to case (the letters of
// Latin-1). The search starts at the selection start (0-based) when nothing is selected, and one
// character after it when something is, so that repeating it from each occurrence found walks
// through all later ones, and an occurrence at the very first character is found too. Returns the
// 0-based position of the occurrence, or nothing when there is none or nothing to look for.
std::optional<std::size_t> FindAfterSelectionStart(std::string_view text,
                                                   std::size_t selectionStart,
                                                   std::size_t selectionLength,
                                                   std::string_view searchText);

}  // namespace tavrelion::results
