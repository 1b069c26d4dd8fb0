#!/usr/bin/env bash
# Runs ostrel-batch side by side with vipsthumbnail and ImageMagick (and the other peers of
# the shared harness) on the same generated photos, and prints the ratios.
#
#   bench/run_bench.sh [--build DIR] [--corpus DIR] [--work DIR] [--workloads W1,...]
#                      [--runs N] [--tools REGEX] [--jobs N] [-- extra bench.py options]
#
# Defaults: build/ for ostrel-batch, /tmp/benchwork/corpus and /tmp/benchwork/run, workload W1,
# 3 runs, tools ostrel-batch + vipsthumbnail + ImageMagick (mogrify with and without the
# shrink-on-load hint), ostrel-batch with its default number of images at once (one per core);
# --jobs N runs it with -j N and names its row "ostrel-batch-jN". The harness is
# ../shared/bench/bench.py beside the repository (or $BENCH_HARNESS). A missing corpus is
# generated with its gen_corpus.sh.
#
# ostrel-batch runs with HOME and the XDG folders in a scratch folder, so that neither the
# user's settings nor their log take part: every setting it needs is given as an option.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
harness="${BENCH_HARNESS:-$root/../shared/bench}"
build="$root/build"
corpus=/tmp/benchwork/corpus
work=/tmp/benchwork/run
workloads=W1
runs=3
jobs=
tools='^(ostrel-batch|im-mogrify|im-mogrify-hint)$'
extra=()
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$2"; shift 2 ;;
        --corpus) corpus="$2"; shift 2 ;;
        --work) work="$2"; shift 2 ;;
        --workloads) workloads="$2"; shift 2 ;;
        --runs) runs="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        --tools) tools="$2"; shift 2 ;;
        --) shift; extra=("$@"); break ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done

tool="$build/src/cli/ostrel-batch"
[ -x "$tool" ] || { echo "no $tool: build first (scripts/build --dir $build)" >&2; exit 2; }
[ -f "$harness/bench.py" ] || { echo "no harness at $harness (set BENCH_HARNESS)" >&2; exit 2; }

# The corpus: JPEG workloads need only the 12 photos; anything else the whole set.
if [[ "$workloads" =~ ^(W1|W2)(,(W1|W2))*$ ]]; then
    if [ "$(ls "$corpus/jpg" 2>/dev/null | wc -l)" -lt 12 ]; then
        mkdir -p "$corpus/jpg"
        seq 1 12 | xargs -P "$(nproc)" -I{} "$harness/gen_corpus.sh" --one jpg {} "$corpus"
    fi
elif [ ! -f "$corpus/MANIFEST.md5" ]; then
    "$harness/gen_corpus.sh" "$corpus"
fi

scratch="$(mktemp -d /tmp/ostrel-bench-home.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
run="env HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data $tool"
# Every setting given, none left to the settings file.
common="-o {outdir} -n source${jobs:+ -j $jobs}"
px="-u px -p width -w {width}"
export BENCH_PROJECT_CMD_W1="$run $common $px -r 72 -f jpeg -q {quality} --background off {abs_inputs}"
export BENCH_PROJECT_CMD_W2="$run $common -u percent --free -w {scale} -H {scale} -r 72 -f png --background off {abs_inputs}"
export BENCH_PROJECT_CMD_W3="$run $common $px -r 72 -f jpeg -q {quality} --background on --background-color {bg} {abs_inputs}"
export BENCH_PROJECT_CMD_W4="$run $common $px -r {dpi} -f tiff --tiff-compression none --background off {abs_inputs}"
export BENCH_PROJECT_CMD_W5="$run $common $px -r 72 -f gif --background off {abs_inputs}"

python=/usr/bin/python3
[ -x "$python" ] || python=python3
exec "$python" "$harness/bench.py" --corpus "$corpus" --work "$work" --workloads "$workloads" \
    --runs "$runs" --tools "$tools" --project-name "ostrel-batch${jobs:+-j$jobs}" "${extra[@]}"
