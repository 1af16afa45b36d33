#pragma once

#include <string>
#include <string_view>

namespace tavrelion::store {

// s up to and including the first c; empty when c does not occur.
std::string TextUpToFirst(std::string_view s, char c);

// s after the last c; all of s when c does not occur.
std::string TextAfterLast(std::string_view s, char c);

// s with every a replaced by b.
std::string ReplaceChar(std::string_view s, char a, char b);

// The number of the field between the first and the last c of s ("x\ty\tz" gives the number of
// y, a single c gives 0). A line without c raises error 5.
double TabField(std::string_view s, char c);

// length characters of s from the 1-based position start, fewer where s ends first. A start
// below 1 or a negative length raises error 5.
std::string Mid(std::string_view s, long start, long length);

// s in upper case (ASCII letters).
std::string UpperCase(std::string_view s);

// The file name of a path without its folder; both \ and / separate folders.
std::string FileNameOf(std::string_view path);

}  // namespace tavrelion::store
