#!/usr/bin/python3
"""BENCHMARKS.md from the parts' sections: the machine, the date and the
command first, then every target at a glance, each part's figures, and the
notes on what remains.

  write_benchmarks.py REPORT_DIR OUTPUT COMMAND
"""
import datetime
import os
import platform
import subprocess
import sys

PARTS = ['qt', 'chromium', 'wine']  # in this order in the report
NOTES = os.path.join(os.path.dirname(__file__), 'notes.md')


def machine():
    cpu = ''
    with open('/proc/cpuinfo') as f:
        for line in f:
            if line.startswith('model name'):
                cpu = line.split(':', 1)[1].strip()
                break
    with open('/proc/meminfo') as f:
        memory_gib = int(f.readline().split()[1]) / 1024 / 1024
    with open('/etc/os-release') as f:
        system = dict(line.rstrip().split('=', 1) for line in f if '=' in line)
    return (f'{cpu}, {os.cpu_count()} cores, {memory_gib:.0f} GiB, '
            f'{system.get("PRETTY_NAME", "").strip(chr(34))}, Linux {platform.release()}')


def verdicts(section):
    """Every figure of a section's tables that has a target: its name (the
    first column, and the second where that names the figure, or after the
    table's heading) and whether the target was met."""
    header, heading = [], ''
    for line in section.splitlines():
        if line.startswith('### '):
            heading = line[4:].strip() + ': '
        if not line.startswith('|'):
            header = []
            continue
        cells = [c.strip() for c in line.strip('|').split('|')]
        if not header:
            header = cells
            continue
        for cell in cells[1:]:
            met = cell == 'yes' or cell.endswith(': met')
            if met or cell == '**no**' or cell.endswith('**missed**'):
                name = (f'{cells[0]}: {cells[1]}' if header[1] == 'figure' else
                        heading + cells[0] if heading and header[1] != 'figure' else cells[0])
                yield name, met
                break


def main():
    report, output, command = sys.argv[1:4]
    commit = subprocess.run(['git', 'rev-parse', '--short', 'HEAD'], capture_output=True,
                            text=True).stdout.strip()
    lines = ['# Benchmarks', '',
             'How fast and how small Velmora is beside the least a program of the same toolkit '
             'costs. Written by the benchmark script; do not edit by hand (the notes at the end '
             'come from bench/notes.md).', '',
             f'- Command: `{command}`',
             f'- Date: {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC',
             f'- Commit: {commit}',
             f'- Machine: {machine()}', '',
             '## Targets at a glance', '',
             '| part | figure | met |', '|---|---|---|']
    sections = []
    for part in PARTS:
        path = os.path.join(report, f'{part}.md')
        if not os.path.exists(path):
            lines.append(f'| {part} | (not measured) | **no** |')
            continue
        with open(path) as f:
            section = f.read().rstrip()
        sections.append(section)
        for name, met in verdicts(section):
            lines.append(f'| {part} | {name} | {"yes" if met else "**no**"} |')
    lines += [''] + [s + '\n' for s in sections]
    with open(NOTES) as f:
        lines.append(f.read().rstrip())
    with open(output, 'w') as out:
        out.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
