#!/usr/bin/env python3
"""Compares the JSON of two heat-trace builds press by press.

    tools/compare_heat_traces.py OLD_HEAT_TRACE NEW_HEAT_TRACE

Every shape, every piece, all three speeds: a grid of presses every 105 twips
(the far edges included) and a few hundred seeded random presses with odd
decimals. The old tool is called by the windows' earlier names, the new one by
the shapes' names; the JSON must be the same byte for byte apart from the
`window` line that echoes the name. A refactoring of the model must leave
every run exactly as it was.
"""
import concurrent.futures
import random
import subprocess
import sys

# name, earlier name, piece sizes (width, height)
SHAPES = [
    ("plate", "simulation1", [(6495, 4455)]),
    ("rod", "simulation2", [(8415, 135)]),
    ("t", "simulation3", [(3015, 855), (975, 855), (3975, 855), (855, 3735)]),
    ("spiral", "simulation4", [(735, 3615), (735, 735), (4215, 735), (735, 735), (735, 2895),
                               (735, 735), (3015, 735), (735, 735), (735, 2175)]),
    ("h", "simulation5", [(1935, 1695), (1935, 375), (1935, 2415), (2895, 375), (1095, 1695),
                          (1095, 375), (1095, 2415)]),
    ("concave", "simulation6", [(1935, 3615), (1935, 855), (3015, 735), (1095, 735),
                                (1095, 3735)]),
]
SPEEDS = ["20", "50", "100"]


def steps(size):
    values = list(range(0, int(size) + 1, 105))
    if values[-1] != size:
        values.append(size)
    return [str(v) for v in values]


def presses():
    rng = random.Random(20261207)
    for name, earlier, pieces in SHAPES:
        for piece, (width, height) in enumerate(pieces):
            for x in steps(width):
                for y in steps(height):
                    for speed in SPEEDS:
                        yield name, earlier, str(piece), x, y, speed
    for _ in range(600):
        name, earlier, pieces = rng.choice(SHAPES)
        piece = rng.randrange(len(pieces))
        width, height = pieces[piece]
        x = f"{rng.uniform(0, width):.{rng.randint(1, 7)}f}"
        y = f"{rng.uniform(0, height):.{rng.randint(1, 7)}f}"
        yield name, earlier, str(piece), x, y, rng.choice(SPEEDS)


def compare(old, new, press):
    name, earlier, piece, x, y, speed = press
    before = subprocess.run([old, earlier, piece, x, y, speed], capture_output=True, text=True)
    after = subprocess.run([new, name, piece, x, y, speed], capture_output=True, text=True)
    same = (before.returncode == after.returncode == 0 and
            before.stdout.replace(f'"window": "{earlier}"', f'"window": "{name}"', 1) ==
            after.stdout)
    return None if same else " ".join(press)


def main():
    old, new = sys.argv[1], sys.argv[2]
    all_presses = list(presses())
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        differing = [d for d in pool.map(lambda p: compare(old, new, p), all_presses, chunksize=64)
                     if d]
    for press in differing[:20]:
        print("differs:", press)
    print(f"{len(all_presses)} presses compared, {len(differing)} differ")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
