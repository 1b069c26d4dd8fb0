#!/usr/bin/python3
"""PSNR of the images of several folders against the same reference, file by file (same stem).

    bench/psnr.py REFERENCE_DIR OUTPUT_DIR...

Every image is decoded by libvips (first frame), laid on white where it has alpha, and compared
as 8-bit RGB; a reference may be any format libvips reads (.v, .ppm, .png). Prints, for each
output folder, the mean PSNR in dB over its files and their bytes. Used for GIF outputs, whose
palettes make SSIM on luma a poor guide: bench/README.md quotes it beside W5's times.
"""
import math
import os
import subprocess
import sys
import tempfile

import numpy
from PIL import Image


def pixels(path, scratch):
    png = os.path.join(scratch, "decoded.png")
    subprocess.run(["vips", "flatten", path, png, "--background", "255"], check=True,
                   capture_output=True)
    return numpy.asarray(Image.open(png).convert("RGB"), dtype=numpy.float64)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    reference, outputs = sys.argv[1], sys.argv[2:]
    stems = {os.path.splitext(n)[0]: os.path.join(reference, n) for n in os.listdir(reference)
             if not n.startswith(".")}
    with tempfile.TemporaryDirectory() as scratch:
        cache = {}
        for folder in outputs:
            scores, size = [], 0
            for name in sorted(os.listdir(folder)):
                stem = os.path.splitext(name)[0]
                if stem not in stems:
                    continue
                if stem not in cache:
                    cache[stem] = pixels(stems[stem], scratch)
                mine = pixels(os.path.join(folder, name), scratch)
                ref = cache[stem]
                if mine.shape != ref.shape:
                    print(f"{folder}/{name}: {mine.shape} against {ref.shape}", file=sys.stderr)
                    continue
                mse = numpy.mean((mine - ref) ** 2)
                scores.append(99.0 if mse == 0 else 10 * math.log10(255.0 ** 2 / mse))
                size += os.path.getsize(os.path.join(folder, name))
            mean = sum(scores) / len(scores) if scores else float("nan")
            print(f"{folder}: {len(scores)} files, mean PSNR {mean:.2f} dB, {size} bytes")


if __name__ == "__main__":
    main()
