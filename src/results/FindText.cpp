#include "results/FindText.h"

#include <algorithm>

namespace tavrelion::results {
namespace {

// Capital of a Latin-1 letter; other characters stay.
char Capital(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
        return static_cast<char>(byte - 0x20);
    }
    return c;
}

bool SameLetter(char a, char b) {
    return Capital(a) == Capital(b);
}

}  // namespace

std::optional<std::size_t> FindAfterSelectionStart(std::string_view text,
                                                   std::size_t selectionStart,
                                                   std::size_t selectionLength,
                                                   std::string_view searchText) {
    const std::size_t from = selectionLength == 0 ? selectionStart : selectionStart + 1;
    if (searchText.empty() || from >= text.size()) {
        return std::nullopt;
    }
    const auto begin = text.begin() + static_cast<std::ptrdiff_t>(from);
    const auto found =
        std::search(begin, text.end(), searchText.begin(), searchText.end(), SameLetter);
    if (found == text.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - text.begin());
}

}  // namespace tavrelion::results
