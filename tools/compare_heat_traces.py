#!/usr/bin/env python3
"""Compares the JSON of two heat-trace builds press by press.

    tools/compare_heat_traces.py OLD_HEAT_TRACE NEW_HEAT_TRACE

Every shape, every piece, all three speeds: a grid of presses every 105 twips
(the far edges included) and a few hundred seeded random presses with odd
decimals. The old tool is called by the windows' earlier names, the new one by
the shapes' names; the JSON must be the same byte for byte apart from the
`window` line that echoes the name. A refactoring of the model must leave
every run exactly as it was. The pieces are the program's own, as the
describe-velmora beside the new heat-trace prints them.
"""
import concurrent.futures
import json
import os
import random
import subprocess
import sys

# Each shape's name in the windows' earlier names.
EARLIER = {"plate": "simulation1", "rod": "simulation2", "t": "simulation3",
           "spiral": "simulation4", "h": "simulation5", "concave": "simulation6"}
SPEEDS = ["20", "50", "100"]


def shapes(new):
    """name, earlier name, piece sizes (width, height) of every shape"""
    describe = os.path.join(os.path.dirname(new), "describe-velmora")
    facts = json.loads(subprocess.run([describe], capture_output=True, check=True).stdout)
    return [(name, EARLIER[name], [(p["width"], p["height"]) for p in window["pieces"]])
            for name, window in facts["windows"].items()]


def steps(size):
    values = list(range(0, int(size) + 1, 105))
    if values[-1] != size:
        values.append(size)
    return [str(v) for v in values]


def presses(all_shapes):
    rng = random.Random(20261207)
    for name, earlier, pieces in all_shapes:
        for piece, (width, height) in enumerate(pieces):
            for x in steps(width):
                for y in steps(height):
                    for speed in SPEEDS:
                        yield name, earlier, str(piece), x, y, speed
    for _ in range(600):
        name, earlier, pieces = rng.choice(all_shapes)
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
    all_presses = list(presses(shapes(new)))
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        differing = [d for d in pool.map(lambda p: compare(old, new, p), all_presses, chunksize=64)
                     if d]
    for press in differing[:20]:
        print("differs:", press)
    print(f"{len(all_presses)} presses compared, {len(differing)} differ")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
