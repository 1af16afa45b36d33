#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavrelion::results {

// The largest result file a window opens; a larger one is refused like an unreadable file.
constexpr std::uintmax_t LargestResultFile = 16 * 1024 * 1024;

// What a result window reads from a result file.
struct ResultFileContent {
    enum class Status {
        Read,        // the text below is the file less its last character
        Unreadable,  // missing, a folder, not readable, or too large: nothing was read
        Empty,       // the file holds no character at all
    };
    Status status = Status::Unreadable;
    // Every character of the file but its last one: a file that ends in CR LF is shown with its
    // CR and without its LF.
    std::string text;
    // The file holds "combination:", the mark of a Varselec solutions file.
    bool combination = false;
};

ResultFileContent ReadResultFile(const std::filesystem::path& file);

// Writes a result window's text to a file, followed by CR LF. The new content goes into a file
// of its own beside the target first and replaces the target only once complete, so a failing
// write leaves an existing file as it was. Returns false when the file could not be written.
bool WriteResultFile(const std::filesystem::path& file, std::string_view text);

// The text as a text control holds it: each line end (CR LF, a lone CR, a lone LF) is one LF.
std::string ShownForm(std::string_view text);

// A text taken back from a text control, each LF becoming the CR LF that files use.
std::string FileForm(std::string_view shown);

}  // namespace tavrelion::results
