"""Card backs (ids 53..64) and place markers (ids 65..68)."""

import math

from PIL import Image, ImageDraw

from common import SCALE, canvas, reduce

WIDTH, HEIGHT = 71, 96
INNER = (4, 4, 67, 92)                       # patterned area inside the white margin
IW, IH = INNER[2] - INNER[0], INNER[3] - INNER[1]
WHITE = (255, 255, 255)
TABLE = (0, 128, 0)


def _lattice(pen, ground, ink):
    for k in range(-IH, IW + IH, 5):
        pen.line([(k, 0), (k + IH, IH)], ink, 0.8)
        pen.line([(k, 0), (k - IH, IH)], ink, 0.8)
    for j in range(int(IH / 2.5) + 1):
        for i in range(j % 2 + 1, int(IW / 2.5) + 1, 2):
            pen.circle(i * 2.5, j * 2.5, 0.6, fill=WHITE)


def _waves(pen, ground, ink):
    for row, y0 in enumerate(range(-2, IH + 4, 4)):
        pts = [(x / 2, y0 + 1.5 * math.sin(x / 2 / 3.5 + row * 0.9)) for x in range(2 * IW + 1)]
        pen.line(pts, ink if row % 2 else WHITE, 1.0)


def _checks(pen, ground, ink):
    size = 4.5
    for j in range(int(IH / size) + 1):
        for i in range(int(IW / size) + 1):
            if (i + j) % 2:
                pen.rect((i * size, j * size, (i + 1) * size, (j + 1) * size), ink)


def _rose(pen, ground, ink):
    cx, cy = IW / 2, IH / 2
    for ring, (r, n) in enumerate(((26, 24), (17, 16), (9, 12))):
        for k in range(n):
            a = 2 * math.pi * (k + ring * 0.5) / n
            pen.circle(cx + r * math.cos(a) * 0.5, cy + r * math.sin(a) * 0.5, r * 0.5,
                       outline=ink if ring != 1 else WHITE, width=0.5)
    pen.circle(cx, cy, 2.5, fill=WHITE)
    for x, y in ((4, 4), (IW - 4, 4), (4, IH - 4), (IW - 4, IH - 4)):
        pen.circle(x, y, 2.2, fill=ink)


def _star_points(cx, cy, r):
    return [(cx + (r if k % 2 == 0 else r * 0.42) * math.sin(k * math.pi / 5),
             cy - (r if k % 2 == 0 else r * 0.42) * math.cos(k * math.pi / 5)) for k in range(10)]


def _stars(pen, ground, ink):
    for j, y in enumerate(range(3, IH + 6, 7)):
        for x in range(3 + (j % 2) * 4, IW + 6, 8):
            pen.poly(_star_points(x, y, 2.8), ink)


def _argyle(pen, ground, ink):
    w, h = 12, 16
    for j in range(-1, IH // h + 2):
        for i in range(-1, IW // w + 2):
            x, y = i * w + (w / 2 if j % 2 else 0), j * h
            pen.poly([(x, y - h / 2), (x + w / 2, y), (x, y + h / 2), (x - w / 2, y)], ink)
    for k in range(-IH, IW + IH, 6):
        pen.line([(k, 0), (k + IH * 0.75, IH)], WHITE, 0.35)
        pen.line([(k, 0), (k - IH * 0.75, IH)], WHITE, 0.35)


def _frames(pen, ground, ink):
    for k in range(0, 24, 3):
        colour = ink if k % 6 == 0 else WHITE
        pen.rect((k + 1, k + 1, IW - k - 1, IH - k - 1), None, colour, 1.2, radius=2)
    cx, cy = IW / 2, IH / 2
    pen.poly([(cx, cy - 17), (cx + 7, cy), (cx, cy + 17), (cx - 7, cy)], WHITE, ink, 1)
    pen.poly(_star_points(cx, cy, 4), ground)


def _dots(pen, ground, ink):
    for j, y in enumerate(range(2, IH + 4, 5)):
        for x in range(2 + (j % 2) * 3, IW + 4, 6):
            pen.circle(x, y, 1.5, fill=ink)


def _stripes(pen, ground, ink):
    for k in range(-IH, IW, 6):
        pen.poly([(k, IH), (k + IH, 0), (k + IH + 3, 0), (k + 3, IH)], ink)


def _sunburst(pen, ground, ink):
    cx, cy, n = IW / 2, IH / 2, 32
    for k in range(0, n, 2):
        a0, a1 = 2 * math.pi * k / n, 2 * math.pi * (k + 1) / n
        pen.poly([(cx, cy), (cx + 80 * math.cos(a0), cy + 80 * math.sin(a0)),
                  (cx + 80 * math.cos(a1), cy + 80 * math.sin(a1))], ink)
    pen.circle(cx, cy, 9, fill=WHITE, outline=ink, width=1)
    pen.poly(_star_points(cx, cy, 7), ink)


def _scales(pen, ground, ink):
    r = 4
    for j, y in enumerate(range(IH + r, -2 * r, -r)):
        for x in range(-r + (j % 2) * r, IW + 2 * r, 2 * r):
            pen.circle(x, y, r, fill=ink if (x // (2 * r) + j) % 3 else ground,
                       outline=WHITE, width=0.5)


BACKS = [
    (_lattice, (24, 60, 160), (130, 170, 235)),
    (_lattice, (170, 20, 30), (240, 140, 140)),
    (_waves, (20, 100, 140), (120, 210, 230)),
    (_checks, (30, 110, 50), (120, 190, 120)),
    (_rose, (120, 20, 60), (245, 200, 120)),
    (_stars, (20, 30, 90), (250, 220, 90)),
    (_argyle, (90, 40, 130), (170, 120, 210)),
    (_frames, (200, 90, 20), (250, 200, 120)),
    (_dots, (240, 230, 200), (190, 30, 40)),
    (_stripes, (20, 90, 60), (90, 170, 120)),
    (_sunburst, (200, 150, 20), (240, 210, 90)),
    (_scales, (10, 110, 110), (60, 170, 160)),
]


def card_back(pattern, ground, ink, k=1):
    """A back: pattern inside a rounded panel with a white margin."""
    image, pen = canvas(WIDTH, HEIGHT, WHITE, scale=SCALE * k)
    inner, inner_pen = canvas(IW, IH, ground, scale=SCALE * k)
    pattern(inner_pen, ground, ink)
    s = pen.s
    mask = Image.new("L", inner.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, IW * s - 1, IH * s - 1), 3 * s, fill=255)
    image.paste(inner, (INNER[0] * s, INNER[1] * s), mask)
    pen.rect(INNER, None, ground, 0.8, radius=3)
    pen.rect((INNER[0] + 1.6, INNER[1] + 1.6, INNER[2] - 1.6, INNER[3] - 1.6), None, WHITE, 0.6,
             radius=2)
    return reduce(image, WIDTH * k, HEIGHT * k)


def marker(symbol, k=1):
    """Place marker drawn in light green on the table green: 'X', 'O', 'frame' or ''."""
    image, pen = canvas(WIDTH, HEIGHT, TABLE, scale=SCALE * k)
    light = (110, 200, 110)
    if symbol:
        pen.rect((4, 4, WIDTH - 4, HEIGHT - 4), None, light, 1.2, radius=4)
    if symbol == "X":
        pen.line([(14, 24), (WIDTH - 14, HEIGHT - 24)], light, 5)
        pen.line([(WIDTH - 14, 24), (14, HEIGHT - 24)], light, 5)
    elif symbol == "O":
        pen.circle(WIDTH / 2, HEIGHT / 2, 19, outline=light, width=5)
    return reduce(image, WIDTH * k, HEIGHT * k)


def all_backs_and_markers(first_id, k=1):
    """{resource id: picture} for the backs followed by the four markers, k times the size."""
    pictures = [card_back(*entry, k) for entry in BACKS]
    pictures += [marker(symbol, k) for symbol in ("X", "O", "frame", "")]
    return {first_id + k: picture for k, picture in enumerate(pictures)}
