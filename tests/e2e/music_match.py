#!/usr/bin/env python3
"""usage: music_match.py CAPTURE SECONDS EXPECTED [OTHER...]

Which music a capture holds: each reference's first SECONDS seconds are laid over the capture
at every start within its first second, correlating the loudness of 10 ms blocks. Passes when
EXPECTED fits at 0.9 or better and every OTHER at least 0.05 worse.
"""
import array
import os
import statistics
import subprocess
import sys

RATE = 22050
BLOCK = RATE // 100
LATEST_START = 100  # blocks: the music must begin within the capture's first second
GOOD_FIT = 0.9
MARGIN = 0.05


def loudness(path, seconds):
    raw = subprocess.run(
        ["sox", "-V1", path, "-t", "raw", "-r", str(RATE), "-c", "1", "-b", "16", "-e",
         "signed", "-", "trim", "0", str(seconds)],
        capture_output=True, check=True).stdout
    samples = array.array("h")
    samples.frombytes(raw)
    return [(sum(x * x for x in samples[i:i + BLOCK]) / BLOCK) ** 0.5
            for i in range(0, len(samples) - BLOCK + 1, BLOCK)]


def fit(capture, reference):
    starts = range(min(LATEST_START, len(capture) - len(reference)) + 1)
    return max((statistics.correlation(reference, capture[s:s + len(reference)]), s)
               for s in starts)


def main(capture_path, seconds, expected, *others):
    length = round(float(seconds) * 100)
    capture = loudness(capture_path, float(seconds) + 1.0)
    if len(capture) < length:
        sys.exit(f"the capture is {len(capture) / 100} s, shorter than {seconds} s")
    fits = {}
    for path in (expected, *others):
        reference = loudness(path, seconds)[:length]
        fits[path] = fit(capture, reference)
        print(f"{os.path.basename(path)}: fits {fits[path][0]:.3f} starting at {fits[path][1] / 100:.2f} s")
    best = fits[expected][0]
    if best < GOOD_FIT or any(fits[path][0] > best - MARGIN for path in others):
        sys.exit(f"the capture fits {expected} no better than the others")


if __name__ == "__main__":
    main(*sys.argv[1:])
