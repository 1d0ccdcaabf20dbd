#!/usr/bin/python3
"""BENCHMARKS.md from the parts' sections: the machine, the date and the
command first, then every target at a glance, each part's figures, and the
notes on what remains.

  write_benchmarks.py REPORT_DIR OUTPUT COMMAND
"""
import datetime
import json
import os
import platform
import subprocess
import sys

PARTS = ['qt', 'chromium', 'engines', 'wine']  # in this order in the report
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
        if not os.path.exists(os.path.join(report, f'{part}.json')):
            lines.append(f'| {part} | (not measured) | **no** |')
            continue
        with open(os.path.join(report, f'{part}.json')) as f:
            for figure in json.load(f):
                if figure['met'] is not None:
                    lines.append(f'| {part} | {figure["name"]} | {"yes" if figure["met"] else "**no**"} |')
        with open(os.path.join(report, f'{part}.md')) as f:
            sections.append(f.read().rstrip())
    lines += [''] + [s + '\n' for s in sections]
    with open(NOTES) as f:
        lines.append(f.read().rstrip())
    with open(output, 'w') as out:
        out.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
