#include "store/FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

#include "store/BasicError.h"

namespace tavrelion::store {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void Refuse(const fs::path& target, const std::string& reason) {
    throw ExplainedError(PathFileAccessError, target.string() + " " + reason);
}

std::string SystemReason(int number) {
    return std::strerror(number);
}

void RequireReplaceable(const fs::path& target) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return;
    }
    if (fs::is_symlink(status)) {
        Refuse(target, "is a symbolic link: results are not written through links");
    }
    if (!fs::is_regular_file(status)) {
        Refuse(target, "cannot be replaced: it is not a file");
    }
    // Opening for appending changes nothing but tells whether the user may write the file.
    std::FILE* probe = std::fopen(target.c_str(), "ab");
    if (probe == nullptr) {
        Refuse(target, "cannot be replaced: " + SystemReason(errno));
    }
    std::fclose(probe);
}

// A new file beside target under a name no other file has, opened for writing.
std::FILE* CreateSibling(const fs::path& target, fs::path& sibling) {
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        sibling = target;
        sibling += ".part" + std::to_string(seed() % 1000000);
        if (std::FILE* file = std::fopen(sibling.c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    Refuse(target, "cannot be written: " + SystemReason(errno));
}

}  // namespace

void ReplaceFile(const fs::path& target, std::string_view bytes) {
    RequireReplaceable(target);
    fs::path sibling;
    std::FILE* file = CreateSibling(target, sibling);
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno;
    std::error_code error;
    if (!written || !closed) {
        fs::remove(sibling, error);
        Refuse(target, "cannot be written: " + SystemReason(written ? closeError : writeError));
    }
    fs::rename(sibling, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(sibling, ignored);
        Refuse(target, "cannot be replaced: " + error.message());
    }
}

void ReplaceFileWithCopy(const fs::path& source, const fs::path& target) {
    std::ifstream stream(source, std::ios::binary);
    std::error_code error;
    if (!stream || !fs::is_regular_file(source, error)) {
        throw ExplainedError(FileNotFound, source.string() + " was not found");
    }
    const std::string bytes{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
    if (stream.bad()) {
        throw ExplainedError(FileNotFound, source.string() + " cannot be read");
    }
    ReplaceFile(target, bytes);
}

}  // namespace tavrelion::store
