#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build in turn, sharing the given number of seconds
# between them. Each starts from its seeds (samples, data files, tests/corpus) and keeps what it
# finds in <build>/corpus/<target>; inputs that break a rule go to <build>/crashes.
# Usage: scripts/run-fuzzers.sh BUILD-FOLDER SECONDS
set -euo pipefail

build=${1:?build folder}
seconds=${2:-60}
source=$(cd "$(dirname "$0")/.." && pwd)

declare -A seeds=(
    [cd6]="samples/LYSO.ASC samples/MYOG_DA.ASC samples/CONA_TH.ASC samples/HSA_DE.ASC"
    [cdmax]="samples/UBIQ.ASC"
    [jcd]="samples/CYTC.JCD"
    [tvr]="samples/LYSO.TVR"
    [columns]="samples/RIBA_JASCO.txt samples/OVAL_JASCO.csv samples/INS_CHIRASCAN.csv samples/TPI_AVIV.dat samples/SOD.gen samples/CAT.pcd samples/CHYM_PLAIN.csv samples/PK_PLAIN.txt"
    [datacd]="data/DATA.CD"
    [referencefile]="data/SP175.REF"
    [weightsfile]="data/weights.dat"
    [basisfile]="data/s.ori"
    [structuredata]="data/ssdata.ks data/ssdata.p2"
)
targets=(cd6 cdmax jcd tvr columns datacd referencefile weightsfile basisfile structuredata
         k2dinput selcon2input selcon3input contininput varselecspectrum varselecsolutions)
each=$(( seconds / ${#targets[@]} ))
(( each >= 1 )) || each=1

mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    for seed in ${seeds[$target]:-}; do
        cp "$source/$seed" "$corpus/"
    done
    if [ -d "$source/tests/corpus/$target" ]; then
        cp "$source/tests/corpus/$target"/* "$corpus/"
    fi
    program="$build/fuzz/fuzz_$target"
    [ -x "$program" ] || { echo "missing $program" >&2; exit 1; }
    echo "== fuzz_$target for ${each} s"
    "$program" "$corpus" -max_total_time="$each" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 2>&1 |
        grep -E '^(==|outcomes|stat::number_of_executed_units|stat::peak_rss|Done|.*ERROR|.*broken rule|SUMMARY|artifact_prefix)' || true
done
crashes=$(find "$build/crashes" -type f | wc -l)
echo "inputs that broke a rule: $crashes (in $build/crashes)"
[ "$crashes" -eq 0 ]
