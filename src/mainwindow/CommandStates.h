#pragma once

#include "spectrumio/LoadListener.h"

namespace tavrelion::mainwindow {

// Which commands of the main window can be used. Those that need a spectrum start disabled and are
// enabled by the first stored spectrum; New set disables them again.
struct CommandStates {
    bool newSet = false;
    bool print = false;
    bool copyToClipboard = false;
    bool saveImage = false;
    bool hideCursor = false;
    bool fitMenu = false;
    bool corrections = false;
    bool leastSquareFit = true;  // off for the run when the basis sets could not be read

    void spectrumStored(spectrumio::CorrectionsMenu change);
    void disableSpectrumCommands();
};

}  // namespace tavrelion::mainwindow
