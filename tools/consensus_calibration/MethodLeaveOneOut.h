#pragma once

#include <filesystem>
#include <optional>

#include "LeaveOneOutTable.h"
#include "common/ReferenceSet.h"

namespace tavrelion::tools {

struct LeaveOneOutSources {
    engines::ReferenceSet references;     // SP175.REF or IDP175.REF
    std::filesystem::path varselecBasis;  // the set's s.ori
    std::filesystem::path refdata;        // holds SP175/ and IDP175/ (the basis sets of DATA.CD)
    std::filesystem::path workFolder;     // for Varselec's exchange files
    // K2D reads 200-240 nm only: its estimates, made once, serve every range.
    std::optional<Eigen::MatrixXd> k2dEstimates;
};

// Every method's leave-one-out estimates of the reference proteins measured from 240 nm down to
// `lowest`, each method fed what its driver sends for such a spectrum: SELCON3 and SELCON2 (the
// program's start settings) the spectrum to `lowest`, CONTIN down to 190 nm at most, Varselec
// down to 178 nm at most, K2D 200-240 nm, the least-squares fit each basis set's own wavelengths.
// A method that needs more of the spectrum than it has gives no estimate (NaN).
LeaveOneOutTable CollectLeaveOneOut(LeaveOneOutSources& sources, int lowest);

}  // namespace tavrelion::tools
