#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "analysis/Consensus.h"
#include "analysis/MethodResultReaders.h"
#include "analysis/ResultTable.h"

namespace tavrelion::analysis {
namespace {

// What the table and its consensus add to All methods for one spectrum: every analysis
// program's result read again from its report, the consensus, and the table in both forms.
void TableWithConsensus(benchmark::State& state) {
    const auto reports =
        std::filesystem::path(TAVRELION_SOURCE_DIR) / "tests" / "analysis" / "reports";
    const TableContext context{"SINE.ASC", "2026-12-07", "SP175", "240-175"};
    for (auto _ : state) {
        std::vector<MethodResult> methods = {
            ReadSelcon2Result(reports / "SINE.SCM"), ReadSelcon3Result(reports / "SINE.SC3"),
            ReadContinResult(reports / "SINE.CNT"), ReadK2dResult(reports / "SINE.K2D"),
            ReadVarselecResult(reports / "SINE.LST")};
        const ConsensusResult consensus = ConsensusOf(methods, 175, "SP175");
        benchmark::DoNotOptimize(ResultTableCsv(context, methods, consensus));
        benchmark::DoNotOptimize(ResultTableText(context, methods, consensus));
    }
}
BENCHMARK(TableWithConsensus)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tavrelion::analysis

BENCHMARK_MAIN();
