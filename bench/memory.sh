#!/usr/bin/env bash
# Peak memory of ostrel-batch for a small and a large batch of the same photos: the list holds
# only paths and sizes, and each image's pixels go when it is written, so the peak must stay
# flat as the batch grows.
#
#   bench/memory.sh [--build DIR] [--corpus DIR] [--small N] [--large N] [--jobs N]
#
# Defaults: build/, /tmp/benchwork/corpus (its 12 photos of 6000 x 4000, made by
# ../shared/bench/gen_corpus.sh when missing), 20 and 200 images (the photos repeated under
# unique names), each written 800 pixels wide as JPEG. Peak resident memory from
# /usr/bin/time -v.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
harness="${BENCH_HARNESS:-$root/../shared/bench}"
build="$root/build"
corpus=/tmp/benchwork/corpus
small=20
jobs=
large=200
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$2"; shift 2 ;;
        --corpus) corpus="$2"; shift 2 ;;
        --small) small="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        --large) large="$2"; shift 2 ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
tool="$build/src/cli/ostrel-batch"
[ -x "$tool" ] || { echo "no $tool: build first" >&2; exit 2; }
if [ "$(ls "$corpus/jpg" 2>/dev/null | wc -l)" -lt 12 ]; then
    mkdir -p "$corpus/jpg"
    seq 1 12 | xargs -P "$(nproc)" -I{} "$harness/gen_corpus.sh" --one jpg {} "$corpus"
fi
photos=("$corpus"/jpg/*.jpg)

scratch="$(mktemp -d /tmp/ostrel-memory.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT

# peak N -> prints "seconds peak_kib written"
peak() {
    local n=$1 in="$scratch/in$1" out="$scratch/out$1" i
    mkdir -p "$in" "$out"
    for ((i = 0; i < n; i++)); do
        ln -s "${photos[i % ${#photos[@]}]}" "$in/$(printf 'img_%04d.jpg' "$i")"
    done
    local start end
    start=$(date +%s.%N)
    env HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
        /usr/bin/time -v -o "$scratch/time$n" "$tool" ${jobs:+-j "$jobs"} -o "$out" -n source -u px -p width \
        -w 800 -f jpeg -q 85 --background off "$in"/*.jpg 2>/dev/null
    end=$(date +%s.%N)
    local kib
    kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$scratch/time$n")
    echo "$(awk "BEGIN{printf \"%.1f\", $end - $start}") $kib $(ls "$out" | wc -l)"
}

read -r s_time s_kib s_out < <(peak "$small")
read -r l_time l_kib l_out < <(peak "$large")
printf '%-8s %8s %10s %9s\n' images written "peak MiB" seconds
printf '%-8s %8s %10.1f %9s\n' "$small" "$s_out" "$(awk "BEGIN{print $s_kib/1024}")" "$s_time"
printf '%-8s %8s %10.1f %9s\n' "$large" "$l_out" "$(awk "BEGIN{print $l_kib/1024}")" "$l_time"
awk "BEGIN{printf \"peak ratio %d/%d images: %.2f\n\", $large, $small, $l_kib/$s_kib}"
