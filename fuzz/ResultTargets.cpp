#include <cmath>
#include <memory>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "analysis/MethodResultReaders.h"
#include "analysis/VarselecList.h"
#include "store/BasicError.h"
#include "store/SpectrumStore.h"

namespace tavrelion::fuzz {
namespace {

namespace fs = std::filesystem;

bool Finite(const std::vector<double>& values) {
    for (const double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

// A list's row must hold only numbers, and a fit section only a whole, finite fit.
void CheckListRow(const analysis::MethodResult& row) {
    if (!std::isfinite(row.helix) || !std::isfinite(row.sheet) || !std::isfinite(row.turn) ||
        !std::isfinite(row.other) || !std::isfinite(row.total)) {
        Broken("a Varselec list gave a fraction that is not a number");
    }
    if (row.nrmsd && (!std::isfinite(*row.nrmsd) || *row.nrmsd < 0)) {
        Broken("a Varselec list gave an NRMSD that is not a distance");
    }
    if (row.calculated.size() != row.wavelengths.size() ||
        row.measured.size() != row.wavelengths.size() || !Finite(row.calculated) ||
        !Finite(row.measured)) {
        Broken("a Varselec list gave a fit that is not a whole spectrum");
    }
}

}  // namespace

Outcome FuzzVarselecSolutions(std::string_view bytes) {
    static const auto labels = [] {
        auto store = std::make_unique<store::SpectrumStore>();
        store::SetStartupTables(*store);
        CopyDataFile("s.ori");
        return store;
    }();
    const fs::path solutions = WorkFolder() / "FUZZ.OUT";
    const fs::path list = WorkFolder() / "FUZZ.LST";
    WriteFile(solutions, bytes);
    analysis::VarselecListRequest request;
    request.solutions = solutions;
    request.basis = WorkFolder() / "s.ori";
    request.list = list;
    request.contentMin = 0;  // every line after the first solution counts
    request.contentMax = 300;
    request.labels = &labels->StructureLabel;
    try {
        if (analysis::WriteVarselecList(request) == 0) {
            return Outcome::Refused;
        }
    } catch (const store::BasicError&) {
        return Outcome::Refused;
    }
    try {
        CheckListRow(analysis::ReadVarselecResult(list));
    } catch (const store::ExplainedError&) {
        return Outcome::Refused;  // a list of solutions no estimate can be
    }
    return Outcome::Accepted;
}

}  // namespace tavrelion::fuzz
