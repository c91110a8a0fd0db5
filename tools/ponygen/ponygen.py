#!/usr/bin/env python3
"""Compose the shipped pony arts (.pony) from pixel-map parts.

Every pony is one body, a palette derived from three or four base colours,
and its parts (mane, forelock, tail, emblem, horn, wing); each art variant
adds a pose, an expression, a facing or a bubble position. The recipes live
in ponies.txt, the pixel maps in parts/ and emblems.txt, next to this file.

    python3 tools/ponygen/ponygen.py                 write the .pony files
    python3 tools/ponygen/ponygen.py --check         exit 1 if any file differs
    python3 tools/ponygen/ponygen.py --preview DIR   also write PNG previews,
                                                     read back from the .pony text

Standard library only. Output is deterministic: the same sources always give
byte-identical files.
"""
import argparse
import colorsys
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
OUT_DIRS = {"main": "resources/src/ttyponies", "extra": "resources/src/extrattyponies"}
ESC = "\x1b"
UPPER, LOWER, FULL = "\u2580", "\u2584", "\u2588"
TRANSPARENT = "."
CANVAS_W, CANVAS_H = 52, 64
SMALL_W, SMALL_H = 32, 14  # the small arts fit a 40-column pane with their bubble
ORIGIN_Y = 6          # parts are drawn for a 49x48 pony; leave headroom for horns


class GenError(Exception):
    pass


# ---------------------------------------------------------------- pixel maps

def parse_rgb(text, where):
    t = text.lstrip("#")
    if len(t) != 6:
        raise GenError(f"{where}: bad colour {text!r}")
    try:
        v = int(t, 16)
    except ValueError:
        raise GenError(f"{where}: bad colour {text!r}") from None
    return (v >> 16, (v >> 8) & 0xFF, v & 0xFF)


def parse_px_lines(lines, where):
    """Palette lines, '---', pixel rows -> (palette, rows)."""
    palette, rows, in_pixels = {}, [], False
    for n, raw in enumerate(lines, 1):
        line = raw.rstrip()
        if not in_pixels:
            if line == "---":
                in_pixels = True
            elif line.strip() and not line.startswith("#"):
                parts = line.split(None, 2)
                if len(parts) < 2 or len(parts[0]) != 1 or parts[0] == TRANSPARENT:
                    raise GenError(f"{where}:{n}: expected 'K #rrggbb comment'")
                palette[parts[0]] = parse_rgb(parts[1], f"{where}:{n}")
            continue
        rows.append(line)
    while rows and not rows[-1]:
        rows.pop()
    return palette, rows


def load_px(path):
    with open(path, encoding="utf-8") as f:
        return parse_px_lines(f.read().splitlines(), path)


def load_emblems(path):
    """emblems.txt: '@name' starts an emblem, then palette lines and rows."""
    emblems, name, block = {}, None, []
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()

    def finish():
        if name is not None:
            pal, rows = {}, []
            for line in block:
                bits = line.split()
                if len(bits) >= 2 and bits[1].startswith("#"):
                    pal[bits[0]] = parse_rgb(bits[1], f"{path}: emblem {name}")
                elif bits:
                    rows.append(bits[0])
            emblems[name] = (pal, rows)

    for line in lines:
        if line.startswith("@"):
            finish()
            name, block = line[1:].strip(), []
        elif name is not None:
            block.append(line)
    finish()
    return emblems


def sink_depth(x, hinge, drop):
    return min(drop, (hinge - x + 1) // 2) if x < hinge else 0


class Canvas:
    def __init__(self, w=CANVAS_W, h=CANVAS_H):
        self.w, self.h = w, h
        self.px = [[None] * w for _ in range(h)]

    def paste(self, rows, palette, x0, y0, keymap=None):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == TRANSPARENT or ch == " ":
                    continue
                x, y = x0 + dx, y0 + dy
                if not (0 <= x < self.w and 0 <= y < self.h):
                    raise GenError(f"pixel {ch!r} at {x},{y} is off the canvas")
                if keymap is not None and ch in keymap:
                    self.px[y][x] = keymap[ch]
                elif ch in palette:
                    self.px[y][x] = palette[ch]
                else:
                    raise GenError(f"key {ch!r} has no colour")

    def cut_below(self, y):
        """Clears everything under row y: what lies on the ground stops there."""
        for row in self.px[y + 1:]:
            row[:] = [None] * self.w

    def merge(self, other):
        for row, top in zip(self.px, other.px):
            for x, p in enumerate(top):
                if p is not None:
                    row[x] = p

    def sink(self, hinge, drop):
        """Lowers every column left of the hinge, more the further back it is."""
        for x in range(hinge):
            d = sink_depth(x, hinge, drop)
            column = [self.px[y][x] for y in range(self.h)]
            column = [None] * d + column[:self.h - d]
            for y in range(self.h):
                self.px[y][x] = column[y]

    def move_face(self, other, oy, outline):
        """Moves the face to other: every pixel right of FACE_EDGE on its row.
        The cut, which becomes the back of the turned head, is outlined."""
        for y, edge in enumerate(FACE_EDGE):
            row = self.px[oy + y]
            for x in range(edge, self.w):
                other.px[oy + y][x], row[x] = row[x], None
            if other.px[oy + y][edge] is not None:
                other.px[oy + y][edge] = outline

    def flipped_around(self, axis):
        """Mirror image about the column between axis - 1/2 and axis + 1/2."""
        c = Canvas(self.w, self.h)
        for y, row in enumerate(self.px):
            for x, p in enumerate(row):
                if p is not None:
                    c.px[y][2 * axis - x] = p
        return c

    def copy_rows(self, y, n):
        """Repeats row y n more times below it, pushing the rest down."""
        self.px[y + 1:y + 1] = [list(self.px[y]) for _ in range(n)]
        self.h += n

    def drop_rows(self, y, n):
        del self.px[y:y + n]
        self.h -= n

    def copy_columns(self, x, n):
        for row in self.px:
            row[x + 1:x + 1] = [row[x]] * n
        self.w += n

    def drop_columns(self, x, n):
        for row in self.px:
            del row[x:x + n]
        self.w -= n

    def mirrored(self):
        c = Canvas(self.w, self.h)
        c.px = [list(reversed(r)) for r in self.px]
        return c


# ------------------------------------------------------------------ colours

def luma(rgb):
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]


def to_hex(rgb):
    return "%02x%02x%02x" % rgb


def tone(rgb, factor, hue_push=0.0, sat_push=0.0):
    """A colour of the same family whose luma is factor times the base's.

    Shadows lean towards blue for cool colours and towards red for warm ones
    (hue_push > 0 means 'towards the shadow side'); highlights the other way.
    """
    h, l, s = colorsys.rgb_to_hls(*(c / 255 for c in rgb))
    if s > 0.05 and hue_push:
        cool = 0.25 < h < 0.85
        target = 0.66 if cool else (0.02 if h < 0.5 else 1.02)
        h = (h + (target - h) * hue_push) % 1.0
    s = min(1.0, max(0.0, s + sat_push))
    want = min(250.0, luma(rgb) * factor)
    lo, hi = 0.0, 1.0
    for _ in range(40):
        mid = (lo + hi) / 2
        cand = colorsys.hls_to_rgb(h, mid, s)
        if luma([c * 255 for c in cand]) < want:
            lo = mid
        else:
            hi = mid
    r, g, b = colorsys.hls_to_rgb(h, (lo + hi) / 2, s)
    return tuple(max(0, min(255, round(c * 255))) for c in (r, g, b))


def derive_palette(coat, hair, eye, hoof, streak):
    p = {
        "C": coat, "c": tone(coat, 0.86, 0.10, 0.05), "d": tone(coat, 0.74, 0.16, 0.05),
        "h": tone(coat, 1.10, -0.05), "O": tone(coat, 0.45, 0.15, 0.10),
        "M": hair, "m": tone(hair, 0.84, 0.12, 0.05), "Y": tone(hair, 1.13, -0.06),
        "N": tone(hair, 0.45, 0.15, 0.10),
        "I": eye, "i": tone(eye, 1.30, -0.05), "E": tone(eye, 0.22, 0.1, -0.2),
        "W": (255, 255, 255), "B": (255, 157, 181),
        "H": hoof, "g": tone(hoof, 0.82, 0.1), "G": tone(hoof, 0.45, 0.1, 0.05),
        "S": streak, "s": tone(streak, 0.84, 0.12, 0.05),
        # horn follows the coat, a little lighter
        "K": tone(coat, 1.22, -0.05, -0.05), "k": tone(coat, 0.88, 0.12),
    }
    if luma(coat) < 110:  # keep the blush readable on dark coats
        p["B"] = (226, 120, 150)
    return p


# ------------------------------------------------------------------- recipes

class Pony:
    def __init__(self, fields, where):
        if len(fields) != 13:
            raise GenError(f"{where}: want 13 fields, got {len(fields)}")
        (self.set, self.stem, self.name, coat, hair, eye, hoof, streak, self.mane,
         self.fore, self.tail, self.emblem, rest) = fields
        if self.set not in OUT_DIRS:
            raise GenError(f"{where}: unknown set {self.set!r}")
        self.palette = derive_palette(parse_rgb(coat, where), parse_rgb(hair, where),
                                      parse_rgb(eye, where), parse_rgb(hoof, where),
                                      parse_rgb(hair if streak == "-" else streak, where))
        opts = rest.split(",")
        self.kind = opts[0]
        self.build = opts[1] if len(opts) > 1 and opts[1] in BUILDS else "standard"
        rest = [v for v in opts[1 + (self.build != "standard"):] if v]
        # Things the pony wears in every art: item:rrggbb.
        self.wear = []
        for v in (v for v in rest if ":" in v):
            item, colour = v.split(":", 1)
            if item not in WEAR:
                raise GenError(f"{where}: nothing to wear called {item!r}")
            self.wear.append((item, wear_palette(parse_rgb(colour, where))))
        self.variants = [v for v in rest if ":" not in v]
        if not any(v.split("+")[0] == "portrait" for v in self.variants):
            self.variants.append("portrait")  # everyone has a small art
        if self.kind not in ("earth", "unicorn", "pegasus"):
            raise GenError(f"{where}: unknown kind {self.kind!r}")


def load_ponies(path):
    ponies = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip() if not line.lstrip().startswith("#") else ""
            if line:
                fields = line.split("|")
                ponies.append(Pony([x.strip() for x in fields], f"{path}:{n}"))
    return ponies


class Parts:
    def __init__(self, folder):
        self.folder = folder
        self.cache = {}

    def get(self, name):
        if name not in self.cache:
            path = os.path.join(self.folder, name + ".px")
            if not os.path.exists(path):
                raise GenError(f"missing part {path}")
            self.cache[name] = load_px(path)
        return self.cache[name]


# Where the chain of connector cells ends: the cell up and back from the ear
# tip (text column, pixel row on the 49x48 layout), and from the front hoof.
EAR_TIP = (31, 0)
FRONT_HOOF = (38, 47)


class Anchors:
    """Where the chain of connector cells ends, and how long it is."""
    def __init__(self, ear=EAR_TIP, hoof=FRONT_HOOF, chain=3):
        self.ear, self.hoof, self.chain = ear, hoof, chain


def compose(pony, variant, parts, emblems):
    """Pixel canvas, modifiers and connector anchors for one art variant."""
    mods = set(variant.split("+")) if variant else set()
    canvas = Canvas()
    pal = pony.palette
    oy = ORIGIN_Y

    def put(name, dx=0, dy=0, onto=canvas, own=None):
        ppal, rows = parts.get(name)
        merged = dict(ppal)
        merged.update(pal)
        merged.update(own or {})
        onto.paste(rows, merged, dx, oy + dy)

    def wear(where, dy, onto):
        for item, colours in pony.wear:
            if WEAR[item][0] == where:
                put("wear-" + item, 0, dy + WEAR[item][1], onto, colours)

    if "portrait" in mods:
        compose_portrait(pony, put)
        return canvas, mods, PORTRAIT_ANCHORS

    # Lying down lowers everything but the folded legs onto the ground.
    lift = LIE_DROP if "lie" in mods else 0
    # Sitting sinks the back half: it is drawn on a canvas of its own, lowered
    # column by column towards the tail, and the folded legs go over it.
    sit = "sit" in mods
    back = Canvas() if sit else canvas
    if pony.kind == "pegasus" and "fly" in mods:
        # The far wing, a shade darker, shows behind the pony above the near one.
        put("wing-spread", FAR_WING[0], lift + FAR_WING[1], back, {"h": pal["C"], "C": pal["c"], "c": pal["d"]})
    put("tail-" + pony.tail, 0, lift, back)
    put("body", 0, lift, back)
    put("belly" if sit else "legs-" + next((LEGS[m] for m in LEGS if m in mods), "stand"), 0, 0, back)
    put("mane-" + pony.mane, 0, lift, back)
    wear("hair", lift, back)
    if pony.kind == "pegasus":
        put("wing-spread" if "fly" in mods else "wing", 0, lift, back)
    wear("body", lift, back)
    epal, erows = emblems[pony.emblem]
    if sit:
        back.sink(SIT_HINGE, SIT_DROP)
        canvas.merge(back)
        put("legs-sit")
    # On a sunk rump the emblem stays upright, lowered as far as its middle is.
    canvas.paste(erows, dict(pal, **epal), 14, oy + 28 + lift + (sink_depth(17, SIT_HINGE, SIT_DROP) if sit else 0))
    wear("neck", lift, canvas)
    # Looking back turns the head round on the neck: the face, and what sits
    # on it, drawn on a canvas of its own and mirrored in place.
    head = Canvas() if "lookback" in mods else canvas
    if head is not canvas:
        canvas.move_face(head, oy + lift, pal["O"])
    put("ear", 0, lift, head)
    if pony.fore != "-":
        put("fore-" + pony.fore, 0, lift, head)
    for eye in ("happy", "sleepy"):
        if eye in mods:
            put("eye-" + eye, 0, lift, head)
    wear("head", lift, head)
    if pony.kind == "unicorn":
        put("horn", 0, lift - 4, head)  # through a hat, if it wears one
    if head is not canvas:
        canvas.merge(head.flipped_around(HEAD_AXIS))
    if lift or sit:
        canvas.cut_below(oy + GROUND_Y)
    ear_x = 2 * HEAD_AXIS - EAR_TIP[0] if head is not canvas else EAR_TIP[0]
    # A hat is taller than the ear: the chain starts above its crown.
    ear_y = EAR_TIP[1] + lift + min([WEAR[item][1] for item, _ in pony.wear] + [0])
    anchors = Anchors(ear=(ear_x, ear_y), hoof=LIE_HOOF if lift else FRONT_HOOF)
    reshape(canvas, anchors, BUILDS[pony.build], lift)
    return canvas, mods, anchors


# Builds reshape a finished standard picture: legs made longer or shorter,
# the barrel deeper or shallower, the body longer or shorter. Each step is
# (rows or columns, where, how many more: negative removes), on the 49x48
# layout, applied bottom-up so that the later places are still where they
# were. Rows at LEG_ROW are in the legs; a pony lying down has none there.
LEG_ROW, BARREL_ROW, BODY_COLUMN = 40, 26, 25
BUILDS = {
    "standard": [],
    "tall": [("rows", LEG_ROW, 4), ("rows", BARREL_ROW, -1), ("columns", BODY_COLUMN, 2)],
    "stocky": [("rows", LEG_ROW, -3), ("rows", BARREL_ROW, 2), ("columns", BODY_COLUMN, 2)],
    "foal": [("rows", LEG_ROW, -3), ("rows", BARREL_ROW, -2), ("columns", BODY_COLUMN, -2)],
}


def reshape(canvas, anchors, steps, lift):
    for axis, at, n in steps:
        if axis == "columns":
            (canvas.copy_columns if n > 0 else canvas.drop_columns)(at, abs(n))
            anchors.ear = (anchors.ear[0] + n, anchors.ear[1])
            anchors.hoof = (anchors.hoof[0] + n, anchors.hoof[1])
            continue
        if lift and at == LEG_ROW:
            continue
        y = ORIGIN_Y + at + lift
        (canvas.copy_rows if n > 0 else canvas.drop_rows)(y, abs(n))
        anchors.hoof = (anchors.hoof[0], anchors.hoof[1] + n)


# What can be worn, where it goes (the head turns with the face, the hair and
# the body sink when sitting) and how far up its part is drawn.
WEAR = {
    "hat": ("head", -6), "glasses": ("head", 0), "crown": ("head", 0), "bow": ("hair", 0),
    "headphones": ("head", 0), "scarf": ("neck", 0), "bandana": ("neck", 0), "satchel": ("body", 0),
}


def wear_palette(colour):
    return {"A": colour, "a": tone(colour, 0.80, 0.1), "z": tone(colour, 1.25, -0.05),
            "Z": tone(colour, 0.45, 0.15, 0.1)}


# Every pose has a contact sheet of its own in the preview.
POSES = ("walk", "jump", "lie", "sit", "lookback", "fly", "portrait")

# Leg parts by pose; a pose without its own legs stands.
LEGS = {"prance": "prance", "walk": "walk", "jump": "leap", "fly": "leap", "lie": "lie"}
LIE_DROP = 8      # the belly rests on the ground
FAR_WING = (5, -3)
# Where the face starts on each row from the ear tip down to the chin (the
# back of the skull, then the throat curving forward), and the column it
# turns around.
FACE_EDGE = [28] * 14 + [29, 29, 30, 30, 31, 31, 32, 33, 34, 35, 36]
HEAD_AXIS = 36
SIT_HINGE, SIT_DROP = 27, 8   # the back sinks behind the withers, the rump by 8
GROUND_Y = 47     # the lowest pixel row of a standing pony
LIE_HOOF = (46, 47)


# A head-and-shoulders picture for narrow terminals, drawn on its own smaller
# layout (32x24): the chain is one cell shorter so the art stays 14 rows high.
PORTRAIT_ANCHORS = Anchors(ear=(19, 2), hoof=(22, 23), chain=2)


def compose_portrait(pony, put):
    def wear(where):
        for item, colours in pony.wear:
            if WEAR[item][0] in where:
                put("portrait-wear-" + item, own=colours)

    put("portrait-body")
    put("portrait-mane-" + pony.mane)
    wear(("hair", "neck", "body"))
    if pony.kind == "pegasus":
        put("portrait-wing")
    put("portrait-ear")
    if pony.fore != "-":
        put("portrait-fore-" + pony.fore)
    wear(("head",))
    if pony.kind == "unicorn":
        put("portrait-horn")


# -------------------------------------------------------------- cell grid

def to_cells(canvas, mods, anchors):
    """Pixel canvas -> list of rows, each a list of cells.

    A cell is (upper, lower) with None for transparent, or ('link', slash).
    """
    px = canvas.px
    if "left" in mods:
        px = canvas.mirrored().px
    h = len(px)
    used_rows = [y for y in range(h) if any(p is not None for p in px[y])]
    used_cols = [x for x in range(len(px[0])) if any(px[y][x] is not None for y in range(h))]
    top = used_rows[0] - (used_rows[0] % 2)  # keep the pixel pairs of the layout
    left = used_cols[0]
    right = used_cols[-1] + 1
    bottom = used_rows[-1] + 1
    if (bottom - top) % 2:
        bottom += 1
    grid = []
    for y in range(top, bottom, 2):
        row = []
        for x in range(left, right):
            up = px[y][x] if y < h else None
            lo = px[y + 1][x] if y + 1 < h else None
            row.append((up, lo))
        grid.append(row)
    width = right - left
    below = "below" in mods
    mirrored = "left" in mods

    def col(x):
        x = (len(px[0]) - 1 - x) if mirrored else x
        return x - left

    chain = anchors.chain
    if not below:
        ax, ay = anchors.ear
        ax = col(ax)
        arow = (ay + ORIGIN_Y - top) // 2
        step = 1 if mirrored else -1
        cells = [(ax + step * (k + 2), arow - 1 - k) for k in range(chain)]
        need = -min(r for _, r in cells)
        if need > 0:
            grid = [[(None, None)] * width for _ in range(need)] + grid
            cells = [(c, r + need) for c, r in cells]
        for c, r in cells:
            if grid[r][c] != (None, None):
                raise GenError("connector cell is not empty")
            grid[r] = grid[r][:c] + [("link", mirrored)] + grid[r][c + 1:]
    else:
        fx, fy = anchors.hoof
        fx = col(fx)
        step = 1 if mirrored else -1
        rows_now = len(grid)
        for k in range(chain):
            row = [(None, None)] * width
            c = fx + step * (k + 1)
            row[c] = ("link", not mirrored)
            grid.append(row)
        del rows_now
    return grid, width, not below


def fg_seq(rgb):
    return f"{ESC}]P1{to_hex(rgb)}{ESC}[31m"


def bg_seq(rgb):
    return f"{ESC}]P2{to_hex(rgb)}{ESC}[42m"


def encode_row(cells):
    """One text line: colours start at default on every line."""
    while cells and cells[-1] == (None, None):
        cells = cells[:-1]
    out, fg, bg = [], None, None

    def set_fg(c):
        nonlocal fg
        if c != fg:
            out.append(fg_seq(c) if c is not None else f"{ESC}[39m")
            fg = c

    def set_bg(c):
        nonlocal bg
        if c != bg:
            out.append(bg_seq(c) if c is not None else f"{ESC}[49m")
            bg = c

    for cell in cells:
        if cell[0] == "link":
            set_bg(None)
            out.append("$/$" if cell[1] else "$\\$")
            continue
        up, lo = cell
        if up is None and lo is None:
            set_bg(None)
            out.append(" ")
        elif up == lo:
            if fg == up or bg != up:
                set_fg(up)
                out.append(FULL)
            else:
                out.append(" ")
        elif up is None:
            set_bg(None)
            set_fg(lo)
            out.append(LOWER)
        elif lo is None:
            set_bg(None)
            set_fg(up)
            out.append(UPPER)
        else:
            cost_upper = (fg != up) + (bg != lo)
            cost_lower = (fg != lo) + (bg != up)
            if cost_upper <= cost_lower:
                set_fg(up)
                set_bg(lo)
                out.append(UPPER)
            else:
                set_fg(lo)
                set_bg(up)
                out.append(LOWER)
    return "".join(out)


def pony_text(pony, grid, width, above):
    head = f"$$$\nNAME: {pony.name}\n$$$\n"
    balloon = f"$balloon{width}$\n"
    body = "".join(encode_row(r) + "\n" for r in grid)
    return head + (balloon + body if above else body + balloon)


# ------------------------------------------------- reading back (checks)

class ReadError(Exception):
    pass


def read_pony(text):
    """Read a .pony text the way the converter does; returns (names, rows,
    width, above, warnings). Raises ReadError where the converter fails."""
    warnings = []
    lines = text.split("\n")
    if not lines[0].startswith("$$$"):
        raise ReadError("no starting separator")
    i, names = 1, []
    while True:
        if i >= len(lines):
            raise ReadError("end of file in header")
        if lines[i].startswith("$$$"):
            break
        if ":" in lines[i]:
            k, v = lines[i].split(":", 1)
            if k.strip() == "NAME":
                names.append(v.strip())
        i += 1
    rows, balloon_row, width = [], None, 0
    for line in lines[i + 1:]:
        fg = bg = pend = None
        dollar = esc = False
        buf = ""
        indent, cells = 0, []
        for ch in line:
            o = ord(ch)
            if ch == "\r":
                continue
            if ch == " " and not cells and bg is None:
                indent += 1
                continue
            if ch == " ":
                cells.append((bg, bg))
            elif ch == UPPER:
                cells.append((fg, bg))
            elif ch == LOWER:
                cells.append((bg, fg))
            elif ch == FULL:
                cells.append((fg, fg))
            elif o > 0xFF:
                warnings.append(f"large char {o}")
            elif ch == "$":
                if dollar:
                    if buf.startswith("balloon"):
                        if not buf[7:].isdigit() and buf[7:]:
                            raise ReadError("bad balloon size")
                        balloon_row = len(rows)
                    elif buf in ("\\", "/"):
                        cells.append(("link", buf == "/"))
                    else:
                        warnings.append(f"bad marker {buf!r}")
                dollar = not dollar
                buf = ""
            elif ch == ESC:
                esc, dollar, buf = True, False, ""
            else:
                if not esc and not dollar:
                    raise ReadError(f"unescaped small char {o}")
                buf += ch
                if esc:
                    if buf.startswith("]P"):
                        if len(buf) == 9:
                            pend = tuple((int(buf[k], 36) * 16 + int(buf[k + 1], 36)) % 256 for k in (3, 5, 7))
                            esc = False
                        elif len(buf) > 3 and buf[-1] not in "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ":
                            esc = False
                    elif len(buf) >= 4 and buf[0] == "[" and "m" in buf:
                        esc = False
                        a, b = buf[1], buf[2]
                        if a == "3" and b in "01234567":
                            fg, pend = pend, None
                        elif a == "3" and b == "9":
                            fg = pend = None
                        elif a == "4" and b in "01234567":
                            bg, pend = pend, None
                        elif a == "4" and b == "9":
                            bg = pend = None
                        elif a == "0" and b == "0":
                            fg = bg = pend = None
                        else:
                            warnings.append(f"unknown escape {buf!r}")
        while cells and cells[-1] == (None, None):
            cells.pop()
        if cells:
            if len(cells) > 255 or indent > 255:
                raise ReadError("row too long")
            rows.append((indent, cells))
            width = max(width, indent + len(cells))
    above = balloon_row is None or len(rows) // 2 > balloon_row
    return names, rows, width, above, warnings


# ------------------------------------------------------------- PNG preview

def write_png(path, pixels, w, h):
    raw = b"".join(b"\x00" + bytes(c for px in pixels[y * w:(y + 1) * w] for c in px) for y in range(h))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


BACKDROP = (24, 24, 24)
LINK_RGB = (230, 230, 230)


def rows_to_image(rows, width, scale):
    """Cells as 2 pixel rows each; returns (pixels, w, h)."""
    h = len(rows) * 2
    img = [[BACKDROP] * width for _ in range(h)]
    for r, (indent, cells) in enumerate(rows):
        for i, cell in enumerate(cells):
            x = indent + i
            if cell[0] == "link":
                img[2 * r][x] = LINK_RGB if cell[1] else (180, 180, 180)
                img[2 * r + 1][x] = (180, 180, 180) if cell[1] else LINK_RGB
                continue
            for k in (0, 1):
                if cell[k] is not None:
                    img[2 * r + k][x] = cell[k]
    return img


def scale_image(img, scale):
    out = []
    for row in img:
        line = [p for p in row for _ in range(scale)]
        out.extend([line] * scale)
    return out


def save_image(path, img):
    h, w = len(img), len(img[0]) if img else 0
    write_png(path, [p for row in img for p in row], w, h)


def contact_sheet(path, images, cols=8, scale=3):
    cw = max(len(img[0]) for img in images) + 2
    ch = max(len(img) for img in images) + 2
    rows = (len(images) + cols - 1) // cols
    sheet = [[(40, 40, 48)] * (cols * cw) for _ in range(rows * ch)]
    for n, img in enumerate(images):
        ox, oy = (n % cols) * cw, (n // cols) * ch
        for y, row in enumerate(img[:ch - 2]):
            for x, p in enumerate(row[:cw - 2]):
                sheet[oy + 1 + y][ox + 1 + x] = p
    save_image(path, scale_image(sheet, scale))


# --------------------------------------------------------------------- main

def build_all(check, preview):
    parts = Parts(os.path.join(HERE, "parts"))
    emblems = load_emblems(os.path.join(HERE, "emblems.txt"))
    ponies = load_ponies(os.path.join(HERE, "ponies.txt"))
    seen_names, seen_stems, seen_emblems = set(), set(), {}
    changed, written, thumbs = [], [], {k: [] for k in OUT_DIRS}
    for pony in ponies:
        if pony.name.lower() in seen_names:
            raise GenError(f"pony name {pony.name} used twice")
        seen_names.add(pony.name.lower())
        if pony.emblem in seen_emblems:
            raise GenError(f"emblem {pony.emblem} used by {seen_emblems[pony.emblem]} and {pony.name}")
        if pony.emblem not in emblems:
            raise GenError(f"{pony.name}: no emblem {pony.emblem}")
        seen_emblems[pony.emblem] = pony.name
        for variant in [""] + pony.variants:
            stem = pony.stem + ("_" + variant.split("+")[0] if variant else "")
            if stem in seen_stems:
                raise GenError(f"art name {stem} used twice")
            seen_stems.add(stem)
            canvas, mods, anchors = compose(pony, variant, parts, emblems)
            try:
                grid, width, above = to_cells(canvas, mods, anchors)
            except GenError as e:
                raise GenError(f"{stem}: {e}") from None
            text = pony_text(pony, grid, width, above)
            height = sum(1 for row in grid if any(cell != (None, None) for cell in row))
            small = width <= SMALL_W and height <= SMALL_H
            if "portrait" in mods and not small:
                raise GenError(f"{stem}: a portrait of {width}x{height} is too big")
            if not (small or (30 <= width <= 70 and 12 <= height <= 35)):
                raise GenError(f"{stem}: size {width}x{height} out of range")
            path = os.path.join(REPO, OUT_DIRS[pony.set], stem + ".pony")
            data = text.encode("utf-8")
            old = open(path, "rb").read() if os.path.exists(path) else None
            # A text the same as the shipped file was read back when it was
            # written, and the build converts it again; only a new text is
            # read back here, which is most of the generator's time.
            if old != data or preview:
                names, rows, rwidth, rabove, warnings = read_pony(text)
                if warnings or names != [pony.name] or rabove != above or rwidth != width or len(rows) != height:
                    raise GenError(f"{stem}: does not read back: {warnings[:3]} {names} {rabove} {rwidth}")
            if old != data:
                changed.append(path)
                if not check:
                    os.makedirs(os.path.dirname(path), exist_ok=True)
                    with open(path, "wb") as f:
                        f.write(data)
            written.append(path)
            if preview:
                img = rows_to_image(rows, rwidth, 1)
                save_image(os.path.join(preview, stem + ".png"), scale_image(img, 8))
                pose = next((m for m in POSES if m in mods), None)
                key = pony.set if not variant else pose or "variants"
                thumbs.setdefault(key, []).append(img)
    for folder in OUT_DIRS.values():
        full = os.path.join(REPO, folder)
        if os.path.isdir(full):
            for entry in sorted(os.listdir(full)):
                p = os.path.join(full, entry)
                if entry.endswith(".pony") and p not in written:
                    changed.append(p + " (stale)")
                    if not check:
                        os.remove(p)
    if preview:
        for key, imgs in thumbs.items():
            if imgs:
                contact_sheet(os.path.join(preview, f"sheet-{key}.png"), imgs)
    return ponies, written, changed


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true", help="only compare, exit 1 on a difference")
    ap.add_argument("--preview", metavar="DIR", help="write PNG previews and contact sheets")
    args = ap.parse_args()
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
    try:
        ponies, written, changed = build_all(args.check, args.preview)
    except GenError as e:
        sys.exit(f"ponygen: {e}")
    for p in changed:
        print(("differs: " if args.check else "wrote: ") + os.path.relpath(p.split(" (")[0], REPO)
              + (" (stale)" if p.endswith("(stale)") else ""))
    print(f"{len(ponies)} ponies, {len(written)} arts, {len(changed)} changed")
    if args.check and changed:
        sys.exit(1)


if __name__ == "__main__":
    main()
