#include "mainwindow/CommandStates.h"

namespace tavrelion::mainwindow {

// Every kind of spectrum file can be corrected, so the Corrections menu follows any stored
// spectrum whatever its reader proposes.
void CommandStates::spectrumStored(spectrumio::CorrectionsMenu /*readerProposal*/) {
    newSet = print = copyToClipboard = saveImage = hideCursor = fitMenu = corrections = true;
    analyses.forget();
}

void CommandStates::disableSpectrumCommands() {
    newSet = print = copyToClipboard = saveImage = hideCursor = fitMenu = corrections = false;
    analyses.forget();
}

}  // namespace tavrelion::mainwindow
