#!/usr/bin/python3
"""The browser's section of BENCHMARKS.md from chromium_bench.js's rounds:
first paint and memory, the cost of each heat run and its tick periods,
each beside the floor page's, and the page's size.

  chromium_report.py REPORT_DIR
"""
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from report import MAX_FILE_BYTES, Figure, Size, fragment, tick_targets  # noqa: E402

# The browser's timer may stray a little further from 50 ms than Qt's.
MEAN_PERIOD_RANGE, DRIFT_RANGE = tick_targets(1.0)


def main():
    report_dir = sys.argv[1]
    with open(os.path.join(report_dir, 'chromium-rounds.json')) as f:
        raw = json.load(f)
    rounds = raw['rounds']

    def sides(pick):
        return [pick(r['ours']) for r in rounds], [pick(r['floor']) for r in rounds]

    figures = [
        Figure('first contentful paint: the menu\'s text shown', 'ms',
               *sides(lambda s: s['firstContentfulPaintMs']), 1.25),
        Figure('first paint', 'ms', *sides(lambda s: s['firstPaintMs'])),
        Figure('memory of all Chromium\'s processes (PSS) with the menu shown', 'MB',
               *sides(lambda s: s['pssMB']), 1.25),
        Figure('JavaScript heap used', 'MB', *sides(lambda s: s['jsHeapMB'])),
    ]
    for run in raw['heatRuns']:
        name, title = run['name'], run['title']

        def measured(key, scale=1.0):
            return sides(lambda s: s['runs'][name][key] * scale)

        def period(key):
            return sides(lambda s: float(s['runs'][name]['periods'][key]))

        first, _ = period('first-half-mean')
        second, _ = period('second-half-mean')
        figures += [
            Figure(f'{title}: run length', 's', *measured('runMs', 1e-3)),
            Figure(f'{title}: processor time of all Chromium\'s processes', 'ms',
                   *measured('treeCpuS', 1e3), 1.5),
            Figure(f'{title}: renderer main thread, tasks', 'ms', *measured('taskS', 1e3), 1.5),
            Figure(f'{title}: renderer main thread, script', 'ms', *measured('scriptS', 1e3)),
            Figure(f'{title}: mean tick period', 'ms', *period('mean'), MEAN_PERIOD_RANGE),
            Figure(f'{title}: 99th percentile tick period', 'ms', *period('p99')),
            Figure(f'{title}: worst tick period', 'ms', *period('worst')),
            Figure(f'{title}: drift (second half\'s mean period − first half\'s)', 'ms',
                   [b - a for a, b in zip(first, second)], target=DRIFT_RANGE),
        ]
    preface = (
        f'{raw["chromium"]}, headless, file:// pages, {len(rounds)} run(s) each, our page and '
        'the floor page alternating, each in a fresh browser. First paint: our menu '
        '(velmora.html at actual size) against a page showing the menu\'s question in a box of '
        'the menu\'s size in the same embedded faces; the targets are the desktop\'s start-up '
        'and memory ratios, held against the browser too. A run\'s cost: from the press to the '
        'run\'s end line on the console, the processor time of all Chromium\'s processes '
        '(/proc) and the renderer main thread\'s task and script time (DevTools '
        'Performance.getMetrics), against a page painting one growing disc every 50 ms into a '
        'canvas of the metal\'s size for as long as our run lasted. Tick periods from the '
        'benchmark build\'s run-ended line (all pieces pooled), the floor page\'s own 50 ms '
        'interval beside them.')
    fragment(report_dir, 'chromium', 'In the browser (headless Chromium)', preface, figures,
             [Size('velmora.html', raw['page'], MAX_FILE_BYTES)])


if __name__ == '__main__':
    main()
