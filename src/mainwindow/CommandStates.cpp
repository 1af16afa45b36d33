#include "mainwindow/CommandStates.h"

namespace tavrelion::mainwindow {

void CommandStates::spectrumStored(spectrumio::CorrectionsMenu change) {
    newSet = print = copyToClipboard = saveImage = hideCursor = fitMenu = true;
    if (change == spectrumio::CorrectionsMenu::Enable) {
        corrections = true;
    } else if (change == spectrumio::CorrectionsMenu::Disable) {
        corrections = false;
    }
}

void CommandStates::disableSpectrumCommands() {
    newSet = print = copyToClipboard = saveImage = hideCursor = fitMenu = corrections = false;
}

}  // namespace tavrelion::mainwindow
