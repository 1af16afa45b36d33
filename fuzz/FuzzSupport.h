#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrelion::fuzz {

// Stops the run with the rule that was broken, so that the fuzzer keeps the input as a crash.
[[noreturn]] void Broken(const std::string& rule);

// A folder of this process's own under the temporary folder, made on first use.
const std::filesystem::path& WorkFolder();

void WriteFile(const std::filesystem::path& file, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& file);

// Copies a file of the repository's data/ folder into the work folder.
void CopyDataFile(const char* name);

}  // namespace tavrelion::fuzz
