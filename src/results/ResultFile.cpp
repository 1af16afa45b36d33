#include "results/ResultFile.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace tavrelion::results {
namespace {

constexpr std::string_view CombinationMark = "combination:";

// A name beside the target that no other file uses.
std::filesystem::path SiblingWorkFile(const std::filesystem::path& file) {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = file;
        candidate += ".tmp" + std::to_string(seed() % 1000000);
        std::error_code error;
        if (!std::filesystem::exists(candidate, error) && !error) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

ResultFileContent ReadResultFile(const std::filesystem::path& file) {
    ResultFileContent content;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return content;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > LargestResultFile) {
        return content;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return content;
    }
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) {
        return content;
    }
    content.combination = bytes.find(CombinationMark) != std::string::npos;
    if (bytes.empty()) {
        content.status = ResultFileContent::Status::Empty;
        return content;
    }
    bytes.pop_back();
    content.text = std::move(bytes);
    content.status = ResultFileContent::Status::Read;
    return content;
}

bool WriteResultFile(const std::filesystem::path& file, std::string_view text) {
    const std::filesystem::path work = SiblingWorkFile(file);
    if (work.empty()) {
        return false;
    }
    {
        std::ofstream stream(work, std::ios::binary | std::ios::trunc);
        if (!stream) {
            return false;
        }
        stream << text << "\r\n";
        stream.flush();
        if (!stream) {
            stream.close();
            std::error_code ignored;
            std::filesystem::remove(work, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(work, file, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(work, ignored);
        return false;
    }
    return true;
}

std::string ShownForm(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            shown.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            shown.push_back(text[i]);
        }
    }
    return shown;
}

std::string FileForm(std::string_view shown) {
    std::string text;
    text.reserve(shown.size() + shown.size() / 16);
    for (const char c : shown) {
        if (c == '\n') {
            text += "\r\n";
        } else {
            text.push_back(c);
        }
    }
    return text;
}

}  // namespace tavrelion::results
