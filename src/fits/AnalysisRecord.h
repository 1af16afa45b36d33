#pragma once

#include <string>
#include <vector>

namespace tavrelion::fits {

// The result files the analyses of the current spectrum wrote, which the Fits window reads. The
// analyses of one spectrum add up (SELCON3, then CONTIN: both are shown); a method run again
// replaces its earlier file, as the analysis of Varselec's solutions replaces them; another
// spectrum starts from none.
class AnalysisRecord {
  public:
    // Another spectrum became the current one.
    void forget() { files_.clear(); }
    // The files one analysis command wrote beside the spectrum, in order.
    void analysed(const std::vector<std::string>& files);

    bool any() const { return !files_.empty(); }
    const std::vector<std::string>& files() const { return files_; }

  private:
    std::vector<std::string> files_;
};

}  // namespace tavrelion::fits
