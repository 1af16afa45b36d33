#include "store/TextFile.h"

#include <exception>

#include "store/BasicError.h"

namespace tavrelion::store {
TextFileReader::TextFileReader(const std::filesystem::path& path, ReadPosition* position)
    : position_(position != nullptr ? position : &ownPosition_) {
    *position_ = ReadPosition{path.filename().string(), 0};
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw BasicError(FileNotFound);
    }
    stream_.open(path, std::ios::binary);
    if (!stream_) {
        throw BasicError(FileNotFound);
    }
}

int TextFileReader::peek() {
    return stream_.rdbuf()->sgetc();
}

int TextFileReader::take() {
    return stream_.rdbuf()->sbumpc();
}

bool TextFileReader::atEnd() {
    return peek() == std::char_traits<char>::eof();
}

bool TextFileReader::atLineEnd() {
    const int c = peek();
    return c == '\r' || c == '\n';
}

void TextFileReader::takeLineEnd() {
    if (take() == '\r' && peek() == '\n') {
        take();
    }
    ++nextLine_;
}

void TextFileReader::startRead() {
    position_->line = nextLine_;
}

void TextFileReader::requireMoreInput() {
    if (atEnd()) {
        throw BasicError(InputPastEndOfFile);
    }
}

std::string TextFileReader::readLine() {
    startRead();
    requireMoreInput();
    std::string line;
    while (!atEnd() && !atLineEnd()) {
        line.push_back(static_cast<char>(take()));
    }
    if (!atEnd()) {
        takeLineEnd();
    }
    return line;
}

std::string TextFileReader::readItem() {
    startRead();
    requireMoreInput();
    while (peek() == ' ' || peek() == '\t') {
        take();
    }
    std::string item;
    if (peek() == '"') {
        take();
        while (!atEnd() && !atLineEnd() && peek() != '"') {
            item.push_back(static_cast<char>(take()));
        }
        if (peek() == '"') {
            take();
        }
        while (!atEnd() && !atLineEnd() && peek() != ',') {
            take();
        }
    } else {
        while (!atEnd() && !atLineEnd() && peek() != ',') {
            item.push_back(static_cast<char>(take()));
        }
        const std::size_t end = item.find_last_not_of(" \t");
        item.erase(end == std::string::npos ? 0 : end + 1);
    }
    if (peek() == ',') {
        take();
        // A separator that ends its line takes the line end with it.
        while (peek() == ' ' || peek() == '\t') {
            take();
        }
        if (atLineEnd()) {
            takeLineEnd();
        }
    } else if (atLineEnd()) {
        takeLineEnd();
    }
    return item;
}

std::string TextFileReader::readNumberField() {
    const auto isSeparator = [](int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!atEnd() && isSeparator(peek())) {
        if (atLineEnd()) {
            takeLineEnd();
        } else {
            take();
        }
    }
    startRead();
    requireMoreInput();
    std::string field;
    while (!atEnd() && !isSeparator(peek()) && peek() != ',') {
        field.push_back(static_cast<char>(take()));
    }
    while (peek() == ' ' || peek() == '\t') {
        take();
    }
    if (peek() == ',') {
        take();
    }
    return field;
}

TextFileWriter::TextFileWriter(const std::filesystem::path& path, Mode mode)
    : exceptionsAtStart_(std::uncaught_exceptions()) {
    stream_.open(path, std::ios::binary | (mode == Mode::Append ? std::ios::app : std::ios::trunc));
    if (!stream_) {
        throw BasicError(PathFileAccessError);
    }
}

TextFileWriter::~TextFileWriter() noexcept(false) {
    stream_.close();
    if (stream_.fail() && std::uncaught_exceptions() == exceptionsAtStart_) {
        throw BasicError(PathFileAccessError);
    }
}

void TextFileWriter::writeLine(const std::string& line) {
    writeText(line + "\r\n");
}

void TextFileWriter::writeText(const std::string& text) {
    stream_ << text;
    if (!stream_) {
        throw BasicError(PathFileAccessError);
    }
}

}  // namespace tavrelion::store
