#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tavrelion::testing_support {

// A folder of its own for one test, removed afterwards.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("tavrelion-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes bytes as they are (no line-end translation) and returns the file's path.
    std::filesystem::path write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

  private:
    std::filesystem::path path_;
};

// A copy of a built program in folder, which then reads its data files from there.
inline std::filesystem::path InstallCopy(const std::filesystem::path& program,
                                         const TemporaryFolder& folder) {
    const auto copy = folder.path() / program.filename();
    std::filesystem::copy_file(program, copy, std::filesystem::copy_options::overwrite_existing);
    return copy;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

}  // namespace tavrelion::testing_support
