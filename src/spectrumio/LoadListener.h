#pragma once

namespace tavrelion::spectrumio {

// What a stored spectrum does to the Corrections menu: instrument files enable it, JCD files
// disable it, TVR spectra leave it as it was.
enum class CorrectionsMenu { Enable, Disable, Keep };

// Told once the reader has stored a spectrum into its slot, so that the window enables the
// commands that need a spectrum and adds the file to its recent-files list.
class LoadListener {
  public:
    virtual ~LoadListener() = default;
    virtual void spectrumStored(CorrectionsMenu corrections) = 0;
};

}  // namespace tavrelion::spectrumio
