"""One section of BENCHMARKS.md: a table of figures, each the median and
spread (min–max) over the runs, beside its floor program's where it has
one, with the target and whether it was met. Written as Markdown and as
JSON (the raw runs) into the report folder.
"""
import json
import os
import statistics
from dataclasses import dataclass, field


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
    return f'{statistics.median(values):.1f} ({min(values):.1f}–{max(values):.1f})'


def fragment(report_dir, part, title, preface, figures):
    rows = ['| figure | Velmora | floor | ratio | target | met |',
            '|---|---|---|---|---|---|']
    for f in figures:
        floor = spread(f.floor_runs) if f.floor_runs else ''
        ratio = f'{f.ratio():.2f}×' if f.floor_runs else ''
        met = {None: '', True: 'yes', False: '**no**'}[f.met()]
        rows.append(f'| {f.name} | {spread(f.runs)} {f.unit} | {floor} | {ratio} | '
                    f'{f.target_text()} | {met} |')
    os.makedirs(report_dir, exist_ok=True)
    with open(os.path.join(report_dir, f'{part}.md'), 'w') as out:
        out.write(f'## {title}\n\n{preface}\n\nMedian (min–max) over the runs.\n\n')
        out.write('\n'.join(rows) + '\n')
    with open(os.path.join(report_dir, f'{part}.json'), 'w') as out:
        json.dump([{'name': f.name, 'unit': f.unit, 'runs': f.runs, 'floor_runs': f.floor_runs,
                    'ratio': f.ratio(), 'met': f.met()} for f in figures], out, indent=1,
                  ensure_ascii=False)
