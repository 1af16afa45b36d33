#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "store/BasicError.h"

namespace tavrelion::store {

// Reads a single-byte text file by lines and by items. Lines end with CR LF, LF or CR.
// An item is the next comma-separated field: leading blanks and tabs are skipped, a field in
// double quotes is taken without them, trailing blanks are dropped, and an item at the end of a
// line also takes the line end. Reading at the end of the file raises error 62; a file that cannot
// be opened raises error 53. The file is closed when the reader goes. Given a position, the reader
// keeps in it the file's name and the line each read starts on.
class TextFileReader {
  public:
    explicit TextFileReader(const std::filesystem::path& path, ReadPosition* position = nullptr);

    std::string readLine();
    std::string readItem();
    // The next field of a stream of numbers separated by commas, blanks or line ends in any mix.
    std::string readNumberField();
    bool atEnd();

  private:
    int peek();
    int take();
    void takeLineEnd();
    bool atLineEnd();
    void requireMoreInput();
    void startRead();

    std::ifstream stream_;
    ReadPosition ownPosition_;
    ReadPosition* position_;
    int nextLine_ = 1;
};

// Writes a single-byte text file line by line, each line ended by CR LF. The file is created or
// emptied on opening, or added to (error 75 when that is not possible). Every write is checked,
// the last one when the writer goes: a file that a full disk cut short raises error 75 then,
// unless an error is already on its way.
class TextFileWriter {
  public:
    enum class Mode { Replace, Append };

    explicit TextFileWriter(const std::filesystem::path& path, Mode mode = Mode::Replace);
    ~TextFileWriter() noexcept(false);
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    void writeLine(const std::string& line);
    // Text without a line end, as the last line of some exchange files is.
    void writeText(const std::string& text);

  private:
    std::ofstream stream_;
    int exceptionsAtStart_;
};

}  // namespace tavrelion::store
