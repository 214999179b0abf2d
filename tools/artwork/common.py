"""Shared drawing helpers: supersampled canvases, fonts and file writers."""

import os

from PIL import Image, ImageDraw, ImageFont

SCALE = 4  # supersampling factor used for everything drawn with shapes

FONT_DIRS = (
    "/usr/share/fonts/truetype/dejavu",
    "/usr/share/fonts/opentype/urw-base35",
)

_font_cache = {}


def font(name, size):
    """Load a TrueType/OpenType font by file name from the known font folders."""
    key = (name, size)
    if key not in _font_cache:
        for folder in FONT_DIRS:
            path = os.path.join(folder, name)
            if os.path.exists(path):
                _font_cache[key] = ImageFont.truetype(path, size)
                break
        else:
            raise FileNotFoundError(
                f"font {name} not found; install fonts-dejavu-core and fonts-urw-base35")
    return _font_cache[key]


class Pen:
    """Draws on a supersampled image using coordinates of the final picture."""

    def __init__(self, image, scale=SCALE):
        self.image = image
        self.draw = ImageDraw.Draw(image)
        self.s = scale

    def _pts(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def _box(self, box):
        return [v * self.s for v in box]

    def _w(self, width):
        return max(1, round(width * self.s)) if width else 0

    def poly(self, pts, fill=None, outline=None, width=0):
        self.draw.polygon(self._pts(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0]], outline, width)

    def ellipse(self, box, fill=None, outline=None, width=0):
        self.draw.ellipse(self._box(box), fill=fill, outline=outline, width=self._w(width))

    def circle(self, cx, cy, r, fill=None, outline=None, width=0):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width)

    def rect(self, box, fill=None, outline=None, width=0, radius=0):
        self.draw.rounded_rectangle(self._box(box), radius=radius * self.s, fill=fill,
                                    outline=outline, width=self._w(width))

    def line(self, pts, fill, width=1.0):
        self.draw.line(self._pts(pts), fill=fill, width=self._w(width), joint="curve")

    def text(self, x, y, string, fnt, fill):
        """Draw text with the top-left corner of its ink at (x, y)."""
        left, top, _, _ = self.draw.textbbox((0, 0), string, font=fnt)
        self.draw.text((x * self.s - left, y * self.s - top), string, font=fnt, fill=fill)

    def text_size(self, string, fnt):
        left, top, right, bottom = self.draw.textbbox((0, 0), string, font=fnt)
        return (right - left) / self.s, (bottom - top) / self.s


def canvas(width, height, colour, mode="RGB", scale=SCALE):
    """A supersampled image and a Pen for a picture of width x height pixels."""
    image = Image.new(mode, (width * scale, height * scale), colour)
    return image, Pen(image, scale)


def reduce(image, width, height, resample=Image.Resampling.LANCZOS):
    return image.resize((width, height), resample)


def save_bmp(image, path):
    """24-bit bottom-up uncompressed BMP with a BITMAPINFOHEADER."""
    image.convert("RGB").save(path, "BMP")
