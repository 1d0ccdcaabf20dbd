#!/usr/bin/python3
"""Velmora on Qt beside its floor programs, on the X display it is given.

Start-up (exec to the first window painted) and resident memory against
floor-window; the processor time of a whole spiral run at はやい and a whole
plate run at ゆっくり against floor-disc painting as many ticks; the heat
ticks' periods. Our program and its floor run alternately, run by run.

  qt_bench.py BUILD_DIR SHIPPED_PROGRAM REPORT_DIR [--runs N]

SHIPPED_PROGRAM: velmora as released (no benchmark marks), for its size.
"""
import argparse
import json
import os
import select
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..'))
from report import Figure, Size, fragment, tick_targets  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))

# Qt's precise timer is held to half a millisecond.
MEAN_PERIOD_RANGE, DRIFT_RANGE = tick_targets(0.5)


def heat_runs(facts):
    """name, card, speed, press, shape window, metal box of each run measured:
    points in twips of a window's client area, as a child would click them
    (a speed on its round indicator), and the box holding the whole metal
    in pixels, for the floor's disc."""
    runs = []
    # The spiral pressed on its outer bar, the plate in its middle.
    for name, shape, option, press in [('spiral at はやい', 'spiral', 2, (1560, 3000)),
                                       ('plate at ゆっくり', 'plate', 0, (3600, 3000))]:
        card = next(c for c in facts['menu']['cards'] if c['shape'] == shape)
        window = facts['windows'][shape]
        speed = window['speedOptions'][option]
        pieces = window['pieces']
        box = [(max(p[edge] + p[size] for p in pieces) - min(p[edge] for p in pieces)) //
               facts['twipsPerPixel'] for edge, size in [('left', 'width'), ('top', 'height')]]
        runs.append((name, card['press'], (speed['left'] + 90, speed['press'][1]), press,
                     window['caption'], box))
    return runs


class Program:
    """A started program whose benchmark lines are read as they come."""

    def __init__(self, command):
        env = dict(os.environ, QT_QPA_PLATFORM='xcb')
        self.started_ns = time.monotonic_ns()  # the same clock as steady_clock
        self.process = subprocess.Popen(command, stdout=subprocess.PIPE, env=env, text=True)

    def wait_for(self, what, timeout=60):
        """The fields of the next `velmora-benchmark WHAT` line."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            ready, _, _ = select.select([self.process.stdout], [], [], 1)
            if not ready:
                continue
            line = self.process.stdout.readline()
            if not line:
                break
            fields = line.split()
            if len(fields) >= 3 and fields[0] == 'velmora-benchmark' and fields[1] == what:
                details = dict(f.split('=', 1) for f in fields[3:] if '=' in f)
                return int(fields[2]), details
        raise RuntimeError(f'{self.process.args[0]}: no "{what}" line within {timeout} s')

    def cpu_ns(self):
        """Processor time of all the program's threads so far."""
        total = 0
        tasks = f'/proc/{self.process.pid}/task'
        for task in os.listdir(tasks):
            with open(f'{tasks}/{task}/schedstat') as f:
                total += int(f.read().split()[0])
        return total

    def resident_kib(self):
        with open(f'/proc/{self.process.pid}/status') as f:
            for line in f:
                if line.startswith('VmRSS:'):
                    return int(line.split()[1])
        return 0

    def stop(self):
        self.process.kill()
        self.process.wait()


def click(window, point):
    """A real click at a point (twips) of the window so captioned."""
    subprocess.run(['bash', '-c', 'source scripts/x-windows.sh; click_at "$@"', 'click',
                    window, str(point[0]), str(point[1])], cwd=ROOT, check=True)


def wait_for_window(caption, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = subprocess.run(['bash', '-c', 'source scripts/x-windows.sh; window_named "$1"',
                                'find', caption], cwd=ROOT, capture_output=True)
        if found.returncode == 0:
            return
        time.sleep(0.1)
    raise RuntimeError(f'no window "{caption}"')


def start_up(command):
    """Milliseconds from exec to the first window painted, and the memory
    resident once it has settled."""
    program = Program(command)
    try:
        painted, _ = program.wait_for('first-window-painted')
        time.sleep(1)
        return (painted - program.started_ns) / 1e6, program.resident_kib() / 1024
    finally:
        program.stop()


def heat_run(velmora, menu, card, speed, press, caption):
    """A whole run as a child starts it: the processor time it took and the
    tick periods the program measured."""
    program = Program([velmora])
    try:
        program.wait_for('first-window-painted')
        time.sleep(0.5)
        click(menu, card)
        wait_for_window(caption)
        time.sleep(0.5)
        click(caption, speed)
        click(caption, press)
        program.wait_for('run-started')
        cpu_at_start = program.cpu_ns()
        _, ticks = program.wait_for('run-ended')
        return (program.cpu_ns() - cpu_at_start) / 1e6, ticks
    finally:
        program.stop()


def floor_run(floor_disc, box, ticks):
    program = Program([floor_disc, str(box[0]), str(box[1]), str(ticks)])
    try:
        program.wait_for('run-started')
        cpu_at_start = program.cpu_ns()
        program.wait_for('run-ended')
        return (program.cpu_ns() - cpu_at_start) / 1e6
    finally:
        program.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build')
    parser.add_argument('shipped')
    parser.add_argument('report')
    parser.add_argument('--runs', type=int, default=5)
    args = parser.parse_args()
    velmora = os.path.join(args.build, 'app', 'velmora')
    floor_window = os.path.join(args.build, 'bench', 'floor-window')
    floor_disc = os.path.join(args.build, 'bench', 'floor-disc')
    # The program's layout and captions, from the build's describe-velmora,
    # which the X scripts read too.
    describe = os.path.join(os.path.abspath(args.build), 'tools', 'describe-velmora')
    os.environ['VELMORA_DESCRIBE'] = describe
    facts = json.loads(subprocess.run([describe], capture_output=True, check=True).stdout)

    # Once each unmeasured, so both find the libraries and fonts in the
    # page cache; start-up is cheap to measure, so three times as often.
    start_up([velmora])
    start_up([floor_window])
    start, memory, floor_start, floor_memory = [], [], [], []
    for _ in range(3 * args.runs):
        ms, mib = start_up([velmora])
        start.append(ms)
        memory.append(mib)
        ms, mib = start_up([floor_window])
        floor_start.append(ms)
        floor_memory.append(mib)
    figures = [
        Figure('start-up: exec to the menu painted', 'ms', start, floor_start, 1.25),
        Figure('resident memory with the menu shown', 'MiB', memory, floor_memory, 1.25),
    ]

    for name, card, speed, press, caption, box in heat_runs(facts):
        cpu, floor_cpu, means, p99s, worsts, halves = [], [], [], [], [], []
        for _ in range(args.runs):
            ms, ticks = heat_run(velmora, facts['menu']['caption'], card, speed, press, caption)
            cpu.append(ms)
            floor_cpu.append(floor_run(floor_disc, box, int(ticks['ticks'])))
            means.append(float(ticks['mean']))
            p99s.append(float(ticks['p99']))
            worsts.append(float(ticks['worst']))
            halves.append(float(ticks['second-half-mean']) - float(ticks['first-half-mean']))
        figures += [
            Figure(f'processor time of a whole {name} run ({ticks["ticks"]} ticks)', 'ms', cpu,
                   floor_cpu, 1.5),
            Figure(f'{name}: mean tick period', 'ms', means, target=MEAN_PERIOD_RANGE),
            Figure(f'{name}: 99th percentile tick period', 'ms', p99s),
            Figure(f'{name}: worst tick period', 'ms', worsts),
            Figure(f'{name}: drift (second half\'s mean period − first half\'s)', 'ms', halves,
                   target=DRIFT_RANGE),
        ]

    fragment(args.report, 'qt', 'On Linux (Qt on Xvfb)',
             'Velmora against floor-window (one window of the menu\'s size showing the menu\'s '
             'Japanese line in IPAPGothic) and floor-disc (one growing disc painted every 50 ms '
             'into a box of the metal\'s size, as many ticks as the run). '
             f'{3 * args.runs} start-ups and {args.runs} runs of each shape, ours and the floor '
             'alternating.', figures,
             [Size('velmora (Release, as built)', args.shipped)])


if __name__ == '__main__':
    main()
