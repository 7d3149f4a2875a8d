#!/usr/bin/env python3
"""Paint the 岚翎 launcher's window background and its program icon.

The launcher ships these two files in assets/.  They are drawn here from
numbers alone (no randomness, no outside pictures), so running this script
again always writes the same bytes, and a test can prove the committed files
were made by it.

    python3 tools/make-assets.py            # writes <repo>/assets/
    python3 tools/make-assets.py --out DIR  # writes DIR/ instead
"""

import argparse
import math
import struct
import sys
from pathlib import Path

BG_W, BG_H = 640, 480


# ----------------------------------------------------------------- helpers

def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def smoothstep(e0, e1, x):
    t = clamp01((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return (a[0] + (b[0] - a[0]) * t,
            a[1] + (b[1] - a[1]) * t,
            a[2] + (b[2] - a[2]) * t)


def rgb(hexstr):
    v = int(hexstr, 16)
    return ((v >> 16) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0)


def hash01(i, seed):
    """Integer hash to [0, 1): the fixed source of every 'random' detail."""
    n = (i * 374761393 + seed * 668265263 + 0x9E3779B9) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    n = ((n ^ (n >> 16)) * 2246822519) & 0xFFFFFFFF
    n ^= n >> 15
    return n / 4294967296.0


def vnoise(x, seed):
    """Smooth 1-D value noise in [0, 1]."""
    i = math.floor(x)
    f = x - i
    f = f * f * (3.0 - 2.0 * f)
    a = hash01(i, seed)
    return a + (hash01(i + 1, seed) - a) * f


def ridged(x, seed):
    """Value noise folded into sharp crests, for mountain tops."""
    n = 1.0 - abs(2.0 * vnoise(x, seed) - 1.0)
    return n * n


def piecewise(points, x):
    """Height of a polyline given as (x, y) pairs sorted by x."""
    if x <= points[0][0]:
        return points[0][1]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        if x <= x1:
            return y0 + (y1 - y0) * (x - x0) / (x1 - x0)
    return points[-1][1]


# ------------------------------------------------------------------ feather

def feather_shape(u, v, length, width, bend, splits, aa, grow=0.0):
    """Coverage of one stylised feather at a point in its own frame.

    u runs along the quill from its base (0) to the tip (length), v across it.
    Returns (vane, shaft, s0, k): vane and shaft coverage in [0, 1], s0 the
    position along the quill where the barb through this point starts, and k
    how far out along that barb the point is (0 at the quill, 1 at the edge).
    `grow` fattens the whole outline, which gives the icon its dark rim.
    """
    s = u / length
    vp = v - bend * length * s * s          # the quill curves gently
    a = abs(vp)
    lower = vp < 0.0

    # Quill: tapers towards the tip, with a rounded bare base.
    shaft = 0.0
    sw = width * (0.11 * (1.0 - clamp01(s)) + 0.025) + grow
    if -grow <= u <= length * 0.97 + grow:
        d = a if u >= 0.0 else math.hypot(u, a)
        shaft = clamp01((sw - d) / aa + 0.5)

    # Vane: barbs leave the quill slanting towards the tip, so the outline is
    # a function of where each barb starts, not of the point itself.
    vane = 0.0
    k = 0.0
    u0 = u - a * 0.85
    s0 = u0 / length
    g = grow / length
    if 0.13 - g < s0 < 1.0 + g:
        t = clamp01((s0 - 0.13) / 0.87)
        w = width * (0.68 if lower else 1.0)
        w *= math.sqrt(math.sin(math.pi * t)) * (1.0 - 0.28 * t)
        # Soft down near the base grows in wisps rather than a clean edge.
        down = 1.0 - smoothstep(0.13, 0.32, s0)
        if down > 0.0:
            w *= 1.0 - 0.45 * down * vnoise(s0 * 60.0, 71 if lower else 72)
        w += grow
        if w > 0.0:
            vane = clamp01((w - a) / aa + 0.5)
            k = a / w
            # Splits: a few barbs have parted, leaving V-shaped notches.
            for on_lower, at, depth in splits:
                if on_lower == lower and k > 1.0 - depth:
                    gap = (k - (1.0 - depth)) / depth * width * 0.13
                    dist = abs(u0 - at * length)
                    vane *= clamp01((dist - gap + grow) / aa + 0.5)
            vane *= 1.0 - 0.55 * down
    return vane, shaft, s0, k


# --------------------------------------------------------------- background

SKY_STOPS = [  # (y, colour) from the zenith down to the glowing horizon
    (0, rgb("141631")),
    (120, rgb("2c2955")),
    (205, rgb("5d4679")),
    (265, rgb("a86e8c")),
    (305, rgb("e4a48e")),
    (340, rgb("f3cda6")),
]

MOON_X, MOON_Y, MOON_R = 468.0, 104.0, 31.0

# Back to front: base line, height, noise scale, seed, rock colour,
# mist colour, how far down the mist takes over, and how thick it gets.
RIDGES = [
    dict(base=300, amp=120, scale=1 / 210, seed=11, rock=rgb("8f6f93"),
         mist=rgb("e9b7a3"), fade=55, thick=0.92, haze=0.30),
    dict(base=330, amp=100, scale=1 / 160, seed=23, rock=rgb("6c5683"),
         mist=rgb("d5a6a6"), fade=60, thick=0.88, haze=0.18),
    dict(base=364, amp=82, scale=1 / 125, seed=37, rock=rgb("4a3f6d"),
         mist=rgb("b992a6"), fade=65, thick=0.80, haze=0.08),
    dict(base=410, amp=70, scale=1 / 100, seed=41, rock=rgb("2d2950"),
         mist=rgb("8f7596"), fade=70, thick=0.62, haze=0.03),
    dict(base=462, amp=46, scale=1 / 85, seed=53, rock=rgb("151428"),
         mist=rgb("4a3f63"), fade=50, thick=0.35, haze=0.0),
]

# Drifting mist banks: centre line, thickness, strength, colour, seed.
MIST_BANKS = [
    (292, 14, 0.55, rgb("f6d2bc"), 5),
    (338, 18, 0.50, rgb("e6bcb5"), 6),
    (386, 20, 0.42, rgb("c7a2b4"), 7),
    (440, 22, 0.30, rgb("9c84a6"), 8),
]

# Centre x, centre y, length, heading (degrees, y down), width, bend,
# splits (lower side?, where, depth), opacity.
FEATHERS = [
    (452, 262, 200, -38, 24, 0.05,
     [(False, 0.42, 0.55), (False, 0.66, 0.45), (True, 0.55, 0.6)], 0.95),
    (582, 358, 125, -118, 16, -0.06,
     [(False, 0.5, 0.5), (True, 0.38, 0.5)], 0.9),
    (318, 176, 86, 24, 11, 0.07, [(False, 0.6, 0.5)], 0.85),
    (560, 196, 52, -72, 7, -0.05, [], 0.7),
    (236, 128, 54, 150, 7, 0.06, [], 0.6),
]

FEATHER_IVORY = rgb("fbf5ea")
FEATHER_TIP = rgb("7cc7c4")
QUILL = rgb("fff9ee")


def sky_row_colours():
    rows = []
    for y in range(BG_H):
        for (y0, c0), (y1, c1) in zip(SKY_STOPS, SKY_STOPS[1:]):
            if y <= y1:
                rows.append(mix(c0, c1, (y - y0) / (y1 - y0)))
                break
        else:
            rows.append(SKY_STOPS[-1][1])
    return rows


def ridge_tops():
    tops = []
    for layer in RIDGES:
        sc, seed = layer["scale"], layer["seed"]
        row = []
        for x in range(BG_W):
            fx = (x + 0.5) * sc
            h = (0.58 * vnoise(fx, seed) + 0.30 * ridged(fx * 2.1, seed + 1)
                 + 0.08 * ridged(fx * 4.3, seed + 2) + 0.04 * vnoise(fx * 9.7, seed + 3))
            row.append(layer["base"] - layer["amp"] * h)
        tops.append(row)
    # A few dark firs stand on the nearest ridge.
    front = tops[-1]
    ground = list(front)
    for i in range(34):
        if hash01(i, 91) < 0.35:
            continue
        xt = 150 + i * 14.5 + 10 * hash01(i, 92)
        if 300 < xt < 520:
            continue  # keep the view under the feathers open
        ht = 14 + 26 * hash01(i, 93)
        wt = ht * 0.28
        base = ground[min(BG_W - 1, max(0, int(xt)))]
        for x in range(max(0, int(xt - wt) - 1), min(BG_W, int(xt + wt) + 2)):
            r = abs(x + 0.5 - xt) / wt
            if r < 1.0:
                # Tiered crown: a triangle with small steps cut into it.
                tier = 0.10 * ((r * 3.0) % 1.0)
                front[x] = min(front[x], base - ht * (1.0 - r - tier) + 2)
    return tops


def mist_lines(tops):
    """Mist settles at a level, not along every crag: a smoothed ridge line."""
    lines = []
    reach = 45
    for top in tops:
        line = []
        for x in range(BG_W):
            lo, hi = max(0, x - reach), min(BG_W, x + reach + 1)
            line.append(0.3 * top[x] + 0.7 * sum(top[lo:hi]) / (hi - lo))
        lines.append(line)
    return lines


def star_field():
    stars = {}
    for i in range(160):
        x = int(hash01(i, 301) * BG_W)
        y = int(hash01(i, 302) ** 1.6 * 230)
        if math.hypot(x - MOON_X, y - MOON_Y) < 95:
            continue
        b = (0.25 + 0.75 * hash01(i, 303) ** 3) * (1.0 - y / 250.0)
        stars[(x, y)] = max(stars.get((x, y), 0.0), b)
        if b > 0.55:  # the brightest get a faint cross
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                p = (x + dx, y + dy)
                stars[p] = max(stars.get(p, 0.0), b * 0.3)
    return stars


def screen(c, light, amount):
    return (1.0 - (1.0 - c[0]) * (1.0 - light[0] * amount),
            1.0 - (1.0 - c[1]) * (1.0 - light[1] * amount),
            1.0 - (1.0 - c[2]) * (1.0 - light[2] * amount))


MOONLIGHT = rgb("ffe9cf")
MOON_FACE = rgb("fdf3df")
MOON_SHADE = rgb("e6d5c0")


def sky_colour(x, y, sky, stars):
    c = sky[y]
    px, py = x + 0.5, y + 0.5
    d = math.hypot(px - MOON_X, py - MOON_Y)
    glow = 0.55 * math.exp(-max(0.0, d - MOON_R) / 28.0) + 0.22 * math.exp(-d / 150.0)
    c = screen(c, MOONLIGHT, glow)
    b = stars.get((x, y))
    if b:
        c = screen(c, (1.0, 0.97, 0.92), b)
    if d < MOON_R + 1.0:
        # Soft grey seas on the face, slightly darker towards the rim.
        mx, my = (px - MOON_X) / MOON_R, (py - MOON_Y) / MOON_R
        sea = (0.55 * math.exp(-((mx + 0.28) ** 2 + (my + 0.22) ** 2) * 9.0)
               + 0.45 * math.exp(-((mx - 0.25) ** 2 + (my - 0.05) ** 2) * 14.0)
               + 0.35 * math.exp(-((mx + 0.05) ** 2 + (my - 0.45) ** 2) * 20.0))
        face = mix(MOON_FACE, MOON_SHADE, clamp01(sea * 0.8 + 0.25 * (d / MOON_R) ** 3))
        c = mix(c, face, clamp01(MOON_R - d + 0.5))
    return c


def ridge_colour(i, x, y, tops, mists):
    layer = RIDGES[i]
    top = tops[i]
    depth = y + 0.5 - top[x]
    sink = y + 0.5 - mists[i][x]
    t = layer["haze"] + (layer["thick"] - layer["haze"]) * smoothstep(0.0, layer["fade"], sink) ** 0.8
    c = mix(layer["rock"], layer["mist"], t)
    # Slopes turned towards the moon catch a little light along the crest.
    slope = top[min(BG_W - 1, x + 5)] - top[max(0, x - 5)]
    lit = smoothstep(1.0, 12.0, slope) * math.exp(-max(0.0, depth) / 10.0) * (0.5 - 0.08 * i)
    if lit > 0.0:
        c = screen(c, MOONLIGHT, lit * 0.5)
    return c


def scene_colour(x, y, tops, mists, sky, stars, start):
    """Colour at pixel (x, y), looking through ridges start, start-1, ... 0."""
    for i in range(start, -1, -1):
        cover = y + 1.0 - tops[i][x]
        if cover > 0.0:
            c = ridge_colour(i, x, y, tops, mists)
            if cover < 1.0:  # anti-aliased crest line
                c = mix(scene_colour(x, y, tops, mists, sky, stars, i - 1), c, cover)
            return c
    return sky_colour(x, y, sky, stars)


def paint_feathers(img):
    spacing = 3.1
    for cx, cy, length, heading, width, bend, splits, opacity in FEATHERS:
        ca, sa = math.cos(math.radians(heading)), math.sin(math.radians(heading))
        bx, by = cx - ca * length / 2, cy - sa * length / 2
        reach = length / 2 + width * 1.6 + abs(bend) * length + 4
        x0, x1 = max(0, int(cx - reach)), min(BG_W, int(cx + reach) + 1)
        y0, y1 = max(0, int(cy - reach)), min(BG_H, int(cy + reach) + 1)
        span = width * 1.2 + abs(bend) * length + 3
        for y in range(y0, y1):
            dy = y + 0.5 - by
            row = y * BG_W
            for x in range(x0, x1):
                dx = x + 0.5 - bx
                u = dx * ca + dy * sa
                v = -dx * sa + dy * ca
                if u < -4 or u > length + width or abs(v) > span:
                    continue
                vane, shaft, s0, k = feather_shape(u, v, length, width, bend, splits, 1.0)
                # A faint halo of moonlit mist around each feather.
                halo = 0.0
                if vane < 1.0 and k > 0.0 and 0.1 < s0 < 1.05:
                    halo = 0.12 * opacity * clamp01((1.7 - k) / 0.7)
                if vane <= 0.0 and shaft <= 0.0 and halo <= 0.0:
                    continue
                p = row + x
                c = img[p]
                if halo > 0.0:
                    c = screen(c, MOONLIGHT, halo * (1.0 - vane))
                if vane > 0.0:
                    barbs = 0.93 + 0.07 * math.cos(2.0 * math.pi * (u - abs(v) * 0.85) / spacing)
                    tone = (0.86 + 0.14 * min(1.0, k)) * barbs
                    if v < 0.0:
                        tone *= 0.92  # the side away from the moon
                    fc = mix(FEATHER_IVORY, FEATHER_TIP, smoothstep(0.55, 1.0, s0) * 0.9)
                    fc = (fc[0] * tone, fc[1] * tone, fc[2] * tone)
                    c = mix(c, fc, vane * opacity)
                if shaft > 0.0:
                    c = mix(c, QUILL, shaft * opacity)
                img[p] = c


BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def render_background():
    sky = sky_row_colours()
    tops = ridge_tops()
    mists = mist_lines(tops)
    stars = star_field()
    banks = []
    for yc, th, strength, colour, seed in MIST_BANKS:
        wob = [18.0 * (vnoise(x / 90.0, seed) - 0.5) + 6.0 * math.sin(x / 37.0 + seed)
               for x in range(BG_W)]
        dens = [strength * smoothstep(0.25, 0.85, vnoise(x / 70.0, seed + 40) * 0.7
                                      + vnoise(x / 23.0, seed + 41) * 0.3)
                for x in range(BG_W)]
        banks.append((yc, th, colour, wob, dens))

    last = len(RIDGES) - 1
    img = []
    for y in range(BG_H):
        active = [b for b in banks if abs(y - b[0]) < 3.2 * b[1] + 20]
        for x in range(BG_W):
            c = scene_colour(x, y, tops, mists, sky, stars, last)
            for yc, th, colour, wob, dens in active:
                e = (y - yc - wob[x]) / th
                if -3.0 < e < 3.0:
                    c = mix(c, colour, dens[x] * math.exp(-e * e))
            img.append(c)
    paint_feathers(img)

    # Gentle vignette keeps the eye on the centre-right.
    out = bytearray(BG_W * BG_H * 3)
    for y in range(BG_H):
        dst = (BG_H - 1 - y) * BG_W * 3   # BMP rows run bottom-up
        src = y * BG_W
        vy = ((y - 250.0) / 420.0) ** 2
        bay = BAYER4[y & 3]
        for x in range(BG_W):
            r, g, b = img[src + x]
            shade = 1.0 - 0.55 * (((x - 400.0) / 700.0) ** 2 + vy)
            dither = (bay[x & 3] + 0.5) / 16.0
            out[dst] = min(255, int(b * shade * 255.0 + dither))
            out[dst + 1] = min(255, int(g * shade * 255.0 + dither))
            out[dst + 2] = min(255, int(r * shade * 255.0 + dither))
            dst += 3
    return bytes(out)


def bmp_file(pixels):
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, BG_W, BG_H, 1, 24, 0, len(pixels),
                       3780, 3780, 0, 0)
    return header + info + pixels


# --------------------------------------------------------------------- icon

# The emblem lives in a unit square (x right, y down): a moonlit disc of
# misty teal mountains inside a pale gold ring, crossed by a white feather.
EMBLEM_R = 0.475  # outer edge of the ring's dark rim
EM_SKY_TOP = rgb("172a4f")
EM_SKY_LOW = rgb("3f8f98")
EM_MOON = rgb("fff4d8")
EM_BACK = rgb("4f9a9e")
EM_SNOW = rgb("eaf6f2")
EM_FRONT = rgb("123b48")
EM_MIST = rgb("a9d8d4")
EM_RING = rgb("efd9a0")
EM_RIM = rgb("0b1c26")
EM_FEATHER = rgb("ffffff")
EM_TIP = rgb("2fa3a6")
EM_QUILL = rgb("b7d6d6")
EM_SHADE = rgb("9cc4c8")

BACK_RANGE = [(0.0, 0.64), (0.20, 0.52), (0.33, 0.58), (0.52, 0.36), (0.70, 0.50),
              (0.80, 0.45), (1.0, 0.60)]
FRONT_RANGE = [(0.0, 0.74), (0.18, 0.66), (0.36, 0.77), (0.60, 0.64), (0.86, 0.78),
               (1.0, 0.72)]

EM_FEATHER_BASE = (0.15, 0.87)
EM_FEATHER_TIP = (0.86, 0.13)
EM_FEATHER_W = 0.125
EM_SPLITS = [(False, 0.52, 0.5), (True, 0.62, 0.55)]


def emblem_sample(x, y, px):
    """(r, g, b, alpha, light) of the emblem at unit point (x, y).

    px is one output pixel in unit terms; thin strokes never get thinner than
    about a pixel, so the same drawing stays legible at 16x16.  `light` says
    whether the spot belongs to the bright parts used by the black-and-white
    icon.
    """
    ring = max(0.035, 1.0 * px)
    rim = max(0.018, 0.9 * px)
    width = max(EM_FEATHER_W, 2.4 * px)
    disc = EMBLEM_R - ring - rim
    colour, alpha, light = None, 0.0, False

    d = math.hypot(x - 0.5, y - 0.5)
    if d <= disc:
        c = mix(EM_SKY_TOP, EM_SKY_LOW, smoothstep(0.1, 0.75, y))
        md = math.hypot(x - 0.34, y - 0.31)
        if md < 0.085:
            c, light = EM_MOON, True
        elif md < 0.16:
            c = mix(c, EM_MOON, 0.35 * (1.0 - (md - 0.085) / 0.075) ** 2)
        back = piecewise(BACK_RANGE, x)
        if y >= back:
            depth = y - back
            c = mix(EM_BACK, EM_MIST, smoothstep(0.0, 0.2, depth))
            if depth < 0.05 and back < 0.5:
                c = EM_SNOW  # too small to keep in black and white
        mist = math.exp(-((y - 0.64 - 0.02 * math.sin(x * 11.0)) / 0.035) ** 2)
        c = mix(c, EM_MIST, 0.6 * mist)
        front = piecewise(FRONT_RANGE, x)
        if y >= front:
            c = mix(EM_FRONT, EM_BACK, 0.25 * smoothstep(0.0, 0.12, y - front))
            light = False
        colour, alpha = c, 1.0
    elif d <= disc + ring:
        # In black and white a one-pixel ring at 16x16 only breaks up.
        colour, alpha, light = EM_RING, 1.0, px < 0.05
    elif d <= EMBLEM_R:
        colour, alpha = EM_RIM, 1.0

    # The feather sits on top; its dark rim separates it from the disc and
    # from whatever desktop the icon lands on.
    bx, by = EM_FEATHER_BASE
    fx, fy = EM_FEATHER_TIP[0] - bx, EM_FEATHER_TIP[1] - by
    length = math.hypot(fx, fy)
    ca, sa = fx / length, fy / length
    dx, dy = x - bx, y - by
    u = dx * ca + dy * sa
    v = -dx * sa + dy * ca
    if -0.1 < u < length + 0.1 and abs(v) < 0.25:
        aa = 1e-6  # hard edges: anti-aliasing comes from supersampling
        vane, shaft, s0, _ = feather_shape(u, v, length, width, 0.04,
                                           EM_SPLITS, aa, grow=rim)
        if vane > 0.5 or shaft > 0.5:
            colour, alpha, light = EM_RIM, 1.0, False
            vane, shaft, s0, k = feather_shape(u, v, length, width, 0.04,
                                               EM_SPLITS, aa)
            if vane > 0.5:
                c = mix(EM_FEATHER, EM_TIP, smoothstep(0.62, 0.95, s0))
                vp = v - 0.04 * length * (u / length) ** 2
                if vp > 0.0:  # the half turned away from the moon
                    c = mix(c, EM_SHADE, 0.35 * (1.0 - k))
                if px < 1.0 / 64:  # barbs only where there is room to see them
                    barb = ((u - abs(vp) * 0.85) / 0.042) % 1.0
                    if barb < 0.14 and 0.15 < k < 0.92:
                        c = mix(c, EM_SHADE, 0.45)
                colour, light = c, True
            if shaft > 0.5:
                colour, light = EM_QUILL, True
    return colour, alpha, light


def render_emblem(size):
    """Supersampled emblem: BGRA rows top-down and a black/white/clear map."""
    n = 8 if size <= 16 else 6 if size <= 32 else 5 if size <= 48 else 4
    px = 1.0 / size
    bgra = []
    mono = []  # None = transparent, True = white, False = black
    for j in range(size):
        for i in range(size):
            sr = sg = sb = sa = 0.0
            lit = 0
            for sj in range(n):
                y = (j + (sj + 0.5) / n) * px
                for si in range(n):
                    x = (i + (si + 0.5) / n) * px
                    c, a, light = emblem_sample(x, y, px)
                    if a > 0.0:
                        sr += c[0] * a
                        sg += c[1] * a
                        sb += c[2] * a
                        sa += a
                        lit += light
            alpha = sa / (n * n)
            a8 = int(alpha * 255.0 + 0.5)
            if a8 == 0:
                bgra.append((0, 0, 0, 0))
            else:
                # Straight (not premultiplied) colour, as icons expect.
                bgra.append((int(sb / sa * 255.0 + 0.5), int(sg / sa * 255.0 + 0.5),
                             int(sr / sa * 255.0 + 0.5), a8))
            if alpha < 0.5:
                mono.append(None)
            else:
                mono.append(lit * 2 > sa)
    return bgra, mono


def and_mask(size, clear):
    """1-bpp mask rows, bottom-up, each padded to 4 bytes; 1 = see-through."""
    stride = (size + 31) // 32 * 4
    out = bytearray()
    for j in range(size - 1, -1, -1):
        row = bytearray(stride)
        for i in range(size):
            if clear(j * size + i):
                row[i >> 3] |= 0x80 >> (i & 7)
        out += row
    return bytes(out)


def icon_image_32(size, bgra):
    xor = bytearray()
    for j in range(size - 1, -1, -1):
        for i in range(size):
            xor += bytes(bgra[j * size + i])
    mask = and_mask(size, lambda p: bgra[p][3] == 0)
    head = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return head + bytes(xor) + mask


def icon_image_1(size, mono):
    # Classic rule: clear where AND=1 (colour bit 0), else colour bit picks
    # black (0) or white (1).  A rim of black keeps the outline readable.
    def clear(p):
        return mono[p] is None

    def white(p):
        if not mono[p]:
            return False
        j, i = divmod(p, size)
        for nj, ni in ((j - 1, i), (j + 1, i), (j, i - 1), (j, i + 1)):
            if not (0 <= nj < size and 0 <= ni < size) or mono[nj * size + ni] is None:
                return False
        return True

    xor = and_mask(size, white)
    mask = and_mask(size, clear)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    head = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0,
                       len(xor) + len(mask), 0, 0, 2, 0)
    return head + palette + xor + mask


def ico_file():
    images = []  # (size, colour-count byte, bpp, bytes)
    cache = {}
    for size, bpp in ((16, 1), (16, 32), (32, 1), (32, 32), (48, 1), (48, 32), (128, 32)):
        if size not in cache:
            cache[size] = render_emblem(size)
        bgra, mono = cache[size]
        if bpp == 1:
            images.append((size, 2, 1, icon_image_1(size, mono)))
        else:
            images.append((size, 0, 32, icon_image_32(size, bgra)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, colours, bpp, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bpp,
                           len(data), offset)
        offset += len(data)
    for *_, data in images:
        out += data
    return bytes(out)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Draw the launcher's background and icon.")
    parser.add_argument("--out", type=Path,
                        default=Path(__file__).resolve().parent.parent / "assets",
                        help="folder to write background.bmp and launcher.ico into")
    args = parser.parse_args(argv)
    args.out.mkdir(parents=True, exist_ok=True)
    (args.out / "background.bmp").write_bytes(bmp_file(render_background()))
    (args.out / "launcher.ico").write_bytes(ico_file())
    return 0


if __name__ == "__main__":
    sys.exit(main())
