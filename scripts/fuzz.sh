#!/usr/bin/env bash
# Fuzzes every reader of the program with libFuzzer (clang, AddressSanitizer, UBSan) for
# SECONDS each (default 60), starting from the seed corpora in tests/fuzz/<target>/corpus/.
# Installs clang and libFuzzer's runtime when they are missing. The targets are those of the
# fuzz preset's build (tests/CMakeLists.txt); what a run finds stays in its build folder: new
# inputs in fuzz/korpus/<target>/, failing ones in fuzz/funde/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
. "$(dirname "$0")/common.sh"
deps_install clang libclang-rt-14-dev cmake make
sekunden=${1:-60}
shift || true
out=$out/fuzz

cmake --preset fuzz -B "$out" >/dev/null
cmake --build "$out" -j"$(nproc)" --target fuzz_ziele

ziele=("$@")
[ ${#ziele[@]} -gt 0 ] || mapfile -t ziele <"$out/fuzz-ziele.txt"
fehler=0
for ziel in "${ziele[@]}"; do
    mkdir -p "$out/korpus/$ziel" "$out/funde"
    log="$out/$ziel.log"
    if "$out/fuzz_$ziel" -max_total_time="$sekunden" -timeout=10 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$out/funde/$ziel-" \
        "$out/korpus/$ziel" "tests/fuzz/$ziel/corpus" >"$log" 2>&1; then
        # The last status line (runs, coverage, features, corpus) and the number of runs.
        stand=$(grep -E '^#[0-9]+' "$log" | tail -1 | sed -E 's/ (lim|exec\/s|rss):.*//')
        laeufe=$(sed -nE 's/^stat::number_of_executed_units: *//p' "$log")
        printf '%-12s %s runs in %ss; %s\n' "$ziel" "$laeufe" "$sekunden" "$stand"
    else
        echo "$ziel: FAILED, see $log"
        tail -40 "$log"
        fehler=1
    fi
done
exit $fehler
