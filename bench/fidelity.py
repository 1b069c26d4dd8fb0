#!/usr/bin/env python3
"""Scores the outputs of bench/fidelity.sh: SSIM against the reference and bytes.

    fidelity.py RUN_FOLDER

RUN_FOLDER/ref/NAME.png are the references; RUN_FOLDER/out/TOOL/FORMAT/QUALITY/NAME.EXT the
outputs (QUALITY "default" for Ostrel without a quality option). Each output is decoded by
libvips (`vips copy` to PNG), so every format is read by the same decoder. SSIM is the usual
one (Gaussian window of 11 pixels, sigma 1.5, on luma in [0, 255]), averaged over the photos;
bytes are summed. Prints a Markdown table a format, then the quality of each format whose SSIM
equals that of JPEG at 85 for each tool, then for each tool with a sweep of JPEG qualities the
quality of each format whose SSIM equals JPEG's at each of them (interpolated linearly between
the sweep's points): the table Ostrel's quality scale is made from.
"""

import os
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image
from scipy.ndimage import gaussian_filter


def luma(path):
    with tempfile.TemporaryDirectory() as folder:
        png = os.path.join(folder, "decoded.png")
        subprocess.run(["vips", "copy", path, png], check=True, capture_output=True)
        image = Image.open(png).convert("RGB")
        rgb = np.asarray(image, dtype=np.float64)
    return 0.299 * rgb[..., 0] + 0.587 * rgb[..., 1] + 0.114 * rgb[..., 2]


def ssim(a, b):
    height = min(a.shape[0], b.shape[0])
    width = min(a.shape[1], b.shape[1])
    a, b = a[:height, :width], b[:height, :width]
    c1, c2 = (0.01 * 255) ** 2, (0.03 * 255) ** 2

    def blur(x):
        return gaussian_filter(x, 1.5, truncate=3.5)

    mu_a, mu_b = blur(a), blur(b)
    var_a = blur(a * a) - mu_a * mu_a
    var_b = blur(b * b) - mu_b * mu_b
    cov = blur(a * b) - mu_a * mu_b
    score = ((2 * mu_a * mu_b + c1) * (2 * cov + c2)) / (
        (mu_a * mu_a + mu_b * mu_b + c1) * (var_a + var_b + c2))
    return float(score.mean())


def quality_key(quality):
    return (0, int(quality)) if quality.isdigit() else (1, 0)


def main():
    run = sys.argv[1]
    references = {os.path.splitext(n)[0]: luma(os.path.join(run, "ref", n))
                  for n in sorted(os.listdir(os.path.join(run, "ref"))) if n.endswith(".png")}
    # results[tool][format][quality] = (mean SSIM, total bytes, files)
    results = {}
    out = os.path.join(run, "out")
    for tool in sorted(os.listdir(out)):
        for fmt in sorted(os.listdir(os.path.join(out, tool))):
            for quality in sorted(os.listdir(os.path.join(out, tool, fmt)), key=quality_key):
                folder = os.path.join(out, tool, fmt, quality)
                scores, total = [], 0
                for name in sorted(os.listdir(folder)):
                    stem = os.path.splitext(name)[0]
                    if stem not in references:
                        continue
                    path = os.path.join(folder, name)
                    total += os.path.getsize(path)
                    scores.append(ssim(references[stem], luma(path)))
                if scores:
                    results.setdefault(tool, {}).setdefault(fmt, {})[quality] = (
                        sum(scores) / len(scores), total, len(scores))

    for fmt in ["jpeg", "webp", "avif", "heic", "jxl"]:
        rows = [(tool, q, v) for tool in results for q, v in results[tool].get(fmt, {}).items()]
        if not rows:
            continue
        print(f"\n### {fmt}\n")
        print("| tool | quality | SSIM | bytes |")
        print("|---|---|---|---|")
        for tool, quality, (score, total, files) in sorted(
                rows, key=lambda r: (r[0], quality_key(r[1]))):
            print(f"| {tool} | {quality} | {score:.4f} | {total:,} |")

    print("\n### Quality of equal SSIM to JPEG 85\n")
    print("| tool | JPEG 85 SSIM | " + " | ".join(["webp", "avif", "heic", "jxl"]) + " |")
    print("|---|---|---|---|---|---|")
    for tool, formats in results.items():
        target = formats.get("jpeg", {}).get("85")
        if not target:
            continue
        cells = []
        for fmt in ["webp", "avif", "heic", "jxl"]:
            points = sorted((int(q), v[0]) for q, v in formats.get(fmt, {}).items() if q.isdigit())
            cells.append(equal_quality(points, target[0]))
        print(f"| {tool} | {target[0]:.4f} | " + " | ".join(cells) + " |")

    for tool, formats in results.items():
        jpeg = sorted((int(q), v[0]) for q, v in formats.get("jpeg", {}).items() if q.isdigit())
        if len(jpeg) < 2:
            continue
        others = [f for f in ["webp", "avif", "heic", "jxl"] if f in formats]
        print(f"\n### {tool}: quality of equal SSIM per JPEG quality\n")
        print("| JPEG | SSIM | " + " | ".join(others) + " |")
        print("|---" * (len(others) + 2) + "|")
        for quality, score in jpeg:
            cells = []
            for fmt in others:
                points = sorted(
                    (int(q), v[0]) for q, v in formats[fmt].items() if q.isdigit())
                cells.append(equal_quality(points, score, precision=1))
            print(f"| {quality} | {score:.4f} | " + " | ".join(cells) + " |")


def equal_quality(points, target, precision=0):
    """The quality at which SSIM reaches the target, interpolated between the sweep's points."""
    for (q0, s0), (q1, s1) in zip(points, points[1:]):
        if s0 <= target <= s1 and s1 > s0:
            return f"{q0 + (target - s0) * (q1 - q0) / (s1 - s0):.{precision}f}"
    if points and target < points[0][1]:
        return f"< {points[0][0]}"
    if points and target > points[-1][1]:
        return f"> {points[-1][0]}"
    return "-"


if __name__ == "__main__":
    main()
