#!/usr/bin/python3
"""The section of BENCHMARKS.md on the three browser engines from
engines_bench.js's rounds: the first contentful paint against the floor
page's, the moment the menu is ready for input and how long a press on a
card takes to open its window, for Chromium, Firefox and WebKit.

  engines_report.py REPORT_DIR
"""
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from report import Figure, fragment  # noqa: E402

# The paint's target holds in Chromium; the other engines are reported.
ENGINES = [('chromium', 'Chromium', 1.25), ('firefox', 'Firefox ESR', None),
           ('webkit', 'WebKitGTK', None)]


def main():
    report_dir = sys.argv[1]
    figures = []
    counts = []
    for engine, name, paint_target in ENGINES:
        rounds_file = os.path.join(report_dir, f'engine-{engine}-rounds.json')
        if not os.path.exists(rounds_file):
            continue
        with open(rounds_file) as f:
            rounds = json.load(f)['rounds']
        counts.append(f'{name} {len(rounds)}')

        def ours(key):
            return [r['ours'][key] for r in rounds]

        figures += [
            Figure(f'{name}: first contentful paint', 'ms', ours('firstContentfulPaintMs'),
                   [r['floor']['firstContentfulPaintMs'] for r in rounds], paint_target),
            Figure(f'{name}: menu ready for input', 'ms', ours('menuReadyMs')),
            Figure(f'{name}: a press on a card until its window is shown', 'ms',
                   ours('pressToWindowMs')),
        ]
    preface = (
        'Chromium and Firefox ESR headless, WebKitGTK\'s MiniBrowser on Xvfb, each driven as the '
        'browser tests drive it, file:// pages, our page and the floor page alternating, each '
        f'in a fresh browser (runs: {", ".join(counts)}). Times from the page\'s own clock '
        '(from the start of navigation): the first contentful paint against the page with the '
        'menu\'s question in the same faces (the floor of the browser\'s section); the menu '
        'ready for input when the program runs it (its first look shows before, and keeps '
        'what is pressed until then); a press on the '
        'plate\'s card from the press\'s event to the frame after its window\'s title shows.')
    fragment(report_dir, 'engines', 'In Chromium, Firefox and WebKit', preface, figures)


if __name__ == '__main__':
    main()
