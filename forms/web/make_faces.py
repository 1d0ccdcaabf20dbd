#!/usr/bin/python3
"""Cuts the two Gothic faces down to the characters the program shows and
writes them as WOFF2, plus the style sheet that embeds them in the page.

    make_faces.py OUT_DIR SOURCE...

Every character of the given sources (the program's windows and the page
around them) and all of printable ASCII are kept. The faces come from
Debian's fonts-ipafont-gothic. Their licence forbids a derived font to
carry the original's name, so the cut faces are renamed "Velmora Gothic"
and "Velmora P Gothic", and the licence text ships beside the page.

Writes into OUT_DIR: VelmoraGothic.woff2, VelmoraPGothic.woff2, faces.css
(the @font-face rules with the fonts inside as base64) and
IPA_Font_License_Agreement_v1.0.txt (the licence, from Debian's copyright
file).
"""
import base64
import io
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FONT_DIR = '/usr/share/fonts/opentype/ipafont-gothic'
COPYRIGHT = '/usr/share/doc/fonts-ipafont-gothic/copyright'
LICENCE = 'IPA_Font_License_Agreement_v1.0.txt'
# (original file, family name of the cut face, file name of the cut face)
FACES = [('ipag.ttf', 'Velmora Gothic', 'VelmoraGothic'),
         ('ipagp.ttf', 'Velmora P Gothic', 'VelmoraPGothic')]


def shown_characters(sources):
    shown = set(chr(c) for c in range(0x20, 0x7f))
    for path in sources:
        with open(path, encoding='utf-8') as source:
            shown.update(c for c in source.read() if ord(c) > 0x7e)
    return ''.join(sorted(shown))


def renamed(font, family, file_stem):
    names = font['name']
    version = names.getDebugName(5) or ''
    notice = ('Derived from the IPA fonts under the IPA Font License Agreement v1.0; '
              'cut down to the characters Velmora shows.')
    for record in list(names.names):
        if record.nameID in (1, 3, 4, 6, 16, 17, 18):
            names.removeNames(nameID=record.nameID)
    for name_id, text in ((1, family), (3, file_stem + ' ' + version), (4, family),
                          (6, file_stem), (10, notice)):
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)


def cut(original, family, file_stem, characters):
    options = subset.Options()
    options.flavor = 'woff2'
    options.layout_features = ['*']
    options.name_IDs = ['*']
    options.name_languages = ['*']
    options.notdef_outline = True
    font = TTFont(os.path.join(FONT_DIR, original))
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    renamed(font, family, file_stem)
    font.flavor = 'woff2'
    data = io.BytesIO()
    font.save(data)
    return data.getvalue()


def licence_text():
    # The licence paragraph of the Debian copyright file, unindented.
    lines, inside = [], False
    with open(COPYRIGHT, encoding='utf-8') as copyright_file:
        for line in copyright_file:
            # The Files paragraph names the licence; its own paragraph holds it.
            if line.startswith('License: IPA-1'):
                inside = True
            elif inside and not line.startswith(' '):
                if lines:
                    break
                inside = False
            elif inside:
                lines.append('' if line.strip() == '.' else line[1:].rstrip())
    if not lines:
        sys.exit('The IPA font licence was not found in ' + COPYRIGHT)
    return '\n'.join(lines).strip() + '\n'


def main():
    out_dir, sources = sys.argv[1], sys.argv[2:]
    characters = shown_characters(sources)
    rules = ['/* The Gothic faces the page shows its texts in: cut from the IPA fonts,\n'
             '   renamed as their licence asks; see velmora-faces/README.txt. */']
    for original, family, file_stem in FACES:
        woff2 = cut(original, family, file_stem, characters)
        with open(os.path.join(out_dir, file_stem + '.woff2'), 'wb') as out:
            out.write(woff2)
        rules.append("@font-face { font-family: '%s'; font-display: block; "
                     "src: url(data:font/woff2;base64,%s) format('woff2'); }"
                     % (family, base64.b64encode(woff2).decode('ascii')))
    with open(os.path.join(out_dir, 'faces.css'), 'w', encoding='utf-8') as out:
        out.write('\n'.join(rules) + '\n')
    with open(os.path.join(out_dir, LICENCE), 'w', encoding='utf-8') as out:
        out.write(licence_text())


if __name__ == '__main__':
    main()
