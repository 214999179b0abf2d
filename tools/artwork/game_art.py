"""Title, panel and banner pictures, and the program icon."""

import math

from PIL import Image, ImageDraw

from common import canvas, font
from suits import HEARTS, SPADES, draw_suit

DARK_BLUE = (0x00, 0x40, 0x64)
WHITE = (255, 255, 255)
LOGO_KEY = (0xF8, 0xBF, 0x24)
ADDRESS_KEY = (0xC6, 0xD6, 0xE7)

TITLE_FONT = "P052-Italic.otf"
LOGO_FONT = "URWGothic-Demi.otf"
ADDRESS_FONT = "DejaVuSans-Bold.ttf"


def text_mask(text, font_name, max_width, max_height):
    """Anti-aliased mask of the text's ink at the largest size that fits."""
    size = 4 * max_height
    while size > 4:
        fnt = font(font_name, size)
        left, top, right, bottom = fnt.getbbox(text, anchor="ls")
        if right - left <= max_width and bottom - top <= max_height:
            break
        size -= 1
    mask = Image.new("L", (right - left, bottom - top), 0)
    ImageDraw.Draw(mask).text((-left, -top), text, font=fnt, fill=255, anchor="ls")
    return mask.crop(mask.getbbox())


def paint(ground, size, layers):
    """Picture of `size` on a plain ground; layers are (colour, mask, (x, y))."""
    image = Image.new("RGB", size, ground)
    for colour, mask, position in layers:
        image.paste(colour, position + (position[0] + mask.width, position[1] + mask.height),
                    mask)
    return image


def centred(mask, size, dx=0):
    return ((size[0] - mask.width) // 2 + dx, (size[1] - mask.height) // 2)


def title(k=1):
    size = (516 * k, 69 * k)
    mask = text_mask("Morvane Solitaire", TITLE_FONT, 496 * k, 58 * k)
    return paint(WHITE, size, [(DARK_BLUE, mask, centred(mask, size))])


def panel(k=1):
    """Light-blue oval with a soft highlight on the dark-blue ground."""
    w, h = 54 * k, 45 * k
    shape, pen = canvas(w, h, 0, mode="L")
    pen.ellipse((2.5 * k, 2.5 * k, w - 2.5 * k, h - 2.5 * k), fill=255)
    mask = shape.resize((w, h), Image.Resampling.BOX)
    oval = Image.new("RGB", (w, h))
    for y in range(h):
        for x in range(w):
            d = math.hypot((x + 0.5 - w * 0.38) / w, (y + 0.5 - h * 0.32) / h)
            t = min(1.0, d / 0.55)
            oval.putpixel((x, y), tuple(round(a + (b - a) * t)
                                        for a, b in zip((232, 244, 255), (120, 176, 226))))
    return Image.composite(oval, Image.new("RGB", (w, h), DARK_BLUE), mask)


def _emblem(height):
    """Emblem mask: a spade cut out of a disc, drawn supersampled, box-filtered."""
    shape, pen = canvas(height, height, 0, mode="L")
    c = height / 2
    pen.circle(c, c, c - 0.5, fill=255)
    draw_suit(pen, SPADES, c, c, height * 0.6, fill=0)
    return shape.resize((height, height), Image.Resampling.BOX)


def banner_logo(k=1):
    size = (220 * k, 25 * k)
    emblem = _emblem(19 * k)
    text = text_mask("Halverin", LOGO_FONT, 150 * k, 18 * k)
    gap = 6 * k
    x = (size[0] - emblem.width - gap - text.width) // 2
    return paint(LOGO_KEY, size, [
        (WHITE, emblem, (x, (size[1] - emblem.height) // 2)),
        (WHITE, text, (x + emblem.width + gap, (size[1] - text.height) // 2))])


def banner_address(k=1):
    size = (266 * k, 30 * k)
    mask = text_mask("halverin.example/wexa", ADDRESS_FONT, 236 * k, 18 * k)
    return paint(ADDRESS_KEY, size, [(DARK_BLUE, mask, centred(mask, size))])


def _turned_card(cx, cy, w, h, degrees):
    """Corners of a w x h card centred on (cx, cy), turned about its lower centre."""
    a = math.radians(degrees)
    px, py = cx, cy + h / 2
    corners = [(-w / 2, -h), (w / 2, -h), (w / 2, 0), (-w / 2, 0)]
    return [(px + x * math.cos(a) - y * math.sin(a), py + x * math.sin(a) + y * math.cos(a))
            for x, y in corners]


def _icon_image(n):
    """n x n icon: two fanned cards on a green tile, transparent corners.

    Drawn from the same shapes at every size, so each size is sharp at its own
    pixels; the fan is centred on the tile."""
    image, pen = canvas(n, n, (0, 0, 0, 0), mode="RGBA", scale=8)
    pen.rect((0.5, 0.5, n - 0.5, n - 0.5), (0, 128, 0, 255), (0, 80, 0, 255), n / 32,
             radius=n * 0.2)
    k = n / 32
    back = _turned_card(15 * k, 0, 13 * k, 18 * k, -16)
    front = _turned_card(17 * k, 0, 13 * k, 18 * k, 14)
    xs, ys = [p[0] for p in back + front], [p[1] for p in back + front]
    dx, dy = n / 2 - (min(xs) + max(xs)) / 2, n / 2 - (min(ys) + max(ys)) / 2
    back, front = ([(x + dx, y + dy) for x, y in card] for card in (back, front))
    pen.poly(back, (40, 70, 170, 255), (255, 255, 255, 255), 1.2 * k)
    pen.poly(front, (255, 255, 255, 255), (20, 20, 30, 255), 0.8 * k)
    fx = sum(p[0] for p in front) / 4
    fy = sum(p[1] for p in front) / 4
    draw_suit(pen, HEARTS, fx, fy, 8 * k, fill=(204, 12, 28, 255))
    small = image.convert("RGBa").resize((n, n), Image.Resampling.LANCZOS)
    return small.convert("RGBA")


# The sizes of the desktop's icon theme (hicolor) that a Linux install puts
# beside the menu entry, each drawn at its own size.
THEME_ICON_SIZES = (16, 32, 48, 64, 128, 256)


def save_icon(path):
    big, little = _icon_image(32), _icon_image(16)
    big.save(path, "ICO", sizes=[(16, 16), (32, 32)], append_images=[little],
             bitmap_format="bmp")


def save_theme_icons(folder):
    """icon-N.png for every theme size."""
    for n in THEME_ICON_SIZES:
        _icon_image(n).save(f"{folder}/icon-{n}.png", "PNG")
