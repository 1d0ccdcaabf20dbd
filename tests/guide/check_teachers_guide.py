#!/usr/bin/env python3
"""Checks what a teacher reads: the guide's source, its printed PDF and the
notes in the release archives.

  check_teachers_guide.py [--render OUTDIR VERSION] [PDF VERSION]...

The source must give every topic of docs/teachers-guide/topics.txt a heading
whose section holds the topic's words, and every picture it shows must exist.
The guide and the notes must read as adult Japanese: kanji among the kana,
and no kana spaced word by word as in a first-grade reader; the notes point
to the guide. With --render the guide is printed first, as the release
prints it (scripts/make-teachers-guide.sh). Every PDF must have two to four
A4 pages, embed every face it uses (IPA faces only, as the source names
them), and its text must hold every topic's heading and words and the
version it was printed for; where SOURCE_DATE_EPOCH is set, that is the
PDF's date. Needs poppler-utils.
"""

import datetime
import html.parser
import os
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
GUIDE = ROOT / 'docs' / 'teachers-guide'
SOURCE = GUIDE / 'teachers-guide.html'
TOPICS = GUIDE / 'topics.txt'
NOTES = [ROOT / 'packaging' / 'windows' / 'teachers-note.txt',
         ROOT / 'packaging' / 'web' / 'teachers-note.txt']
GUIDE_FILE_SUFFIX = 'teachers-guide.pdf'

A4_POINTS = (595.28, 841.89)
PAGES_ALLOWED = range(2, 5)
KANJI = re.compile(r'[\u4e00-\u9fff]')
KANA = re.compile(r'[\u3041-\u309f\u30a0-\u30ff]')
# A kana, one space, a hiragana: the first-grade reader's way of writing.
SPACED_KANA = re.compile(r'[\u3041-\u309f\u30a0-\u30ff][ \u3000][\u3041-\u309f]')

failures = []


def fail(message):
    failures.append(message)
    print('FAIL:', message)


def read_topics():
    """Each topic's name and the words its section must hold."""
    topics = {}
    for line in TOPICS.read_text(encoding='utf-8').splitlines():
        if line.strip() and not line.startswith('#'):
            name, *words = line.split()
            topics[name] = words
    return topics


class GuideReader(html.parser.HTMLParser):
    """Splits the guide's text at its topic headings and collects pictures."""

    def __init__(self):
        super().__init__()
        self.sections = {}   # topic name -> [heading text, section text]
        self.headings = []   # topic names in order, repeats included
        self.pictures = []
        self.all_text = []
        self._topic = None
        self._in_heading = False
        self._in_script = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == 'h2':
            self._topic = attrs.get('data-topic')
            self._in_heading = True
            if self._topic:
                self.headings.append(self._topic)
                self.sections.setdefault(self._topic, ['', ''])
        elif tag == 'img':
            self.pictures.append(attrs.get('src', ''))
        elif tag == 'script':
            self._in_script = True

    def handle_endtag(self, tag):
        if tag == 'h2':
            self._in_heading = False
        elif tag == 'script':
            self._in_script = False

    def handle_data(self, data):
        if self._in_script:
            return
        self.all_text.append(data)
        if self._topic:
            self.sections[self._topic][0 if self._in_heading else 1] += data


def squeeze(text):
    """The text without any white space: a PDF's lines break anywhere."""
    return re.sub(r'\s+', '', text)


def check_adult_japanese(what, text, least_kanji):
    kanji = len(KANJI.findall(text))
    kana = len(KANA.findall(text))
    if kanji < least_kanji or kanji < 0.15 * (kanji + kana):
        fail(f'{what}: {kanji} kanji beside {kana} kana reads like a children\'s text')
    for spaced in SPACED_KANA.findall(text):
        fail(f'{what}: kana spaced word by word: "{spaced}"')


def check_source(topics):
    reader = GuideReader()
    reader.feed(SOURCE.read_text(encoding='utf-8'))
    for name, words in topics.items():
        count = reader.headings.count(name)
        if count != 1:
            fail(f'source: topic "{name}" has {count} headings, not one')
            continue
        heading, body = reader.sections[name]
        if not heading.strip():
            fail(f'source: topic "{name}" has an empty heading')
        for word in words:
            if word not in heading + body:
                fail(f'source: the section "{heading.strip()}" lacks "{word}"')
    for picture in reader.pictures:
        if not (GUIDE / picture).resolve().is_file():
            fail(f'source: the picture {picture} does not exist')
    screenshots = [p for p in reader.pictures if '/screenshots/' in p]
    if not 2 <= len(screenshots) <= 3:
        fail(f'source: {len(screenshots)} screenshots, not two or three')
    if not any(p.endswith('resources/menu.gif') for p in reader.pictures):
        fail('source: the lamp picture is missing')
    check_adult_japanese('source', ''.join(reader.all_text), 300)
    return {name: squeeze(reader.sections[name][0]) for name in topics if name in reader.sections}


def check_notes():
    for note in NOTES:
        what = note.relative_to(ROOT)
        if not note.is_file():
            fail(f'{what} is missing')
            continue
        text = note.read_text(encoding='utf-8')
        check_adult_japanese(str(what), text, 50)
        if GUIDE_FILE_SUFFIX not in text:
            fail(f'{what} does not point to the guide ({GUIDE_FILE_SUFFIX})')


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def check_pdf(pdf, version, topics, headings):
    info = run('pdfinfo', '-isodates', pdf)
    epoch = os.environ.get('SOURCE_DATE_EPOCH')
    if epoch:
        stamp = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc)
        for field in ('CreationDate', 'ModDate'):
            date = re.search(rf'^{field}:\s+(\S+)', info, re.M)
            if not date or date.group(1) != stamp.strftime('%Y-%m-%dT%H:%M:%SZ'):
                fail(f'{pdf}: {field} is {date and date.group(1)}, not the release\'s time')
    pages = int(re.search(r'^Pages:\s+(\d+)', info, re.M).group(1))
    if pages not in PAGES_ALLOWED:
        fail(f'{pdf}: {pages} pages, not two to four')
    sizes = run('pdfinfo', '-f', '1', '-l', str(pages), pdf)
    for page, width, height in re.findall(r'^Page\s+(\d+) size:\s+([\d.]+) x ([\d.]+)', sizes, re.M):
        if abs(float(width) - A4_POINTS[0]) > 2 or abs(float(height) - A4_POINTS[1]) > 2:
            fail(f'{pdf}: page {page} is {width} x {height} points, not A4')

    faces = run('pdffonts', pdf).splitlines()[2:]
    if not faces:
        fail(f'{pdf}: no font at all')
    for line in faces:
        fields = line.split()
        name, embedded = fields[0], fields[-5]
        if embedded != 'yes':
            fail(f'{pdf}: the face {name} is not embedded')
        if not name.split('+')[-1].startswith('IPA'):
            fail(f'{pdf}: the face {name} is none of the IPA faces the guide names')

    text = run('pdftotext', '-enc', 'UTF-8', pdf, '-')
    check_adult_japanese(pdf, text, 300)
    flat = squeeze(text)
    for name, words in topics.items():
        if name in headings and headings[name] not in flat:
            fail(f'{pdf}: no heading for the topic "{name}"')
        for word in words:
            if squeeze(word) not in flat:
                fail(f'{pdf}: lacks "{word}" (topic "{name}")')
    if version not in flat:
        fail(f'{pdf}: the version {version} is not printed')


def main(arguments):
    pdfs = []
    if arguments[:1] == ['--render']:
        outdir, version = arguments[1:3]
        # Printed as a release prints it: dated by its commit, not the clock.
        os.environ.setdefault('SOURCE_DATE_EPOCH', '1700000000')
        made = run('bash', str(ROOT / 'scripts' / 'make-teachers-guide.sh'), outdir, version)
        pdfs.append((made.splitlines()[-1], version))
        arguments = arguments[3:]
    if len(arguments) % 2:
        sys.exit(__doc__)
    pdfs += list(zip(arguments[::2], arguments[1::2]))

    topics = read_topics()
    headings = check_source(topics)
    check_notes()
    for pdf, version in pdfs:
        check_pdf(pdf, version, topics, headings)
    checked = 1 + len(NOTES) + len(pdfs)
    print(f'teachers\' guide: {checked} texts checked, {len(failures)} faults')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
