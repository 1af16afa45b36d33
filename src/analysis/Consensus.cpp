#include "analysis/Consensus.h"

namespace tavrelion::analysis {

// Interim: the plain mean of SELCON3 and CONTIN, without intervals, until the calibrated
// combination is in place.
ConsensusResult ConsensusOf(const std::vector<MethodResult>& methods, int /*shortestWavelength*/) {
    ConsensusResult result;
    int count = 0;
    for (const MethodResult& m : methods) {
        if (m.method != "SELCON3" && m.method != "CONTIN")
            continue;
        result.helix += m.helix;
        result.sheet += m.sheet;
        result.turn += m.turn;
        result.other += m.other;
        ++count;
    }
    if (count == 0) {
        result.reason = "no method of the consensus gave a result";
        return result;
    }
    result.available = true;
    result.helix /= count;
    result.sheet /= count;
    result.turn /= count;
    result.other /= count;
    result.total = result.helix + result.sheet + result.turn + result.other;
    return result;
}

}  // namespace tavrelion::analysis
