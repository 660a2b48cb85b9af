#!/usr/bin/env python3
"""Draws the program's pictures as SVG and writes assets/assets.qrc.

Run from anywhere:  python3 tools/make_assets.py
Everything under assets/ that this script knows about is rewritten; the PNG
renders of the program icon are made with rsvg-convert (or ImageMagick's
convert) when one of them is installed.

Style: flat line icons on a dark theme.  Toolbar glyphs use a 2 px round-capped
stroke centred on whole-pixel coordinates, 2 px corner radius on every glyph
rectangle, inside a 30 x 30 tile with a 6 px corner radius.  One teal/mint hue
carries the whole set; the "hot" variant brightens the glyph and lights up the
tile.  Only SVG features that Qt's SVG renderer draws are used (no CSS, no
filters, no masks).
"""

from __future__ import annotations

import math
import os
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ASSETS = ROOT / "assets"

# --------------------------------------------------------------------------
# Palette
# --------------------------------------------------------------------------

NORMAL = {
    "tile": "#0b1613",        # faint button tile, just lifts off the black
    "edge": "#183029",
    "fg": "#33c49c",          # glyph stroke
    "accent": "#7be8c8",      # small highlights inside a glyph
}
HOT = {
    "tile": "#10392f",
    "edge": "#3ae0b4",
    "fg": "#d2fff0",
    "accent": "#ffffff",
}

LED_ON = "#46ff7e"
LED_CORE = "#b4ffc8"
LED_OFF = "#0c2414"

STROKE = 2
RADIUS = 2


def fmt(v: float) -> str:
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def svg(width: int, height: int, body: str, title: str) -> str:
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
        f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">\n'
        f"<title>{title}</title>\n{body}</svg>\n"
    )


def line_group(p: dict, inner: str) -> str:
    return (
        f'<g fill="none" stroke="{p["fg"]}" stroke-width="{STROKE}" '
        f'stroke-linecap="round" stroke-linejoin="round">\n{inner}</g>\n'
    )


def rrect(x, y, w, h, r=RADIUS, extra="") -> str:
    return (f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" '
            f'rx="{fmt(r)}" ry="{fmt(r)}"{extra}/>\n')


def path(d: str, extra="") -> str:
    return f'<path d="{d}"{extra}/>\n'


def circle(cx, cy, r, extra="") -> str:
    return f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}"{extra}/>\n'


def page_outline() -> str:
    """A sheet with a folded top-right corner, x 9..21, y 6..24."""
    return path("M11 6 H17 L21 10 V22 A2 2 0 0 1 19 24 H11 A2 2 0 0 1 9 22 "
                "V8 A2 2 0 0 1 11 6 Z") + path("M17 6 V10 H21")


# --------------------------------------------------------------------------
# Toolbar glyphs (30 x 30, glyph inside roughly 5..25)
# --------------------------------------------------------------------------

def g_new(p):
    return line_group(p, page_outline()
                      + path("M15 14 V20 M12 17 H18", f' stroke="{p["accent"]}"'))


def g_open(p):
    back = path("M6 21 V9 A2 2 0 0 1 8 7 H12 L14 9 H20 A2 2 0 0 1 22 11 V13")
    front = path("M6 22 L9.5 14 H25 L21.5 22 Z", f' fill="{p["tile"]}"')
    return line_group(p, back + front)


def g_save(p):
    body = path("M9 7 H19 L23 11 V21 A2 2 0 0 1 21 23 H9 A2 2 0 0 1 7 21 "
                "V9 A2 2 0 0 1 9 7 Z")
    shutter = path("M11 7 V11 H18 V7")
    label = path("M11 23 V17 H19 V23")
    return line_group(p, body + shutter + label)


def g_cut(p):
    # Two finger rings at the bottom, blades crossing over the pivot.
    rings = circle(10, 20, 3) + circle(20, 20, 3)
    blades = path("M11.8 17.6 L20 6 M18.2 17.6 L10 6")
    pivot = circle(15, 13.1, 1.1, f' fill="{p["tile"]}" stroke-width="1.5"')
    return line_group(p, rings + blades + pivot)


def g_copy(p):
    back = rrect(7, 6, 11, 13)
    front = rrect(12, 11, 11, 13, extra=f' fill="{p["tile"]}"')
    return line_group(p, back + front)


def g_paste(p):
    board = rrect(8, 8, 14, 16)
    clip = rrect(12, 6, 6, 4, 1, f' fill="{p["tile"]}"')
    lines = path("M12 15 H18 M12 19 H16", f' stroke="{p["accent"]}"')
    return line_group(p, board + clip + lines)


def g_undo(p):
    return line_group(p, path("M9 11 H16 A6 6 0 0 1 16 23 H11")
                      + path("M13 7 L9 11 L13 15"))


def g_copyall(p):
    # Like "copy", but the front sheet is entirely selected: filled, with its
    # text lines knocked out.
    back = rrect(7, 6, 11, 13)
    front = rrect(12, 11, 11, 13, extra=f' fill="{p["fg"]}"')
    text = path("M15 15 H20 M15 18 H20 M15 21 H18", f' stroke="{p["tile"]}"')
    return line_group(p, back + front + text)


def g_print(p):
    paper_in = path("M10 11 V6 H20 V11")
    body = rrect(6, 11, 18, 8)
    paper_out = rrect(10, 16, 10, 8, 1, f' fill="{p["tile"]}"')
    lamp = circle(20.5, 14, 1, f' fill="{p["accent"]}" stroke="none"')
    return line_group(p, paper_in + body + paper_out + lamp)


def gear_path(cx, cy, r_out, r_in, teeth, tooth_out_deg, tooth_base_deg):
    pts = []
    step = 360 / teeth
    for i in range(teeth):
        a = i * step - 90
        for ang, r in ((a - tooth_base_deg, r_in), (a - tooth_out_deg, r_out),
                       (a + tooth_out_deg, r_out), (a + tooth_base_deg, r_in)):
            t = math.radians(ang)
            pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    d = "M" + " L".join(f"{fmt(x)} {fmt(y)}" for x, y in pts) + " Z"
    return d


def g_settings(p):
    gear = path(gear_path(15, 15, 8.5, 6.2, 8, 9, 15))
    hole = circle(15, 15, 2.5)
    return line_group(p, gear + hole)


def g_help(p):
    ring = circle(15, 15, 9)
    mark = path("M12 12.5 A3 3 0 1 1 16.6 15 Q15 16 15 17.5")
    dot = circle(15, 20.6, 1.3, f' fill="{p["fg"]}" stroke="none"')
    return line_group(p, ring + mark + dot)


def g_about(p):
    ring = circle(15, 15, 9)
    dot = circle(15, 10.4, 1.3, f' fill="{p["fg"]}" stroke="none"')
    stem = path("M15 14 V20")
    return line_group(p, ring + dot + stem)


def g_close(p):
    return line_group(p, page_outline()
                      + path("M12 14 L18 20 M18 14 L12 20",
                             f' stroke="{p["accent"]}"'))


def g_first(p):
    return line_group(p, path("M8 8 V22") + path("M16 8 L11 15 L16 22")
                      + path("M22 8 L17 15 L22 22"))


def g_last(p):
    return line_group(p, path("M22 8 V22") + path("M14 8 L19 15 L14 22")
                      + path("M8 8 L13 15 L8 22"))


def g_player(p):
    band = path("M8 18 V14 A7 7 0 0 1 22 14 V18")
    cups = (rrect(6, 16, 5, 8, extra=f' fill="{p["fg"]}"')
            + rrect(19, 16, 5, 8, extra=f' fill="{p["fg"]}"'))
    return line_group(p, band + cups)


def g_calendar(p):
    frame = rrect(7, 8, 16, 15)
    header = path("M7 12 V10 A2 2 0 0 1 9 8 H21 A2 2 0 0 1 23 10 V12 Z",
                  f' fill="{p["fg"]}"')
    rings_gap = path("M11 5 V9 M19 5 V9", f' stroke="{p["tile"]}" stroke-width="4"')
    rings = path("M11 5 V9 M19 5 V9")
    days = ""
    for row, y in enumerate((15, 19)):
        for col, x in enumerate((10, 14, 18)):
            colour = p["accent"] if (row, col) == (1, 1) else p["fg"]
            days += f'<rect x="{x}" y="{y}" width="2" height="2" fill="{colour}" stroke="none"/>\n'
    return line_group(p, frame + header + rings_gap + rings + days)


def g_announce(p):
    # A small clock face that speaks: sound waves to its right.
    cx, cy = 11, 15
    face = circle(cx, cy, 6)
    hands = path(f"M{cx} {cy - 3.5} V{cy} L{cx + 2.5} {cy + 1.5}")
    waves = ""
    for r, spread in ((9.5, 36), (13, 38)):
        a = math.radians(spread)
        x = cx + r * math.cos(a)
        y1 = cy - r * math.sin(a)
        y2 = cy + r * math.sin(a)
        waves += path(f"M{fmt(x)} {fmt(y1)} A{fmt(r)} {fmt(r)} 0 0 1 {fmt(x)} {fmt(y2)}",
                      f' stroke="{p["accent"]}"')
    return line_group(p, face + hands + waves)


TOOLBAR = [
    ("new", "New page", g_new),
    ("open", "Open files", g_open),
    ("save", "Save", g_save),
    ("cut", "Cut", g_cut),
    ("copy", "Copy", g_copy),
    ("paste", "Paste", g_paste),
    ("undo", "Undo", g_undo),
    ("copyall", "Copy the whole page", g_copyall),
    ("print", "Print", g_print),
    ("settings", "Settings", g_settings),
    ("help", "Help", g_help),
    ("about", "About", g_about),
    ("close", "Close the current page", g_close),
    ("first", "First page", g_first),
    ("last", "Last page", g_last),
    ("player", "Music player", g_player),
    ("calendar", "Calendar", g_calendar),
    ("announce", "Speak the time", g_announce),
]


def toolbar_svg(title: str, glyph, p: dict) -> str:
    tile = rrect(0.5, 0.5, 29, 29, 6, f' fill="{p["tile"]}" stroke="{p["edge"]}" stroke-width="1"')
    return svg(30, 30, tile + glyph(p), title)


# --------------------------------------------------------------------------
# Program / tray icon (64 x 64)
# --------------------------------------------------------------------------

def program_icon() -> str:
    defs = (
        '<defs>\n'
        '<linearGradient id="plate" x1="0" y1="0" x2="0" y2="1">\n'
        '<stop offset="0" stop-color="#164238"/>\n'
        '<stop offset="1" stop-color="#0a1d19"/>\n'
        '</linearGradient>\n'
        '</defs>\n'
    )
    plate = rrect(2, 2, 60, 60, 13, ' fill="url(#plate)" stroke="#2a6b5a" stroke-width="2"')
    # A second, inactive tab sits behind the page to the right of the active one.
    back_tab = path("M35 18 V15 A3 3 0 0 1 38 12 H49 A3 3 0 0 1 52 15 V18 Z",
                    ' fill="#163f35" stroke="#2f8f74" stroke-width="2" stroke-linejoin="round"')
    # The active tab is lit, like the current page's tab in the window.
    front_tab = path("M9 19 V13 A3 3 0 0 1 12 10 H28 A3 3 0 0 1 31 13 V19 Z",
                     ' fill="#3fd6a9" stroke="#3fd6a9" stroke-width="3" stroke-linejoin="round"')
    # The page: its own tab on the top left, a dog-ear at the bottom right.
    page = path("M9 20 V13 A3 3 0 0 1 12 10 H28 A3 3 0 0 1 31 13 V17 H52 "
                "A3 3 0 0 1 55 20 V45 L45 55 H12 A3 3 0 0 1 9 52 Z",
                ' fill="#040a09" stroke="#3fd6a9" stroke-width="3" stroke-linejoin="round"')
    fold = path("M55 45 H48 A3 3 0 0 0 45 48 V55 Z",
                ' fill="#3fd6a9" stroke="#3fd6a9" stroke-width="3" stroke-linejoin="round"')
    glyph = ('<text x="31.5" y="48" text-anchor="middle" '
             'font-family="WenQuanYi Micro Hei" font-size="32" font-weight="bold" '
             'fill="#4dff9a">汀</text>\n')
    return svg(64, 64, defs + plate + back_tab + page + front_tab + fold + glyph, "tingyeben")


# --------------------------------------------------------------------------
# Clock digits (12 x 17 seven-segment, drawn over black)
# --------------------------------------------------------------------------

# Segment centre lines, then a hexagon of half-thickness 1 around each one.
_X0, _X1 = 2, 10
_YT, _YM, _YB = 2, 8.5, 15
SEGMENTS = {
    "a": ((_X0, _YT), (_X1, _YT)),
    "b": ((_X1, _YT), (_X1, _YM)),
    "c": ((_X1, _YM), (_X1, _YB)),
    "d": ((_X0, _YB), (_X1, _YB)),
    "e": ((_X0, _YM), (_X0, _YB)),
    "f": ((_X0, _YT), (_X0, _YM)),
    "g": ((_X0, _YM), (_X1, _YM)),
}
DIGITS = {
    0: "abcdef", 1: "bc", 2: "abdeg", 3: "abcdg", 4: "bcfg",
    5: "acdfg", 6: "acdefg", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}


def segment_points(seg: str):
    (x0, y0), (x1, y1) = SEGMENTS[seg]
    gap, half = 0.55, 1.0
    if y0 == y1:  # horizontal
        a, b = x0 + gap, x1 - gap
        return [(a, y0), (a + half, y0 - half), (b - half, y0 - half), (b, y0),
                (b - half, y0 + half), (a + half, y0 + half)]
    a, b = y0 + gap, y1 - gap
    return [(x0, a), (x0 + half, a + half), (x0 + half, b - half), (x0, b),
            (x0 - half, b - half), (x0 - half, a + half)]


def polygon(points, extra="") -> str:
    pts = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
    return f'<polygon points="{pts}"{extra}/>\n'


def digit_svg(lit: str, title: str) -> str:
    body = ""
    for seg in "abcdefg":
        if seg not in lit:
            body += polygon(segment_points(seg), f' fill="{LED_OFF}"')
    for seg in "abcdefg":
        if seg in lit:
            body += polygon(segment_points(seg), f' fill="{LED_ON}"')
    return svg(12, 17, body, title)


def colon_svg() -> str:
    body = ""
    for cy in (5.5, 11.5):
        body += rrect(5, cy - 1, 2, 2, 0.4, f' fill="{LED_ON}"')
    return svg(12, 17, body, "colon")


# --------------------------------------------------------------------------
# Music animation (38 x 30): equaliser bars and a bobbing note
# --------------------------------------------------------------------------

FRAMES = 8
BAR_X = (1, 6, 11, 16, 21)
BAR_W = 3
FLOOR = 27


def beamed_notes(colour: str) -> str:
    """Two beamed eighth notes, heads at (29, 22) and (34.5, 20)."""
    out = ""
    for hx, hy in ((29, 22), (34.5, 20)):
        out += (f'<ellipse cx="{hx}" cy="{hy}" rx="2.4" ry="1.8" '
                f'transform="rotate(-20 {hx} {hy})" fill="{colour}"/>\n')
    out += (f'<path d="M31 21.4 V11 M36.5 19.4 V9" fill="none" stroke="{colour}" '
            f'stroke-width="1.5" stroke-linecap="round"/>\n')
    out += f'<polygon points="30.25,10.2 37.25,8.2 37.25,10.7 30.25,12.7" fill="{colour}"/>\n'
    return out


def music_frame(i: int) -> str:
    t = 2 * math.pi * i / FRAMES
    body = ""
    # Bars: each follows its own phase so the row ripples.
    for k, x in enumerate(BAR_X):
        level = 0.5 + 0.5 * math.sin(t * (1 if k % 2 else 2) + k * 1.3)
        h = round(4 + level * 15)
        y = FLOOR - h
        body += f'<rect x="{x}" y="{y}" width="{BAR_W}" height="{h}" fill="#1f9c7a"/>\n'
        body += f'<rect x="{x}" y="{y}" width="{BAR_W}" height="2" fill="#7dffd3"/>\n'
    body += f'<rect x="1" y="{FLOOR + 1}" width="23" height="1" fill="#145a47"/>\n'
    # The notes hop and rock in time with the bars.
    hop = 3 * abs(math.sin(t))
    tilt = 5 * math.sin(t)
    body += (f'<g transform="translate(0 {fmt(-hop)}) rotate({fmt(tilt)} 33 15)">\n'
             + beamed_notes("#d2fff0") + "</g>\n")
    return svg(38, 30, body, f"music frame {i}")


# --------------------------------------------------------------------------
# Output
# --------------------------------------------------------------------------

def write(rel: str, text: str, written: list[str]) -> None:
    out = ASSETS / rel
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(text, encoding="utf-8")
    written.append(rel)


def render_png(src: Path, dst: Path, size: int) -> bool:
    rsvg = shutil.which("rsvg-convert")
    if rsvg:
        cmd = [rsvg, "-w", str(size), "-h", str(size), "-o", str(dst), str(src)]
    else:
        magick = shutil.which("magick") or "/usr/bin/convert"
        if not os.access(magick, os.X_OK):
            return False
        cmd = [magick, "-background", "none", "-density", str(96 * size // 64 * 4),
               str(src), "-resize", f"{size}x{size}", str(dst)]
    return subprocess.run(cmd, check=False).returncode == 0 and dst.exists()


def write_qrc(files: list[str]) -> None:
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/">']
    for rel in sorted(files):
        lines.append(f"    <file>{rel}</file>")
    lines += ["</qresource>", "</RCC>", ""]
    (ASSETS / "assets.qrc").write_text("\n".join(lines), encoding="utf-8")


def main() -> int:
    written: list[str] = []
    for name, title, glyph in TOOLBAR:
        write(f"toolbar/{name}.svg", toolbar_svg(title, glyph, NORMAL), written)
        write(f"toolbar/{name}_hot.svg", toolbar_svg(title, glyph, HOT), written)

    write("icon/tingyeben.svg", program_icon(), written)
    icon_src = ASSETS / "icon" / "tingyeben.svg"
    for size in (64, 48, 32):
        rel = f"icon/tingyeben-{size}.png"
        if render_png(icon_src, ASSETS / rel, size):
            written.append(rel)
        else:
            print(f"no SVG converter found, skipped {rel}", file=sys.stderr)

    for d, lit in DIGITS.items():
        write(f"clock/digit{d}.svg", digit_svg(lit, f"digit {d}"), written)
    write("clock/colon.svg", colon_svg(), written)
    write("clock/blank.svg", digit_svg("", "blank"), written)

    for i in range(FRAMES):
        write(f"music/frame{i}.svg", music_frame(i), written)

    write_qrc(written)
    print(f"wrote {len(written)} files and assets/assets.qrc under {ASSETS}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
