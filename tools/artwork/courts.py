"""Pictures for the jack, queen and king: two-ended stylised figures.

The upper half of each picture is drawn once and repeated, turned by 180
degrees, in the lower half, as on a traditional double-headed card.
"""

from PIL import Image

from common import Pen
from suits import CLUBS, DIAMONDS, HEARTS, SPADES, draw_suit

FRAME = (15, 5, 56, 91)                  # left, top, right, bottom of the picture frame
HALF_W = FRAME[2] - FRAME[0]             # 41
HALF_H = (FRAME[3] - FRAME[1]) // 2      # 43
CX = HALF_W / 2

INK = (20, 20, 30)
RED = (196, 28, 36)
BLUE = (32, 64, 168)
GOLD = (238, 184, 36)
SKIN = (252, 218, 184)
CREAM = (255, 250, 236)
WHITE = (255, 255, 255)
GREY = (176, 182, 192)
BROWN = (150, 92, 36)
GREEN = (40, 130, 50)
ROBES = {CLUBS: (BLUE, GOLD), DIAMONDS: (RED, BLUE), HEARTS: (RED, GOLD), SPADES: (BLUE, RED)}
JACK, QUEEN, KING = 11, 12, 13
LINE = 0.5


def _robe(pen, left, right):
    h = HALF_H
    pen.poly([(3, h), (3.5, 33), (8, 28.5), (CX, 27.5), (CX, h)], left, INK, LINE)
    pen.poly([(CX, h), (CX, 27.5), (HALF_W - 8, 28.5), (HALF_W - 3.5, 33), (HALF_W - 3, h)],
             right, INK, LINE)
    for x, y in ((8, 33), (12, 37), (8, 41), (13.5, 31.5)):
        pen.line([(x - 1, y), (x + 1, y)], GOLD, 0.5)
        pen.line([(x, y - 1), (x, y + 1)], GOLD, 0.5)
        pen.line([(HALF_W - x - 1, y), (HALF_W - x + 1, y)], INK, 0.35)
    pen.rect((CX - 1.6, 28, CX + 1.6, h), GOLD, INK, 0.4)
    for y in (31, 35, 39):
        pen.circle(CX, y, 0.75, fill=RED if left != RED else BLUE)
    pen.rect((3.2, h - 2.6, HALF_W - 3.2, h + 1), GOLD, INK, 0.4)
    pen.ellipse((CX - 8.5, 24, CX + 8.5, 29.5), WHITE, INK, LINE)
    for dx in (-6, -3, 0, 3, 6):
        pen.line([(CX + dx, 24.8), (CX + dx * 0.9, 28.8)], GREY, 0.3)


def _head(pen, beard):
    pen.ellipse((CX - 5.2, 10.5, CX + 5.2, 24.5), SKIN, INK, LINE)
    for dx in (-2, 2):
        pen.ellipse((CX + dx - 0.7, 15.6, CX + dx + 0.7, 17), WHITE, INK, 0.3)
        pen.circle(CX + dx, 16.4, 0.4, fill=INK)
    pen.line([(CX - 3.2, 14.6), (CX - 1, 14.4)], INK, 0.35)
    pen.line([(CX + 1, 14.4), (CX + 3.2, 14.6)], INK, 0.35)
    pen.line([(CX, 17), (CX - 0.8, 19.6), (CX + 0.3, 19.8)], INK, 0.35)
    if beard:
        pen.poly([(CX - 5, 18.5), (CX - 3.6, 24), (CX, 28), (CX + 3.6, 24), (CX + 5, 18.5),
                  (CX + 2.2, 21), (CX - 2.2, 21)], beard, INK, 0.4)
        pen.line([(CX - 2.5, 21.6), (CX, 21), (CX + 2.5, 21.6)], INK, 0.3)
    else:
        pen.line([(CX - 1.3, 21.6), (CX, 22), (CX + 1.3, 21.6)], RED, 0.55)


def _crown(pen):
    pts = [(CX - 6, 13), (CX - 6.5, 4.5), (CX - 3.2, 8.5), (CX, 2.2),
           (CX + 3.2, 8.5), (CX + 6.5, 4.5), (CX + 6, 13)]
    pen.poly(pts, GOLD, INK, LINE)
    for x, y in (pts[1], pts[3], pts[5]):
        pen.circle(x, y, 1.0, fill=GOLD, outline=INK, width=0.3)
    pen.rect((CX - 6, 10.2, CX + 6, 13.2), GOLD, INK, 0.4)
    for dx, colour in ((-3.5, RED), (0, BLUE), (3.5, RED)):
        pen.circle(CX + dx, 11.7, 0.85, fill=colour)


def _tiara(pen, petal):
    pen.poly([(CX - 6.8, 13), (CX - 7, 30), (CX - 4, 17), (CX + 4, 17), (CX + 7, 30),
              (CX + 6.8, 13), (CX, 8.5)], BROWN, INK, LINE)
    pen.ellipse((CX - 5.6, 9, CX + 5.6, 14), GOLD, INK, 0.4)
    for dx, dy in ((0, -2.3), (-2.2, -0.7), (2.2, -0.7), (-1.4, 1.7), (1.4, 1.7)):
        pen.circle(CX + dx, 6 + dy, 1.4, fill=petal, outline=INK, width=0.3)
    pen.circle(CX, 6, 1.0, fill=GOLD, outline=INK, width=0.3)


def _cap(pen, cap, feather):
    pen.poly([(CX + 2, 9), (CX + 7, 3.5), (CX + 12.5, 1.8), (CX + 9, 5.5), (CX + 4.5, 10.5)],
             feather, INK, 0.4)
    pen.poly([(CX - 7, 13.5), (CX - 6, 8), (CX - 1, 5), (CX + 5, 6.5), (CX + 7, 13.5)],
             cap, INK, LINE)
    pen.rect((CX - 6.8, 11.6, CX + 6.8, 14.4), GOLD, INK, 0.4)


def _hand(pen, x, y, cuff):
    pen.poly([(x - 2.5, y + 4), (x - 2, y + 1), (x + 2, y + 1), (x + 2.5, y + 4)], cuff, INK, 0.4)
    pen.circle(x, y, 1.9, fill=SKIN, outline=INK, width=0.4)


def _sword(pen, cuff):
    x = HALF_W - 6.5
    pen.poly([(x - 1, 32), (x - 1, 6.5), (x, 4), (x + 1, 6.5), (x + 1, 32)], GREY, INK, 0.4)
    pen.rect((x - 3.2, 31, x + 3.2, 32.8), GOLD, INK, 0.4)
    _hand(pen, x, 34.5, cuff)


def _flower(pen, petal, cuff):
    x = 6.5
    pen.line([(x + 0.5, 34), (x, 21)], GREEN, 0.7)
    pen.poly([(x, 27), (x - 3, 24.5), (x - 1, 27.8)], GREEN)
    for dx, dy in ((0, -1.9), (-1.8, 0), (1.8, 0), (0, 1.9)):
        pen.circle(x + dx, 19 + dy, 1.35, fill=petal, outline=INK, width=0.3)
    pen.circle(x, 19, 0.9, fill=GOLD)
    _hand(pen, x + 0.5, 34.5, cuff)


def _halberd(pen, cuff):
    x = HALF_W - 5.5
    pen.line([(x, HALF_H), (x, 9)], BROWN, 1.0)
    pen.poly([(x, 2.5), (x + 1.2, 9), (x - 1.2, 9)], GREY, INK, 0.4)
    pen.poly([(x + 0.5, 10), (x + 4, 8.5), (x + 3.4, 12), (x + 4, 15.5), (x + 0.5, 13.5)],
             GREY, INK, 0.4)
    _hand(pen, x, 34.5, cuff)


def _figure(pen, suit, rank):
    left, right = ROBES[suit]
    accent = RED if left != RED else GOLD
    if rank == QUEEN:
        _tiara(pen, right if right != GOLD else RED)
    _robe(pen, left, right)
    _head(pen, (236, 236, 240) if rank == KING else None)
    if rank == KING:
        _crown(pen)
        _sword(pen, right)
    elif rank == QUEEN:
        _flower(pen, accent, left)
    else:
        _cap(pen, left, accent)
        _halberd(pen, right)
    draw_suit(pen, suit, 4.2, 5, 6.5)


def draw_court(image, pen, suit, rank):
    """Draw the framed two-ended picture of a court card on a face canvas."""
    s = pen.s
    half = Image.new("RGB", (HALF_W * s, HALF_H * s), CREAM)
    _figure(Pen(half, s), suit, rank)
    left, top, right, bottom = FRAME
    image.paste(half, (left * s, top * s))
    image.paste(half.transpose(Image.Transpose.ROTATE_180), (left * s, (top + HALF_H) * s))
    pen.line([(left, top + HALF_H), (right, top + HALF_H)], INK, 0.6)
    pen.rect(FRAME, None, INK, 0.7)
    pen.rect((left + 1, top + 1, right - 1, bottom - 1), None, GOLD, 0.5)
