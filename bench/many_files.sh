#!/usr/bin/env bash
# Many small files: 2,000 distinct photos of 1600 x 1200 reduced to 256 px wide JPEGs (q85),
# ostrel-batch beside vipsthumbnail with the files split between the cores in two ways: one
# process per core with half the files each (xargs -P CORES -n COUNT/CORES) and one process per
# file (xargs -P CORES -n 1). Interleaved rounds, the first a warm-up; medians and paired ratios
# to the better vipsthumbnail of each round. Not a test: it prints a table.
#
#   bench/many_files.sh [--build DIR] [--corpus DIR] [--work DIR] [--count N] [--runs N]
#
# The photos are cut from the shared harness's twelve 6000 x 4000 photos (generated with its
# gen_corpus.sh when missing), each at its own offset, so no two files are the same and no
# cache sees one twice. Each tool writes into an empty folder every round.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
harness="${BENCH_HARNESS:-$root/../shared/bench}"
build="$root/build"
corpus=/tmp/benchwork/corpus
work=/tmp/benchwork/many
count=2000
runs=3
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$(cd "$2" && pwd)"; shift 2 ;;
        --corpus) corpus="$2"; shift 2 ;;
        --work) work="$2"; shift 2 ;;
        --count) count="$2"; shift 2 ;;
        --runs) runs="$2"; shift 2 ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
batch="$build/src/cli/ostrel-batch"
[ -x "$batch" ] || { echo "no $batch: build first (scripts/build --dir $build)" >&2; exit 2; }
cores=$(nproc)

if [ "$(ls "$corpus/jpg" 2>/dev/null | wc -l)" -lt 12 ]; then
    mkdir -p "$corpus/jpg"
    seq 1 12 | xargs -P "$cores" -I{} "$harness/gen_corpus.sh" --one jpg {} "$corpus"
fi

# The sources: photo i % 12 (decoded once into libvips' own format), cut at an offset of its
# own on a grid that steps 37 and 29 pixels, as a q90 JPEG without metadata.
sources="$work/src-$count"
if [ "$(ls "$sources" 2>/dev/null | wc -l)" -ne "$count" ]; then
    rm -rf "$sources" "$work/decoded"
    mkdir -p "$sources" "$work/decoded"
    ls "$corpus"/jpg/*.jpg | sort | head -12 | xargs -P "$cores" -I{} sh -c \
        'vips copy "$1" "$2/$(basename "$1" .jpg).v"' _ {} "$work/decoded"
    mapfile -t decoded < <(ls "$work"/decoded/*.v | sort)
    widths=(); heights=()
    for v in "${decoded[@]}"; do
        widths+=("$(vipsheader -f width "$v")"); heights+=("$(vipsheader -f height "$v")")
    done
    for ((i = 0; i < count; i++)); do
        v="${decoded[i % 12]}"
        k=$((i / 12))
        w=${widths[i % 12]}; h=${heights[i % 12]}
        printf '%s %d %d %s/photo_%04d.jpg\n' "$v" $(((k * 37) % (w - 1600))) \
            $(((k * 29) % (h - 1200))) "$sources" "$i"
    done | xargs -P "$cores" -n 4 sh -c \
        'vips extract_area "$1" "$4[Q=90,strip]" "$2" "$3" 1600 1200' _
    rm -rf "$work/decoded"
fi
[ "$(ls "$sources" | wc -l)" -eq "$count" ] || { echo "could not make $count photos" >&2; exit 1; }

scratch="$(mktemp -d /tmp/ostrel-bench-home.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
out="$work/out"
per=$(((count + cores - 1) / cores))
declare -A commands=(
    [ostrel-batch]="env HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data \
$batch -o $out/ostrel-batch -n source -u px -p width -w 256 -r 72 -f jpeg -q 85 --background off ./*.jpg"
    [vipsthumbnail-n$per]="ls | xargs -P $cores -n $per vipsthumbnail -s 256x -o '$out/vipsthumbnail-n$per/%s.jpg[Q=85]'"
    [vipsthumbnail-n1]="ls | xargs -P $cores -n 1 vipsthumbnail -s 256x -o '$out/vipsthumbnail-n1/%s.jpg[Q=85]'"
)
tools=(ostrel-batch "vipsthumbnail-n$per" vipsthumbnail-n1)
declare -A times cpus
echo "$count photos 1600x1200 -> 256 px JPEG q85, $cores cores, $runs timed rounds after a warm-up"
echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((round = 0; round <= runs; round++)); do
    n=${#tools[@]}
    for ((j = 0; j < n; j++)); do
        t="${tools[(j + round) % n]}"
        rm -rf "${out:?}/$t"
        mkdir -p "$out/$t"
        sync
        start=$(date +%s.%N)
        /usr/bin/time -f '%U %S' -o "$work/cpu" bash -c "cd $sources && ${commands[$t]}" >/dev/null 2>"$work/stderr" \
            || { echo "$t failed:"; cat "$work/stderr"; exit 1; }
        end=$(date +%s.%N)
        written=$(ls "$out/$t" | wc -l)
        [ "$written" -eq "$count" ] || { echo "$t wrote $written of $count files" >&2; exit 1; }
        if [ "$round" -gt 0 ]; then
            times[$t]+="$(echo "$end - $start" | bc) "
            cpus[$t]+="$(awk '{print $1 + $2}' "$work/cpu") "
        fi
    done
done

# Medians, and each round's ratio to the faster of the two vipsthumbnail runs.
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
read -ra a <<<"${times[vipsthumbnail-n$per]}"
read -ra b <<<"${times[vipsthumbnail-n1]}"
printf '\n| tool | wall s (median) | CPU s (median) | CPU ms per image | / better vipsthumbnail |\n|---|---|---|---|---|\n'
for t in "${tools[@]}"; do
    read -ra mine <<<"${times[$t]}"
    ratios=""
    for ((r = 0; r < runs; r++)); do
        best=$(echo "if (${a[r]} < ${b[r]}) ${a[r]} else ${b[r]}" | bc -l)
        ratios+="$(echo "${mine[r]} / $best" | bc -l) "
    done
    wall=$(echo "${times[$t]}" | median)
    cpu=$(echo "${cpus[$t]}" | median)
    printf '| %s | %.2f | %.2f | %.2f | %.2f |\n' "$t" "$wall" "$cpu" \
        "$(echo "$cpu * 1000 / $count" | bc -l)" "$(echo "$ratios" | median)"
done
