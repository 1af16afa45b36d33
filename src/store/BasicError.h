#pragma once

#include <stdexcept>
#include <string>

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

// A failing step of a command. Each command catches it on its own failure path.
class BasicError : public std::runtime_error {
  public:
    explicit BasicError(int number)
        : std::runtime_error("error " + std::to_string(number)), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
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
