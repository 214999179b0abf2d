"""Vector outlines of the four suit symbols.

Each shape is described in unit coordinates: centred on (0, 0), one unit
tall, y growing downwards.  draw_suit() places it on a Pen at any size,
optionally turned by 180 degrees for the lower half of a card.
"""

import math

CLUBS, DIAMONDS, HEARTS, SPADES = range(4)
SUITS = (CLUBS, DIAMONDS, HEARTS, SPADES)
RED = (204, 12, 28)
BLACK = (16, 16, 16)


def suit_colour(suit):
    return RED if suit in (DIAMONDS, HEARTS) else BLACK


def _heart_outline(steps=160):
    """Classic heart curve, point downwards, normalised to one unit tall."""
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((x, y))
    ys = [p[1] for p in pts]
    top, bottom = min(ys), max(ys)
    h = bottom - top
    return [(x / h * 0.95, (y - top) / h - 0.5) for x, y in pts]


def _stem(top, bottom, half_top, half_bottom, steps=12):
    """A stem that flares out towards its foot with concave sides."""
    left, right = [], []
    for i in range(steps + 1):
        t = i / steps
        y = top + (bottom - top) * t
        half = half_top + (half_bottom - half_top) * t ** 2.4
        left.append((-half, y))
        right.append((half, y))
    return left + right[::-1]


def _diamond(steps=10):
    """Lozenge with slightly hollow sides."""
    corners = [(0, -0.5), (0.36, 0), (0, 0.5), (-0.36, 0)]
    pts = []
    for i in range(4):
        (x0, y0), (x1, y1) = corners[i], corners[(i + 1) % 4]
        cx, cy = (x0 + x1) / 2 * 0.82, (y0 + y1) / 2 * 0.82
        for j in range(steps):
            t = j / steps
            pts.append(((1 - t) ** 2 * x0 + 2 * t * (1 - t) * cx + t * t * x1,
                        (1 - t) ** 2 * y0 + 2 * t * (1 - t) * cy + t * t * y1))
    return pts


def _spade():
    body = [(x * 0.98, -y * 0.8 - 0.1) for x, y in _heart_outline()]
    return [("poly", body), ("poly", _stem(0.05, 0.5, 0.035, 0.2))]


def _club():
    r = 0.205
    return [("circle", (0, -0.5 + r, r)), ("circle", (-0.235, 0.03, r)),
            ("circle", (0.235, 0.03, r)), ("circle", (0, -0.05, 0.12)),
            ("poly", _stem(-0.05, 0.5, 0.04, 0.2))]


SHAPES = {
    CLUBS: _club(),
    DIAMONDS: [("poly", _diamond())],
    HEARTS: [("poly", _heart_outline())],
    SPADES: _spade(),
}


def draw_suit(pen, suit, cx, cy, height, fill=None, turned=False):
    """Draw a suit symbol of the given height centred on (cx, cy)."""
    if fill is None:
        fill = suit_colour(suit)
    k = -height if turned else height
    for kind, data in SHAPES[suit]:
        if kind == "poly":
            pen.poly([(cx + x * k, cy + y * k) for x, y in data], fill=fill)
        else:
            x, y, r = data
            pen.circle(cx + x * k, cy + y * k, r * height, fill=fill)
