#pragma once

#include <filesystem>
#include <string_view>

namespace tavrelion::store {

// Puts bytes in the place of target so that no reader ever sees a torn file: they go into a new
// file beside it, which is renamed over target once complete; a run killed half way leaves the
// earlier file or none. Refused with ExplainedError 75, naming the file and the reason, and
// target left as it was: a symbolic link or anything but a file in target's place (results are
// not written through links), a file the user cannot write (read-only), a folder that cannot be
// written, a full disk.
void ReplaceFile(const std::filesystem::path& target, std::string_view bytes);

// The same with the bytes of source; a missing source raises ExplainedError 53.
void ReplaceFileWithCopy(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace tavrelion::store
