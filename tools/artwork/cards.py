"""The 52 card faces: corner indices, pip layouts and court pictures."""

from PIL import Image, ImageDraw

from common import SCALE, canvas, font, reduce
from courts import draw_court
from suits import SUITS, SPADES, draw_suit, suit_colour

WIDTH, HEIGHT = 71, 96
WHITE = (255, 255, 255)
RANKS = ("A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K")

INDEX_FONT = "C059-Bold.otf"
INDEX_CENTRE_X = 8.0          # centre line of the corner index column
INDEX_TOP = 4.0               # top of the rank characters
INDEX_RANK_HEIGHT = 9.0       # cap height of the rank characters
INDEX_PIP_HEIGHT = 7.5
INDEX_MAX_WIDTH = 10.0       # widest rank text, in pixels
INDEX_BOX = (0, 0, 16, 28)    # region copied, turned, to the opposite corner

PIP_HEIGHT = 12.5
COLUMNS = (21.0, 35.5, 50.0)  # x of left, centre and right pip columns
PIP_TOP, PIP_BOTTOM = 17.0, 79.0

# Pip positions per rank as (column, row); row 0 = top, 1 = bottom.
L, C, R = COLUMNS
PIP_LAYOUTS = {
    2: [(C, 0), (C, 1)],
    3: [(C, 0), (C, 0.5), (C, 1)],
    4: [(L, 0), (R, 0), (L, 1), (R, 1)],
    5: [(L, 0), (R, 0), (C, 0.5), (L, 1), (R, 1)],
    6: [(x, y) for y in (0, 0.5, 1) for x in (L, R)],
    7: [(x, y) for y in (0, 0.5, 1) for x in (L, R)] + [(C, 0.25)],
    8: [(x, y) for y in (0, 0.5, 1) for x in (L, R)] + [(C, 0.25), (C, 0.75)],
    9: [(x, y) for y in (0, 1 / 3, 2 / 3, 1) for x in (L, R)] + [(C, 0.5)],
    10: [(x, y) for y in (0, 1 / 3, 2 / 3, 1) for x in (L, R)] + [(C, 1 / 6), (C, 5 / 6)],
}


def resource_id(suit, rank):
    """Resource id of a face: suit in CLUBS..SPADES, rank 1 (ace) .. 13 (king)."""
    return suit * 13 + rank


def _rank_font(pen):
    """Index font sized so that capitals are INDEX_RANK_HEIGHT tall."""
    probe_size = 100
    cap_per_size = -font(INDEX_FONT, probe_size).getbbox("K", anchor="ls")[1] / probe_size
    return font(INDEX_FONT, round(INDEX_RANK_HEIGHT * pen.s / cap_per_size))


def _rank_mask(text, pen):
    """Rank characters as a mask, squeezed if wider than the index column.

    Returns the mask and the offset of its top edge from the baseline.
    """
    fnt = _rank_font(pen)
    left, top, right, bottom = fnt.getbbox(text, anchor="ls")
    mask = Image.new("L", (right - left, bottom - top), 0)
    ImageDraw.Draw(mask).text((-left, -top), text, font=fnt, fill=255, anchor="ls")
    max_width = round(INDEX_MAX_WIDTH * pen.s)
    if mask.width > max_width:
        mask = mask.resize((max_width, mask.height), Image.Resampling.LANCZOS)
    return mask, top


def _draw_index(image, pen, suit, rank):
    s = pen.s
    mask, top = _rank_mask(RANKS[rank - 1], pen)
    baseline = (INDEX_TOP + INDEX_RANK_HEIGHT) * s
    position = (round(INDEX_CENTRE_X * s - mask.width / 2), round(baseline + top))
    image.paste(suit_colour(suit), position + (position[0] + mask.width,
                                              position[1] + mask.height), mask)
    pip_y = INDEX_TOP + INDEX_RANK_HEIGHT + 3.6 + INDEX_PIP_HEIGHT / 2
    draw_suit(pen, suit, INDEX_CENTRE_X, pip_y, INDEX_PIP_HEIGHT)
    box = [v * s for v in INDEX_BOX]
    corner = image.crop(box).transpose(Image.Transpose.ROTATE_180)
    image.paste(corner, ((WIDTH - INDEX_BOX[2]) * s, (HEIGHT - INDEX_BOX[3]) * s))


def _draw_pips(pen, suit, rank):
    if rank == 1:
        size = 36 if suit == SPADES else 28
        draw_suit(pen, suit, WIDTH / 2, HEIGHT / 2, size)
        return
    for x, row in PIP_LAYOUTS[rank]:
        y = PIP_TOP + (PIP_BOTTOM - PIP_TOP) * row
        draw_suit(pen, suit, x, y, PIP_HEIGHT, turned=row > 0.5)


def card_face(suit, rank, k=1):
    """Picture of one face, WIDTH x HEIGHT times k, RGB."""
    image, pen = canvas(WIDTH, HEIGHT, WHITE, scale=SCALE * k)
    _draw_index(image, pen, suit, rank)
    if rank <= 10:
        _draw_pips(pen, suit, rank)
    else:
        draw_court(image, pen, suit, rank)
    return reduce(image, WIDTH * k, HEIGHT * k)


def all_faces(k=1):
    """{resource id: picture} for the 52 faces, k times the size."""
    return {resource_id(s, r): card_face(s, r, k) for s in SUITS for r in range(1, 14)}
