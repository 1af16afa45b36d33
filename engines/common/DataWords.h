#pragma once

#include <istream>
#include <string>
#include <vector>

namespace tavrelion::engines {

// The blank-separated words of a data file, lines starting with '#' left out, each with the line
// it stands on. Every failure throws std::runtime_error naming the file and the line:
// "<label>, line <n>: <what is wrong>" (past the end of the file: the line after its last).
class DataWords {
  public:
    DataWords(std::istream& in, std::string label);

    std::string word(const std::string& what);
    // The next word, which must be exactly expected.
    void keyword(const std::string& expected);
    // A finite decimal number.
    double number(const std::string& what);
    // A whole number of at most a million either way.
    int whole(const std::string& what);
    bool atEnd() const { return next_ >= words_.size(); }

    // Fails at the word read last.
    [[noreturn]] void fail(const std::string& what) const;

  private:
    struct Word {
        std::string text;
        int line;
    };
    std::string label_;
    std::vector<Word> words_;
    std::size_t next_ = 0;
    int lineAfterEnd_ = 1;
    bool pastEnd_ = false;
};

}  // namespace tavrelion::engines
