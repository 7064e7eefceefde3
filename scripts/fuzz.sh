#!/usr/bin/env bash
# Builds the libFuzzer targets of the readers with clang and runs each for the
# given number of seconds (default 60). Crashing inputs land in
# $BUILD_DIR/fuzz-artifacts; keep each one in tests/fixtures/fuzz/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build_dir=${BUILD_DIR:-build-fuzz}
targets=(${FUZZ_TARGETS:-tickerfile quotepage signal evaluation linkfile overview version handedline quotesources sourcepage})

scripts/deps.sh
# clang, and the runtime that carries libFuzzer and the sanitizers.
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null |
    grep -q "install ok installed"; then
    if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTICKERDECK_FUZZ=ON \
    "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target fuzzers

# Seeds: the fixture pages, the shipped list and link files, a few signal pages and
# evaluation inputs, and every input that once crashed.
seeds=$build_dir/fuzz-seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{tickerfile,quotepage,signal,evaluation,linkfile,overview,version,handedline,quotesources,sourcepage}
cp tic/default.tic "$seeds/tickerfile/"
cp tic/links.intern tic/links.own "$seeds/linkfile/"
cp tests/fixtures/quotes/* "$seeds/quotepage/"
for word in kaufen akkumulieren halten reduzieren verkaufen; do
    printf '<HTML><BODY><TABLE><TR><TD>Signal</TD><TD><B>>%s<</B></TD></TR></TABLE></BODY></HTML>' \
        "$word" >"$seeds/signal/$word.html"
done
printf '1.0.1.0859\r\n' >"$seeds/version/plain.txt"
printf '<HTML><HEAD></HEAD><BODY><PRE>1.0.2.0859\r\n</PRE></BODY></HTML>' >"$seeds/version/wrapped.txt"
printf '/home/u/lists/a b.tic\n' >"$seeds/handedline/path.txt"
printf '\n' >"$seeds/handedline/raise.txt"
i=0
while IFS= read -r line; do
    i=$((i + 1))
    printf '%s\r\n101,20&nbsp;EUR\r\n-1,25\r\n5\r\nbmr\r\n' "${line%$'\r'}" >"$seeds/evaluation/entry$i.txt"
done <tic/default.tic
{ printf 'https://x/inf/chart.html?ID_NOTATION=20735&timeSpan=1Y\r\n'; cat tic/default.tic; } >"$seeds/overview/list.txt"
for t in "${targets[@]}"; do
    if [ -d "tests/fixtures/fuzz/$t" ]; then cp tests/fixtures/fuzz/"$t"/* "$seeds/$t/" 2>/dev/null || true; fi
done

failed=()
for t in "${targets[@]}"; do
    corpus=$build_dir/fuzz-corpus/$t
    artifacts=$build_dir/fuzz-artifacts
    mkdir -p "$corpus" "$artifacts"
    dict=()
    if [ -f "fuzz/$t.dict" ]; then dict=(-dict="fuzz/$t.dict"); fi
    echo "== fuzz_$t for ${seconds}s"
    if ! "$build_dir/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$t-" "${dict[@]}" "$corpus" "$seeds/$t" 2>"$build_dir/fuzz-$t.log"; then
        tail -n 40 "$build_dir/fuzz-$t.log"
        failed+=("$t")
    else
        grep -E '^stat::(number_of_executed_units|new_units_added)|^Done' "$build_dir/fuzz-$t.log" || true
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found problems in: ${failed[*]} (inputs in $build_dir/fuzz-artifacts)"
    exit 1
fi
