#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace tavrelion::engines::varselec {

// A fresh folder under the system's temporary folder for the exchange files of a cross-validation
// run, removed with everything in it when the run ends.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& purpose)
        : path_(std::filesystem::temp_directory_path() /
                (purpose + "-" + std::to_string(std::random_device()()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace tavrelion::engines::varselec
