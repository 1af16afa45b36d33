#pragma once

#include <memory>

#include "analysis/AnalysisSettings.h"
#include "display/PlotState.h"
#include "estimation/LeastSquaresFit.h"
#include "estimation/ReferenceSets.h"
#include "mainwindow/CommandStates.h"
#include "mainwindow/RecentFiles.h"
#include "results/FindText.h"
#include "spectrumio/ConversionChoices.h"
#include "store/SpectrumStore.h"

namespace tavrelion::mainwindow {

// Everything the program keeps for one run, owned by the application and passed by reference.
struct ProgramState {
    std::unique_ptr<store::SpectrumStore> store = std::make_unique<store::SpectrumStore>();
    display::PlotState plot;
    std::unique_ptr<estimation::ReferenceSets> referenceSets =
        std::make_unique<estimation::ReferenceSets>();
    std::unique_ptr<estimation::FitResults> fitResults = std::make_unique<estimation::FitResults>();
    store::Int16 ResidueCount = 0;
    RecentFiles recentFiles;
    CommandStates commands;
    results::SearchState search;
    analysis::AnalysisSettings analysis;
    spectrumio::ConversionChoices conversion;
};

}  // namespace tavrelion::mainwindow
