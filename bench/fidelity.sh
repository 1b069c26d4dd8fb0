#!/usr/bin/env bash
# Picture quality beside size: every lossy format Ostrel writes, at its default and over a sweep
# of qualities, against the same reference, beside vipsthumbnail and the formats' reference
# encoders. Not a timed test: it prints a table of SSIM and bytes (see bench/README.md).
#
#   bench/fidelity.sh [--build DIR] [--work DIR] [--photos N] [--width PX]
#                     [--qualities "30 40 ..."] [--formats "jpeg webp ..."] [--encoder-q]
#
# The photos are the real ones of Debian's mate-backgrounds package (downloaded and unpacked into
# the work folder); each is reduced once with libvips' lanczos3 to the target width, and that
# reduction, kept without loss, is the reference every output is scored against. The reference
# encoders get the reference itself (they do not resize); Ostrel and vipsthumbnail resize the
# photo as a user would run them, with the same kernel, so their outputs line up with it.
#
# --encoder-q measures the encoders alone, on their own quality scales: libvips writes the
# reference with the saver options Ostrel's encoder uses, the sweep's numbers going to the saver
# as its Q. Its table of equal SSIM per JPEG quality is what Ostrel's quality scale is made of
# (the tables beside the savers in src/codec/Encoder.cpp).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
work="${TMPDIR:-/tmp}/ostrel-fidelity"
photos=6
width=1024
qualities="30 40 50 60 70 75 80 85 90 95"
formats="jpeg webp avif heic jxl"
encoder_q=""
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$(cd "$2" && pwd)"; shift 2 ;;
        --work) work="$2"; shift 2 ;;
        --photos) photos="$2"; shift 2 ;;
        --width) width="$2"; shift 2 ;;
        --qualities) qualities="$2"; shift 2 ;;
        --formats) formats="$2"; shift 2 ;;
        --encoder-q) encoder_q=1; shift ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done
batch="$build/src/cli/ostrel-batch"
[ -n "$encoder_q" ] || [ -x "$batch" ] || { echo "no $batch: build first (scripts/build)" >&2; exit 1; }

# The reference encoders, the scorer's Python modules and the photos' package.
tools=(libvips-tools libjpeg-turbo-progs webp libavif-bin libheif-examples libjxl-tools
    python3-numpy python3-scipy python3-pil)
missing=()
for p in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

mkdir -p "$work"
if [ ! -d "$work/photos" ]; then
    (cd "$work" && apt-get download -q mate-backgrounds >/dev/null)
    dpkg-deb -x "$work"/mate-backgrounds_*.deb "$work/package"
    mkdir -p "$work/photos"
    # The photographs (not the drawn backgrounds): JPEGs at least 2000 pixels wide.
    find "$work/package" -name '*.jpg' | sort | while read -r f; do
        w=$(vipsheader -f width "$f")
        [ "$w" -ge 2000 ] && cp "$f" "$work/photos/"
    done
fi
mapfile -t sources < <(find "$work/photos" -name '*.jpg' | sort | head -n "$photos")
[ ${#sources[@]} -gt 0 ] || { echo "no photos in $work/photos" >&2; exit 1; }

run="$work/run"
rm -rf "$run"
mkdir -p "$run/ref" "$run/home"
for s in "${sources[@]}"; do
    name=$(basename "$s" .jpg)
    vips thumbnail "$s" "$run/ref/$name.png[strip]" "$width" --height 100000
done

extension() {
    case "$1" in jpeg) echo jpg ;; *) echo "$1" ;; esac
}

# Ostrel, run as a user would: its own settings in a scratch home.
ostrel() { # format quality folder [more options]
    local format="$1" quality="$2" folder="$3"; shift 3
    mkdir -p "$folder"
    HOME="$run/home" XDG_CONFIG_HOME="$run/home/config" XDG_DATA_HOME="$run/home/data" \
        "$batch" -o "$folder" -w "$width" -p width -f "$format" "$@" \
        ${quality:+--quality "$quality"} "${sources[@]}" >/dev/null 2>&1
}

reference_encoder() { # format quality reference output
    local format="$1" q="$2" in="$3" out="$4"
    case "$format" in
        jpeg) cjpeg -quality "$q" -optimize -outfile "$out" "${in%.png}.ppm" ;;
        webp) cwebp -quiet -q "$q" "$in" -o "$out" ;;
        # avifenc 0.11 takes quantizers (0 best .. 63), not a quality.
        avif) avifenc -j 2 -s 6 --min 0 --max "$(( (100 - q) * 63 / 100 ))" \
                  --minalpha 0 --maxalpha 0 "$in" "$out" >/dev/null ;;
        heic) heif-enc -q "$q" "$in" -o "$out" >/dev/null ;;
        jxl) cjxl -q "$q" "$in" "$out" >/dev/null 2>&1 ;;
    esac
}

for r in "$run"/ref/*.png; do vips copy "$r" "${r%.png}.ppm"; done

# The saver and options of Ostrel's encoder for a format (Encoder.cpp's table), Q left to the
# caller.
ostrel_saver() {
    case "$1" in
        jpeg) echo "jpg[optimize_coding,strip" ;;
        webp) echo "webp[strip" ;;
        avif) echo "avif[compression=av1,effort=2,strip" ;;
        heic) echo "heic[compression=hevc,strip" ;;
        jxl) echo "jxl[strip" ;;
    esac
}

if [ -n "$encoder_q" ]; then
    for format in $formats; do
        saver=$(ostrel_saver "$format")
        for q in $qualities; do
            folder="$run/out/encoder/$format/$q"
            mkdir -p "$folder"
            for r in "$run"/ref/*.png; do
                vips copy "$r" "$folder/$(basename "$r" .png).$saver,Q=$q]"
            done
        done
    done
    /usr/bin/python3 "$root/bench/fidelity.py" "$run"
    exit 0
fi

for format in $formats; do
    ext=$(extension "$format")
    ostrel "$format" "" "$run/out/ostrel/$format/default"
    for q in $qualities; do
        ostrel "$format" "$q" "$run/out/ostrel/$format/$q"
        folder="$run/out/vipsthumbnail/$format/$q"
        mkdir -p "$folder"
        for s in "${sources[@]}"; do
            vipsthumbnail "$s" -s "${width}x100000" -o "$folder/%s.$ext[Q=$q,strip]" 2>/dev/null
        done
        folder="$run/out/reference/$format/$q"
        mkdir -p "$folder"
        for r in "$run"/ref/*.png; do
            reference_encoder "$format" "$q" "$r" "$folder/$(basename "$r" .png).$ext"
        done
    done
done

# Debian's Python, which has the modules installed above.
/usr/bin/python3 "$root/bench/fidelity.py" "$run"
