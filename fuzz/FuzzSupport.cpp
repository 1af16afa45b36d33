#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace tavrelion::fuzz {

void Broken(const std::string& rule) {
    std::fprintf(stderr, "broken rule: %s\n", rule.c_str());
    std::abort();
}

namespace {

// Removed with everything in it when the process ends.
struct OwnFolder {
    std::filesystem::path path;
    ~OwnFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::filesystem::path& WorkFolder() {
    static const OwnFolder folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("tavrelion-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return OwnFolder{path};
    }();
    return folder.path;
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CopyDataFile(const char* name) {
    std::filesystem::copy_file(std::filesystem::path(TAVRELION_SOURCE_DIR) / "data" / name,
                               WorkFolder() / name,
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace tavrelion::fuzz
