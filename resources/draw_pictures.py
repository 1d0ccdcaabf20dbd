#!/usr/bin/python3
"""Draws Velmora's three pictures.

  lamp.ico  32x32, 16 colours: a red and yellow flame standing on a grey
            alcohol-lamp base. It is the window icon of every window.
  fire.ico  32x32, 16 colours: two thin blue lines crossing like an X at
            pixel (16, 16), with a small flame (red rim, yellow inside, white
            core) in the lower part of the X, its tip at the crossing, on a
            short grey base. It marks where the child pressed, and it is the
            cursor over the metal, with its hot spot at the crossing. Pixels
            outside the drawing are transparent so the light-red marker box
            shows through.
  menu.gif  129x178, GIF89a with a transparent background: line art of a
            metal plate held by a clamp on a stand above an alcohol lamp, the
            experiment the program imitates. Shown on the menu's pale
            rgb(212, 208, 200) background.
  hicolor/  the lamp again, as the program's icon in the desktop's menu:
            PNGs from 16x16 to 256x256 in the hicolor theme's layout
            (hicolor/SIZExSIZE/apps/velmora.png), installed as they stand.
  velmora.ico  the lamp once more as velmora.exe's own icon on Windows, in
            16, 32, 48 and 256 pixels (PNG images inside the icon file).

Redraw all of them (from the repository root) with:

    python3 resources/draw_pictures.py

Needs only Python 3 and Pillow (Debian: python3-pil). Pillow cannot write
4-bit icons, so the icon files are assembled byte by byte below.

The same run writes picture_pixels.cpp: the three pictures as plain pixels
for the forms toolkit, so no backend needs an image decoder or a file.
"""

import io
import math
import pathlib
import struct

from PIL import Image, ImageDraw

HERE = pathlib.Path(__file__).resolve().parent

# The classic Windows 16-colour palette, in its usual order.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]
BLACK, MAROON, SILVER, GREY, RED, YELLOW, BLUE, WHITE = 0, 1, 7, 8, 9, 11, 12, 15

SIZE = 32  # icons are 32x32 pixels


# ---------------------------------------------------------------------------
# Icon canvas helpers. A canvas is a 32x32 grid of palette indices; None marks
# a transparent pixel.


def new_canvas():
    return [[None] * SIZE for _ in range(SIZE)]


def put(canvas, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        canvas[y][x] = colour


def region_from_spans(spans):
    """spans: {row: (left, right)} inclusive -> set of (x, y)."""
    return {(x, y) for y, (left, right) in spans.items() for x in range(left, right + 1)}


def symmetric_spans(centre, half_widths):
    """half_widths: {row: h} -> spans centre-h .. centre+h."""
    return {y: (centre - h, centre + h) for y, h in half_widths.items()}


def edge_of(region):
    """Pixels of the region that touch (4-neighbour) a pixel outside it."""
    return {
        (x, y)
        for (x, y) in region
        if any(n not in region for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
    }


def paint(canvas, pixels, colour):
    for x, y in pixels:
        put(canvas, x, y, colour)


# ---------------------------------------------------------------------------
# ICO writer: one 32x32 image, 4 bits per pixel, 16-entry palette, XOR bitmap
# stored bottom-up, then the 1-bit AND mask (1 = transparent).


def ico_bytes(canvas):
    header = struct.pack("<HHH", 0, 1, 1)  # reserved, type 1 = icon, one image
    bmp_header = struct.pack(
        "<IiiHHIIiiII",
        40,  # size of this header
        SIZE,  # width
        SIZE * 2,  # height counts the XOR bitmap and the AND mask together
        1,  # planes
        4,  # bits per pixel
        0,  # no compression
        SIZE * SIZE // 2 + SIZE * 4,  # bytes of XOR bitmap + AND mask
        0,
        0,
        16,  # colours used
        0,
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)

    xor_rows = []
    and_rows = []
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom row first
        row = canvas[y]
        xor = bytearray()
        for x in range(0, SIZE, 2):
            hi = row[x] if row[x] is not None else 0
            lo = row[x + 1] if row[x + 1] is not None else 0
            xor.append((hi << 4) | lo)
        # 32 pixels at 4 bits = 16 bytes, already a multiple of 4.
        xor_rows.append(bytes(xor))
        mask = 0
        for x in range(SIZE):
            if row[x] is None:
                mask |= 1 << (SIZE - 1 - x)
        and_rows.append(struct.pack(">I", mask))  # 4 bytes, already padded
    image = bmp_header + palette + b"".join(xor_rows) + b"".join(and_rows)

    entry = struct.pack(
        "<BBBBHHII",
        SIZE,
        SIZE,
        16,  # colours in the palette
        0,
        1,  # planes
        4,  # bits per pixel
        len(image),
        len(header) + 16,  # the image follows the one directory entry
    )
    return header + entry + image


def write_ico(canvas, name):
    (HERE / name).write_bytes(ico_bytes(canvas))


# ---------------------------------------------------------------------------
# lamp.ico: a tall red and yellow flame on the wick of a grey alcohol lamp.


def draw_lamp():
    c = new_canvas()
    centre = 16

    # Flame: a teardrop whose tip leans a little to the right, as a real flame
    # flickers. A red rim around a yellow heart.
    flame_spans = {
        1: (17, 17),
        2: (17, 17),
        3: (16, 17),
        4: (16, 17),
        5: (15, 17),
        6: (15, 18),
        7: (14, 18),
        8: (14, 18),
        9: (13, 19),
        10: (13, 19),
        11: (12, 20),
        12: (12, 20),
        13: (12, 20),
        14: (12, 20),
        15: (13, 19),
        16: (13, 19),
        17: (14, 18),
    }
    flame = region_from_spans(flame_spans)
    rim = edge_of(flame)
    inner = flame - rim
    second_rim = edge_of(inner)
    paint(c, flame, YELLOW)
    paint(c, rim, RED)
    # The upper third burns red through, so the yellow heart sits low and big.
    paint(c, {(x, y) for (x, y) in second_rim if y < 9}, RED)
    # A dark red wisp at the very tip keeps the thin top visible on pale
    # title bars.
    paint(c, {(x, y) for (x, y) in rim if y <= 3}, MAROON)

    # Wick.
    paint(c, {(centre, 18)}, BLACK)

    # Cap holding the wick.
    cap = region_from_spans(symmetric_spans(centre, {19: 3, 20: 3, 21: 3}))
    paint(c, cap, GREY)
    paint(c, edge_of(cap), BLACK)
    paint(c, {(x, 20) for x in range(centre - 2, centre)}, SILVER)

    # Body: a squat round glass bottle, silver with a darker right side and a
    # white gleam on the upper left.
    body_half = {22: 3, 23: 7, 24: 9, 25: 10, 26: 11, 27: 11, 28: 11, 29: 11, 30: 10, 31: 8}
    body = region_from_spans(symmetric_spans(centre, body_half))
    paint(c, body, SILVER)
    shade = {(x, y) for (x, y) in body if x >= centre + body_half[y] - 3 or y >= 30}
    paint(c, shade, GREY)
    paint(c, {(11, 24), (10, 25), (9, 26), (9, 27), (10, 24)}, WHITE)
    paint(c, edge_of(body), BLACK)
    # Neck line where the cap meets the bottle.
    paint(c, {(x, 22) for x in range(centre - 3, centre + 4)}, BLACK)
    return c


# ---------------------------------------------------------------------------
# The desktop menu's icon: the same lamp as the window icon, so the program
# looks the same in the menu, the task bar and its own title bars.

HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def lamp_image(canvas):
    """The 32x32 canvas as an RGBA image, transparent where nothing is drawn."""
    img = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 0))
    for y, row in enumerate(canvas):
        for x, colour in enumerate(row):
            if colour is not None:
                img.putpixel((x, y), PALETTE[colour] + (255,))
    return img


def at_size(img, size):
    """Each drawn pixel becomes exactly a (size/32)-wide square: blow the
    drawing up by whole pixels until it is a multiple of the size, then average
    whole blocks down. Multiples of 32 stay sharp pixel art; other sizes get
    soft edges only where a pixel falls across two."""
    factor = size // math.gcd(size, SIZE)
    big = img.resize((SIZE * factor, SIZE * factor), Image.NEAREST)
    return big.resize((size, size), Image.BOX)


def write_hicolor_icons(canvas):
    img = lamp_image(canvas)
    for size in HICOLOR_SIZES:
        folder = HERE / "hicolor" / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        at_size(img, size).save(folder / "velmora.png", format="PNG", optimize=True)


# ---------------------------------------------------------------------------
# velmora.ico: the lamp once more, as the Windows program's own icon, in
# every size Windows asks for (16 in lists and title bars, 32 on the
# desktop, 48 in large-icon views, 256 in Explorer's extra-large view).
# Each image is stored as PNG inside the icon file, which Windows reads
# from Vista on and which keeps the 256 one small.

WINDOWS_ICON_SIZES = (16, 32, 48, 256)


def write_windows_icon(canvas):
    img = lamp_image(canvas)
    images = []
    for size in WINDOWS_ICON_SIZES:
        png = io.BytesIO()
        at_size(img, size).save(png, format="PNG", optimize=True)
        images.append((size, png.getvalue()))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, data in images:
        # Width and height 0 mean 256; 32 bits per pixel, no palette.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    (HERE / "velmora.ico").write_bytes(header + entries + b"".join(data for _, data in images))


# ---------------------------------------------------------------------------
# fire.ico: the burner marker and cursor.


def draw_fire():
    c = new_canvas()
    cross = 16  # the crossing point and the cursor's hot spot

    # Flame below the crossing, filling the lower part of the X. Its half
    # width never exceeds the gap between the two lines on that row.
    flame_half = {
        17: 0,
        18: 1,
        19: 2,
        20: 2,
        21: 3,
        22: 4,
        23: 4,
        24: 5,
        25: 5,
        26: 5,
        27: 4,
    }
    for y, h in flame_half.items():
        assert h <= y - cross - 1, "flame would cover the blue lines"
    flame = region_from_spans(symmetric_spans(cross, flame_half))
    core_half = {22: 0, 23: 1, 24: 1, 25: 2, 26: 1}
    core = region_from_spans(symmetric_spans(cross, core_half))
    paint(c, flame, YELLOW)
    paint(c, edge_of(flame), RED)
    paint(c, core, WHITE)

    # Short grey burner base under the flame.
    base = region_from_spans(symmetric_spans(cross, {28: 3, 29: 5, 30: 5}))
    paint(c, base, SILVER)
    paint(c, {(x, y) for (x, y) in base if x > cross + 2 or y == 30}, GREY)
    paint(c, {(x, 31) for x in range(cross - 5, cross + 6)}, BLACK)
    paint(c, {(cross - 6, 29), (cross - 6, 30), (cross + 6, 29), (cross + 6, 30)}, BLACK)
    paint(c, {(cross - 4, 28), (cross + 4, 28)}, BLACK)

    # The two thin blue lines, drawn last so they stay unbroken; they cross
    # exactly at (16, 16).
    for i in range(SIZE):
        put(c, i, i, BLUE)  # top-left to bottom-right
        put(c, 2 * cross - i, i, BLUE)  # top-right to bottom-left
    return c


# ---------------------------------------------------------------------------
# menu.gif: the classroom experiment in line art.

GIF_W, GIF_H = 129, 178
BACKGROUND = (212, 208, 200)  # the menu window's background, used for edge blending
SCALE = 4  # drawn large, then averaged down so the lines are smooth

INK = (40, 40, 48)
PLATE = (176, 180, 188)
PLATE_TOP = (206, 210, 216)
STAND = (120, 120, 128)
GLASS = (196, 222, 236)
ALCOHOL = (150, 196, 226)
CAP = (150, 150, 158)
FLAME_OUT = (236, 64, 32)
FLAME_MID = (252, 160, 32)
FLAME_IN = (255, 236, 120)
FLAME_EDGE = (168, 32, 16)


def draw_menu():
    s = SCALE
    img = Image.new("RGB", (GIF_W * s, GIF_H * s), BACKGROUND)
    d = ImageDraw.Draw(img)
    lw = 2 * s  # outline width: two pixels at full size

    def P(points):
        return [(x * s, y * s) for (x, y) in points]

    def box(x0, y0, x1, y1):
        return [x0 * s, y0 * s, x1 * s, y1 * s]

    # Stand: heavy foot, upright rod, boss head with a screw, and the clamp arm.
    d.rounded_rectangle(box(4, 164, 124, 174), radius=2 * s, fill=STAND, outline=INK, width=lw)
    d.rounded_rectangle(box(14, 8, 21, 166), radius=3 * s, fill=STAND, outline=INK, width=lw)
    d.rectangle(box(22, 71, 44, 76), fill=STAND, outline=INK, width=lw)  # arm
    d.rounded_rectangle(box(10, 64, 26, 82), radius=2 * s, fill=STAND, outline=INK, width=lw)
    d.rectangle(box(4, 70, 10, 76), fill=STAND, outline=INK, width=lw)  # screw
    d.rectangle(box(1, 67, 4, 79), fill=STAND, outline=INK, width=lw)  # screw knob

    # Metal plate seen a little from above: top face and front edge.
    top = [(50, 58), (126, 58), (112, 72), (36, 72)]
    front = [(36, 72), (112, 72), (112, 77), (36, 77)]
    side = [(112, 72), (126, 58), (126, 63), (112, 77)]
    d.polygon(P(front), fill=PLATE, outline=INK, width=lw)
    d.polygon(P(side), fill=STAND, outline=INK, width=lw)
    d.polygon(P(top), fill=PLATE_TOP, outline=INK, width=lw)

    # Clamp jaws biting the plate's left edge (drawn over the plate).
    d.rectangle(box(40, 66, 50, 70), fill=STAND, outline=INK, width=lw)
    d.rectangle(box(40, 78, 50, 82), fill=STAND, outline=INK, width=lw)
    d.rectangle(box(40, 66, 44, 82), fill=STAND, outline=INK, width=lw)

    # Alcohol lamp standing on the foot, right under the plate's middle.
    lamp_x = 80
    # Flame: nested teardrops, tip just under the plate.
    for colour, (half, top_y, bottom_y) in (
        (FLAME_OUT, (10, 80, 114)),
        (FLAME_MID, (7, 88, 113)),
        (FLAME_IN, (4, 97, 112)),
    ):
        tip = (lamp_x, top_y)
        body = box(lamp_x - half, bottom_y - 2 * half, lamp_x + half, bottom_y)
        d.ellipse(body, fill=colour)
        d.polygon(
            P([tip, (lamp_x - half, bottom_y - half), (lamp_x + half, bottom_y - half)]),
            fill=colour,
        )
    # Outline of the outer flame, in a darker red so it stays a flame.
    half, top_y, bottom_y = 10, 80, 114
    for side in (-1, 1):
        flank_end = (lamp_x + side * (half - 0.5), bottom_y - half - 1)
        d.line(P([(lamp_x, top_y), flank_end]), fill=FLAME_EDGE, width=s)
    flame_belly = box(lamp_x - half, bottom_y - 2 * half, lamp_x + half, bottom_y)
    d.arc(flame_belly, start=0, end=180, fill=FLAME_EDGE, width=s)

    # Wick, cap, neck and the round glass body with alcohol in it.
    d.rectangle(box(lamp_x - 1.5, 112, lamp_x + 1.5, 120), fill=INK)
    cap = box(lamp_x - 9, 119, lamp_x + 9, 130)
    d.rounded_rectangle(cap, radius=2 * s, fill=CAP, outline=INK, width=lw)
    d.rectangle(box(lamp_x - 6, 130, lamp_x + 6, 136), fill=GLASS, outline=INK, width=lw)
    body = box(lamp_x - 28, 132, lamp_x + 28, 165)
    d.chord(body, start=0, end=360, fill=GLASS)
    d.chord(body, start=-8, end=188, fill=ALCOHOL)  # liquid up to a level line
    d.ellipse(body, outline=INK, width=lw)
    # Flat bottom so the lamp stands.
    d.rectangle(box(lamp_x - 18, 162, lamp_x + 18, 164), fill=INK)
    # Neck joins the body without a line across it.
    d.rectangle(box(lamp_x - 4, 131, lamp_x + 4, 136), fill=GLASS)
    # A gleam on the glass.
    gleam = box(lamp_x - 22, 137, lamp_x + 6, 161)
    d.arc(gleam, start=200, end=245, fill=(255, 255, 255), width=lw)

    small = img.resize((GIF_W, GIF_H), Image.BOX)

    # Up to 255 drawing colours plus one reserved, transparent index for every
    # pixel that is pure background.
    indexed = small.quantize(
        colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE
    )
    palette = indexed.getpalette()[: 255 * 3]
    palette += [0] * (255 * 3 - len(palette))
    palette += list(BACKGROUND)
    indexed.putpalette(palette)
    transparent = 255
    src = small.load()
    dst = indexed.load()
    for y in range(GIF_H):
        for x in range(GIF_W):
            if src[x, y] == BACKGROUND:
                dst[x, y] = transparent
    indexed.save(HERE / "menu.gif", format="GIF", transparency=transparent, optimize=False)
    return indexed, transparent


# ---------------------------------------------------------------------------
# picture_pixels.cpp: every picture as a palette of 0xAARRGGBB colours and
# two hex digits (a palette index) per pixel, row by row from the top.

TRANSPARENT = 0x00000000


def icon_pixels(canvas):
    palette = [0xFF000000 | (r << 16) | (g << 8) | b for (r, g, b) in PALETTE]
    palette.append(TRANSPARENT)  # index 16: outside the drawing
    indices = [len(PALETTE) if p is None else p for row in canvas for p in row]
    return SIZE, SIZE, palette, indices


def gif_pixels(indexed, transparent):
    flat = indexed.getpalette()
    palette = [0xFF000000 | (flat[3 * i] << 16) | (flat[3 * i + 1] << 8) | flat[3 * i + 2]
               for i in range(len(flat) // 3)]
    palette[transparent] = TRANSPARENT
    width, height = indexed.size
    return width, height, palette, list(indexed.getdata())


def pixel_source(pictures):
    lines = [
        "// Written by resources/draw_pictures.py with the pictures themselves; do not edit.",
        '#include "forms/compiled_pictures.h"',
        "",
        "namespace forms {",
        "",
        "namespace {",
    ]
    for number, (name, (width, height, palette, indices)) in enumerate(pictures):
        lines.append("")
        lines.append(f"// {name}")
        lines.append(f"const std::uint32_t palette{number}[] = {{")
        for start in range(0, len(palette), 6):
            lines.append("    " + ", ".join(f"0x{c:08X}" for c in palette[start:start + 6]) + ",")
        lines.append("};")
        lines.append(f"const char pixels{number}[] =")
        for y in range(height):
            row = indices[y * width:(y + 1) * width]
            lines.append('    "' + "".join(f"{i:02X}" for i in row) + '"')
        lines[-1] += ";"
    lines.append("")
    lines.append("}  // namespace")
    lines.append("")
    lines.append("const std::vector<CompiledPicture>& compiledPictures() {")
    lines.append("  static const std::vector<CompiledPicture> pictures{")
    for number, (name, (width, height, palette, _)) in enumerate(pictures):
        lines.append(f'      {{"{name}", {width}, {height}, palette{number}, {len(palette)}, '
                     f"pixels{number}}},")
    lines.append("  };")
    lines.append("  return pictures;")
    lines.append("}")
    lines.append("")
    lines.append("}  // namespace forms")
    return "\n".join(lines) + "\n"


def write_pixel_source(pictures):
    (HERE / "picture_pixels.cpp").write_text(pixel_source(pictures), encoding="utf-8")


def main():
    lamp = draw_lamp()
    fire = draw_fire()
    write_ico(lamp, "lamp.ico")
    write_hicolor_icons(lamp)
    write_windows_icon(lamp)
    write_ico(fire, "fire.ico")
    menu, transparent = draw_menu()
    write_pixel_source([
        ("lamp.ico", icon_pixels(lamp)),
        ("fire.ico", icon_pixels(fire)),
        ("menu.gif", gif_pixels(menu, transparent)),
    ])


if __name__ == "__main__":
    main()
