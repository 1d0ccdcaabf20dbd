"""The Windows section of BENCHMARKS.md from the raw output of
bench/wine/wine_ticks.sh: each run's tick periods as velmora.exe printed
them, the bare timer's beside them, and the shipped exe's and zip's sizes.
   wine_report.py RAW_FOLDER RELEASE_FOLDER REPORT_FOLDER
"""
import glob
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from report import MAX_FILE_BYTES, Figure, Size, fragment, tick_targets  # noqa: E402

# Wine's ticks may stray a little further from 50 ms than a native timer's.
MEAN_PERIOD_RANGE, DRIFT_RANGE = tick_targets(1.0)


def numbers_after(line, *keys):
    fields = dict(re.findall(r'([\w-]+)=([-\d.]+)', line))
    return [float(fields[key]) for key in keys]


def velmora_runs(raw):
    """Per file, in run order: the spiral's and the plate's figures."""
    runs = []
    for path in sorted(glob.glob(os.path.join(raw, 'velmora-*.txt')), key=run_number):
        with open(path) as f:
            ended = [line for line in f if line.startswith('velmora-benchmark run-ended')]
        if len(ended) != 2:
            sys.exit(f'{path}: {len(ended)} runs ended, not the spiral\'s and the plate\'s')
        runs.append([numbers_after(line, 'periods', 'mean', 'p99', 'worst', 'first-half-mean',
                                   'second-half-mean') for line in ended])
    return runs


def floor_runs(raw):
    runs = []
    for path in sorted(glob.glob(os.path.join(raw, 'floor-*.txt')), key=run_number):
        with open(path) as f:
            text = f.read()
        found = re.search(r'over (\d+) ticks: mean ([\d.]+) ms, p99 ([\d.]+) ms, worst ([\d.]+) ms',
                          text)
        if not found:
            sys.exit(f'{path}: no tick periods in "{text.strip()}"')
        runs.append([float(value) for value in found.groups()])
    return runs


def run_number(path):
    return int(re.search(r'-(\d+)\.txt$', path).group(1))


def main():
    raw, release, report_dir = sys.argv[1:4]
    ours = velmora_runs(raw)
    floor = floor_runs(raw)
    floor_mean, floor_p99, floor_worst = ([run[i] for run in floor] for i in (1, 2, 3))
    figures = []
    for which, label in enumerate(['spiral at はやい', 'plate at ゆっくり']):
        periods, mean, p99, worst, first, second = zip(*(run[which] for run in ours))
        ticks = f'{min(periods):.0f}–{max(periods):.0f}' if min(periods) != max(periods) \
            else f'{periods[0]:.0f}'
        figures += [
            Figure(f'{label}: mean tick period ({ticks} periods, all pieces)', 'ms', list(mean),
                   floor_mean, MEAN_PERIOD_RANGE),
            Figure(f'{label}: 99th percentile tick period', 'ms', list(p99), floor_p99),
            Figure(f'{label}: worst tick period', 'ms', list(worst), floor_worst),
            Figure(f'{label}: first half\'s mean period', 'ms', list(first)),
            Figure(f'{label}: second half\'s mean period', 'ms', list(second)),
            Figure(f'{label}: drift (second half\'s mean period − first half\'s)', 'ms',
                   [b - a for a, b in zip(first, second)], target=DRIFT_RANGE),
        ]
    exe = os.path.join(release, 'velmora.exe')
    archive = glob.glob(os.path.join(release, 'velmora-*-windows-x64.zip'))[0]
    sizes = [Size('velmora.exe as shipped', exe, MAX_FILE_BYTES),
             Size(f'{os.path.basename(archive)} (the exe and the teachers\' note)', archive)]
    with open(os.path.join(raw, 'load.txt')) as f:
        load = [float(line) for line in f]
    wine = subprocess.run(['wine', '--version'], capture_output=True, text=True).stdout.strip()
    preface = (
        f'The benchmark build of velmora.exe (Release, VELMORA_BENCHMARK) under {wine} on Xvfb, '
        'driven by real mouse clicks: the spiral\'s card, はやい, a press at the outer end of its '
        'strip, to the end of the run; then the plate\'s card, ゆっくり, a press in its middle, '
        'to the end of the run. The periods are each piece\'s timer against its own previous '
        f'tick, all pieces pooled. {len(ours)} run{"s" if len(ours) > 1 else ""}; between them, alternating, the floor: '
        f'tick-periods.exe, a bare 50 ms toolkit timer on the same Win32 backend, over '
        f'{floor[0][0]:.0f} ticks. The machine\'s load average (1 minute) before and after '
        f'the runs: {min(load):.1f}–{max(load):.1f} on {os.cpu_count()} cores. A timer whose last tick '
        'the program has not yet taken (the processor busy elsewhere) skips one rather than '
        'bringing two at once: a skipped tick shows as a period of 100 ms and lifts the mean. '
        'The sizes are of the shipped Release build '
        f'(scripts/build-windows.sh), 1 MB = 1,048,576 bytes.\n\n'
        'Start-up and memory are not reported under Wine: there they would measure Wine more '
        'than the program (its server, its own DLLs loaded into every process and the prefix '
        'read at start), which a Windows PC does not pay.')
    fragment(report_dir, 'wine', 'On Windows (Win32 under Wine)', preface, figures, sizes)


if __name__ == '__main__':
    main()
