"""One section of BENCHMARKS.md: a table of figures, each the median and
spread (min–max) over the runs, beside its floor program's where it has
one, with the target and whether it was met. Written as Markdown and as
JSON (the raw runs) into the report folder.
"""
import gzip
import json
import os
import statistics
from dataclasses import dataclass, field

# The largest velmora.exe or velmora.html a classroom should have to copy.
MAX_FILE_BYTES = 1024 * 1024


def tick_targets(tolerance_ms):
    """The ranges (ms) a run's mean tick period and its drift (the second
    half's mean period less the first half's) must fall in, for a 50 ms
    timer held to tolerance_ms."""
    return (50 - tolerance_ms, 50 + tolerance_ms), (-tolerance_ms, tolerance_ms)


@dataclass
class Figure:
    name: str
    unit: str
    runs: list
    floor_runs: list = field(default_factory=list)
    # A ratio to the floor not to exceed, or a (low, high) range for the
    # median itself.
    target: object = None

    def median(self):
        return statistics.median(self.runs)

    def ratio(self):
        return self.median() / statistics.median(self.floor_runs) if self.floor_runs else None

    def met(self):
        if self.target is None:
            return None
        if isinstance(self.target, tuple):
            return self.target[0] <= self.median() <= self.target[1]
        return self.ratio() <= self.target

    def target_text(self):
        if self.target is None:
            return ''
        if isinstance(self.target, tuple):
            low, high = self.target
            return f'{low:g}–{high:g} {self.unit}'
        return f'≤ {self.target:g}×'


def spread(values):
    def shown(value):
        return f'{value:.1f}'.replace('-0.0', '0.0')
    return f'{shown(statistics.median(values))} ({shown(min(values))}–{shown(max(values))})'


@dataclass
class Size:
    name: str
    path: str
    limit: int = None  # bytes

    def bytes(self):
        return os.path.getsize(self.path)

    def gzipped(self):
        with open(self.path, 'rb') as f:
            return len(gzip.compress(f.read(), 9))


def fragment(report_dir, part, title, preface, figures, sizes=()):
    rows = ['| figure | Velmora | floor | ratio | target | met |',
            '|---|---|---|---|---|---|']
    for f in figures:
        floor = spread(f.floor_runs) if f.floor_runs else ''
        ratio = f'{f.ratio():.2f}×' if f.floor_runs else ''
        met = {None: '', True: 'yes', False: '**no**'}[f.met()]
        rows.append(f'| {f.name} | {spread(f.runs)} {f.unit} | {floor} {f.unit if floor else ""} '
                    f'| {ratio} | {f.target_text()} | {met} |')
    size_rows = ['| file | bytes | gzip -9 | target | met |', '|---|---|---|---|---|']
    for s in sizes:
        limit = f'≤ {s.limit:,} bytes' if s.limit else ''
        met = '' if not s.limit else ('yes' if s.bytes() <= s.limit else '**no**')
        size_rows.append(f'| {s.name} | {s.bytes():,} | {s.gzipped():,} | {limit} | {met} |')
    os.makedirs(report_dir, exist_ok=True)
    with open(os.path.join(report_dir, f'{part}.md'), 'w') as out:
        out.write(f'## {title}\n\n{preface}\n\nMedian (min–max) over the runs.\n\n')
        out.write('\n'.join(rows) + '\n')
        if sizes:
            out.write('\n' + '\n'.join(size_rows) + '\n')
    with open(os.path.join(report_dir, f'{part}.json'), 'w') as out:
        json.dump([{'name': f.name, 'unit': f.unit, 'runs': f.runs, 'floor_runs': f.floor_runs,
                    'ratio': f.ratio(), 'met': f.met()} for f in figures] +
                  [{'name': s.name, 'unit': 'bytes', 'runs': [s.bytes()], 'gzipped': s.gzipped(),
                    'met': None if not s.limit else s.bytes() <= s.limit} for s in sizes],
                  out, indent=1, ensure_ascii=False)
