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
// Latin-1), starting at the character after selectionStart (0-based). Returns the 0-based
// position of the occurrence, or nothing when there is none or nothing to look for. Because the
// search starts one character after the selection, repeating it from each occurrence found walks
// through all later ones, and an occurrence at the very first character is never found.
std::optional<std::size_t> FindAfterSelectionStart(std::string_view text,
                                                   std::size_t selectionStart,
                                                   std::string_view searchText);

}  // namespace tavrelion::results
