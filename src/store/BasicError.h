#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace tavrelion::store {

// The error numbers a failing step reports; the load messages show them to the user.
enum ErrorNumber : int {
    InvalidArgument = 5,  // a text position below 1, a line without the separator TabField needs
    Overflow = 6,         // a whole number that does not fit into 16 bits, a number too large
    SubscriptOutOfRange = 9,
    FileNotFound = 53,
    InputPastEndOfFile = 62,
    PathFileAccessError = 75,  // a file that cannot be created or written
};

// A failing step of a command. Each command catches it on its own failure path. A step that
// refuses damaged data says what is wrong in its reason; the other steps are told by number.
class BasicError : public std::runtime_error {
  public:
    explicit BasicError(int number, std::string reason = {})
        : std::runtime_error("error " + std::to_string(number)),
          number_(number),
          reason_(std::move(reason)) {}
    int number() const { return number_; }
    const std::string& reason() const { return reason_; }

  private:
    int number_;
    std::string reason_;
};

// Where reading a file stopped: its name and the line (from 1) the last read started on, 0 before
// the first read. A reader keeps it up to date so that a failure can name the file and the line.
struct ReadPosition {
    std::string file;
    int line = 0;

    // "LYSO.ASC, line 51"; only the file's name before the first read.
    std::string describe() const {
        return line > 0 ? file + ", line " + std::to_string(line) : file;
    }
};

// A failure the user is told the reason of, in words: a program that failed, a file that cannot
// be written. It ends an analysis command, whose message then gets the reason on a second line.
class ExplainedError : public BasicError {
  public:
    ExplainedError(int number, std::string reason)
        : BasicError(number), reason_(std::move(reason)) {}
    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
};

}  // namespace tavrelion::store
