"""The deck's and the program's pictures at 2 and 3 times their size.

On a screen of high resolution the table is drawn at a scale above 1; the
program then takes the smallest of these sets that is at least as large and
scales it down, so that cards and lettering stay sharp.  Each set lives in a
resource type of its own ("BITMAP2X", "BITMAP3X") under the id of the picture
it enlarges, so a deck that has only the 68 standard pictures still works.

The pictures are 8-bit BMPs, a third of the size of 24-bit ones: exact when a
picture has no more than 256 colours, else reduced to 256 (the court cards
and the backs, where no channel moves by more than a few levels).
"""

import os

from PIL import Image

import backs
import cards
import game_art

FACTORS = (2, 3)
ART = (("title.bmp", "IDB_TITLE", game_art.title), ("panel.bmp", "IDB_PANEL", game_art.panel),
       ("banner_logo.bmp", "IDB_BANNER_LOGO", game_art.banner_logo),
       ("banner_address.bmp", "IDB_BANNER_ADDRESS", game_art.banner_address))


def resource_type(k):
    return f"BITMAP{k}X"


def eight_bit(image):
    """The picture with a palette: its own colours when they fit, else 256 chosen ones."""
    image = image.convert("RGB")
    colours = image.getcolors(256)
    if colours is None:
        return image.quantize(256, method=Image.Quantize.MAXCOVERAGE, dither=Image.Dither.NONE)
    entries = sorted(colour for _, colour in colours)
    index = {colour: i for i, colour in enumerate(entries)}
    result = Image.new("P", image.size)
    result.putpalette([v for colour in entries for v in colour], rawmode="RGB")
    result.putdata([index[colour] for colour in image.getdata()])
    return result


def save_8bit_bmp(image, path):
    """8-bit bottom-up uncompressed BMP with a BITMAPINFOHEADER and its palette."""
    eight_bit(image).save(path, "BMP")


def card_pictures(k):
    pictures = cards.all_faces(k)
    pictures.update(backs.all_backs_and_markers(53, k))
    return pictures


def write_cards(folder):
    """Writes the enlarged deck beside the standard one; yields its lines of cards.rc."""
    lines = ["", "// The same pictures at 2 and 3 times the size, for screens of high resolution."]
    for k in FACTORS:
        os.makedirs(os.path.join(folder, f"{k}x"), exist_ok=True)
        for rid, picture in sorted(card_pictures(k).items()):
            name = f"{k}x/card{rid:02d}.bmp"
            save_8bit_bmp(picture, os.path.join(folder, name))
            lines.append(f'{rid} {resource_type(k)} "{name}"')
    return lines


def write_art(folder):
    """Writes the enlarged title, panel and banners into art/2x and art/3x."""
    for k in FACTORS:
        os.makedirs(os.path.join(folder, f"{k}x"), exist_ok=True)
        for name, _, make in ART:
            save_8bit_bmp(make(k), os.path.join(folder, f"{k}x", name))
