#include "MethodLeaveOneOut.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

#include "contin/CrossValidation.h"
#include "k2d_training/CrossValidation.h"
#include "reference_sets/BasisDerivation.h"
#include "selcon2/Selcon2Program.h"
#include "selcon3/SelconEstimate.h"
#include "spectrumio/ColumnText.h"
#include "varselec/LeaveOneOut.h"

namespace tavrelion::tools {
namespace {

using engines::ReferenceSet;

Eigen::MatrixXd Missing(int proteins) {
    return Eigen::MatrixXd::Constant(LeaveOneOutTable::ClassCount, proteins, NAN);
}

// The spectrum as the selcon input file carries it: delta epsilon with two decimals.
engines::selcon::MeasuredSpectrum SelconSpectrum(const ReferenceSet& set, int protein, int lowest) {
    engines::selcon::MeasuredSpectrum spectrum{set.highestWavelength, lowest, {}};
    for (int nm = set.highestWavelength; nm >= lowest; --nm) {
        const double value = set.spectra(set.rowOfWavelength(nm), protein);
        spectrum.values.push_back(std::round(value * 100.0) / 100.0);
    }
    return spectrum;
}

Eigen::MatrixXd Selcon(const ReferenceSet& set, int lowest,
                       const engines::selcon::SelconOptions& options) {
    Eigen::MatrixXd estimates = Missing(set.proteinCount());
    if (lowest > engines::selcon::RequiredLowest) {
        return estimates;
    }
    for (int p = 0; p < set.proteinCount(); ++p) {
        const auto estimate = engines::selcon::EstimateStructure(
            set.without(p), SelconSpectrum(set, p, lowest), options);
        if (estimate.made) {
            estimates.col(p) = estimate.fractions;
        }
    }
    return estimates;
}

// The driver sends CONTIN 240 nm down to 190 nm at most; CONTIN needs 190 nm.
Eigen::MatrixXd Contin(const ReferenceSet& set, int lowest) {
    constexpr int DriverLowest = 190;
    if (lowest > DriverLowest) {
        return Missing(set.proteinCount());
    }
    return engines::contin::LeaveOneOut(set, set.highestWavelength, DriverLowest).estimated;
}

// The Varselec basis reaches 178 nm.
Eigen::MatrixXd Varselec(const LeaveOneOutSources& sources, int lowest) {
    engines::varselec::CrossValidationSettings settings;
    settings.lowWavelength = std::max(lowest, settings.lowWavelength);
    const auto result = engines::varselec::LeaveOneOut(sources.references, sources.varselecBasis,
                                                       sources.workFolder, settings);
    Eigen::MatrixXd estimates = Missing(sources.references.proteinCount());
    for (std::size_t p = 0; p < result.proteins.size(); ++p) {
        const auto& protein = result.proteins[p];
        if (protein.accepted > 0) {
            for (int c = 0; c < LeaveOneOutTable::ClassCount; ++c) {
                estimates(c, static_cast<Eigen::Index>(p)) =
                    protein.estimated[static_cast<std::size_t>(c)];
            }
        }
    }
    return estimates;
}

// K2D reads 200-240 nm only, so one map per left-out protein serves every range.
Eigen::MatrixXd K2d(LeaveOneOutSources& sources) {
    const ReferenceSet& set = sources.references;
    if (!sources.k2dEstimates) {
        sources.k2dEstimates =
            engines::k2d::CrossValidate(set, engines::k2d::MapTrainingSettings{}).estimates;
    }
    Eigen::MatrixXd estimates = Missing(set.proteinCount());
    estimates.topRows(2) = sources.k2dEstimates->topRows(2);
    return estimates;
}

// The published data that hold the protein's spectrum: SP175, or IDP175 for its five
// disordered proteins.
std::optional<std::pair<const ReferenceData*, Eigen::Index>> Measured(const std::string& code,
                                                                      const ReferenceData& sp175,
                                                                      const ReferenceData& idp175) {
    for (const ReferenceData* data : {&sp175, &idp175}) {
        const auto row = std::find(data->proteins.begin(), data->proteins.end(), code);
        if (row != data->proteins.end()) {
            return std::make_pair(data, row - data->proteins.begin());
        }
    }
    return std::nullopt;
}

Eigen::MatrixXd LeastSquares(const LeaveOneOutSources& sources, const BlockDesign& design,
                             const ReferenceData& sp175, const ReferenceData& idp175, int lowest) {
    const ReferenceSet& set = sources.references;
    Eigen::MatrixXd estimates = Missing(set.proteinCount());
    const ReferenceData& data = design.disorderedProteinsIncluded ? idp175 : sp175;
    for (int p = 0; p < set.proteinCount(); ++p) {
        const std::string& code = set.codes[static_cast<std::size_t>(p)];
        const auto measured = Measured(code, sp175, idp175);
        if (!measured || lowest > design.lowestWavelength) {
            continue;
        }
        auto sets = std::make_unique<estimation::ReferenceSets>();
        FillReferenceSet(DeriveBasis(data, design, code), (*sets)(design.setNumber),
                         data.highestWavelength);
        const auto fit = FitProtein(*measured->first, measured->second, lowest, *sets);
        const int n = design.setNumber;
        estimates(0, p) = fit.FitHelix(n).value_or(NAN);
        estimates(1, p) = fit.FitSheet(n).value_or(NAN);
        if (design.components == 4) {
            estimates(2, p) = fit.FitTurn(n).value_or(NAN);
            estimates(3, p) = fit.FitCoil(n).value_or(NAN);
        }
    }
    return estimates;
}

}  // namespace

LeaveOneOutTable CollectLeaveOneOut(LeaveOneOutSources& sources, int lowest) {
    const ReferenceSet& set = sources.references;
    LeaveOneOutTable table;
    table.lowestWavelength = lowest;
    table.proteins = set.codes;
    table.known = set.fractions;
    const auto add = [&](const std::string& method, Eigen::MatrixXd estimates) {
        table.methods.push_back(method);
        table.estimates.push_back(std::move(estimates));
    };
    const auto sp175 = ReadReferenceData(sources.refdata / "SP175");
    const auto idp175 = ReadReferenceData(sources.refdata / "IDP175");
    for (const BlockDesign& design : Designs) {
        add(spectrumio::Trimmed(estimation::ReferenceSetName(design.setNumber)),
            LeastSquares(sources, design, sp175, idp175, lowest));
    }
    engines::selcon::Selcon2Input selcon2;
    selcon2.iterations = 10;
    selcon2.totalTolerance = 0.10;
    add("SELCON2", Selcon(set, lowest, engines::selcon::Selcon2Options(selcon2)));
    add("SELCON3", Selcon(set, lowest, engines::selcon::DefaultOptions()));
    add("K2D", K2d(sources));
    add("CONTIN", Contin(set, lowest));
    add("Varselec", Varselec(sources, lowest));
    // Fitted from the four decimals the table file keeps, so that a fit from the file agrees.
    for (Eigen::MatrixXd& estimates : table.estimates) {
        estimates = (estimates.array() * 1e4).round() / 1e4;
    }
    return table;
}

}  // namespace tavrelion::tools
