#pragma once

#include "fits/AnalysisRecord.h"
#include "spectrumio/LoadListener.h"

namespace tavrelion::mainwindow {

// Which commands of the main window can be used. Those that need a spectrum start disabled and are
// enabled by the first stored spectrum; New set disables them again. Show fits needs an analysis
// of the current spectrum: a spectrum stored (opened, or made by a correction) has none.
struct CommandStates {
    bool newSet = false;
    bool print = false;
    bool copyToClipboard = false;
    bool saveImage = false;
    bool hideCursor = false;
    bool fitMenu = false;
    bool corrections = false;
    bool leastSquareFit = true;     // off for the run when the basis sets could not be read
    fits::AnalysisRecord analyses;  // of the current spectrum

    bool showFits() const { return fitMenu && analyses.any(); }

    void spectrumStored(spectrumio::CorrectionsMenu change);
    void disableSpectrumCommands();
};

}  // namespace tavrelion::mainwindow
