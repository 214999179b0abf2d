#!/usr/bin/python3
"""Draw the card deck, game pictures, icon and sounds into res/.

    generate.py              write everything into the repository's res/
    generate.py --out DIR    write into DIR/cards and DIR/art instead
    generate.py --check      regenerate into a temporary folder and compare
                             byte for byte with the files in res/ (or --out)

Everything is drawn from code with fixed fonts and a fixed random seed, so
the output is identical on every run with the same Pillow and fonts.
"""

import argparse
import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import backs  # noqa: E402
import cards  # noqa: E402
import game_art  # noqa: E402
import scaled  # noqa: E402
import sounds  # noqa: E402
from common import save_bmp  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_OUT = os.path.join(REPO, "res")
CARD_COUNT = 68


def card_pictures():
    pictures = cards.all_faces()
    pictures.update(backs.all_backs_and_markers(first_id=53))
    assert sorted(pictures) == list(range(1, CARD_COUNT + 1))
    return pictures


def write_cards(folder):
    os.makedirs(folder, exist_ok=True)
    lines = ["// Card pictures, drawn by tools/artwork/generate.py; do not edit.", ""]
    for rid, picture in sorted(card_pictures().items()):
        name = f"card{rid:02d}.bmp"
        save_bmp(picture, os.path.join(folder, name))
        lines.append(f'{rid} BITMAP "{name}"')
    lines.extend(scaled.write_cards(folder))
    with open(os.path.join(folder, "cards.rc"), "w", newline="\n") as rc:
        rc.write("\n".join(lines) + "\n")


def write_art(folder):
    os.makedirs(folder, exist_ok=True)
    for name, make in (("title.bmp", game_art.title), ("panel.bmp", game_art.panel),
                       ("banner_logo.bmp", game_art.banner_logo),
                       ("banner_address.bmp", game_art.banner_address)):
        save_bmp(make(), os.path.join(folder, name))
    game_art.save_icon(os.path.join(folder, "icon.ico"))
    game_art.save_theme_icons(folder)
    for name, make in sounds.SOUNDS.items():
        sounds.write_wav(os.path.join(folder, name), make())
    scaled.write_art(folder)


def generate(out):
    write_cards(os.path.join(out, "cards"))
    write_art(os.path.join(out, "art"))


def _files(root):
    found = set()
    for sub in ("cards", "art"):
        for folder, _, names in os.walk(os.path.join(root, sub)):
            found.update(os.path.relpath(os.path.join(folder, name), root) for name in names)
    return found


def _same(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def check(committed):
    """Regenerate into a temporary folder; return the list of problems found."""
    with tempfile.TemporaryDirectory() as fresh:
        generate(fresh)
        present = _files(committed)
        problems = []
        for rel in sorted(_files(fresh)):
            if rel not in present:
                problems.append(f"missing: {rel}")
            elif not _same(os.path.join(fresh, rel), os.path.join(committed, rel)):
                problems.append(f"differs: {rel}")
        for rel in sorted(present - _files(fresh)):
            print(f"note: {rel} is not produced by the generator", file=sys.stderr)
    return problems


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=DEFAULT_OUT, help="folder holding cards/ and art/")
    parser.add_argument("--check", action="store_true",
                        help="compare a fresh generation with the files in --out")
    args = parser.parse_args(argv)
    if not args.check:
        generate(args.out)
        return 0
    problems = check(args.out)
    for line in problems:
        print(line, file=sys.stderr)
    if problems:
        print(f"{len(problems)} artwork file(s) out of date; run tools/artwork/generate.py",
              file=sys.stderr)
        return 1
    print("artwork up to date")
    return 0


if __name__ == "__main__":
    sys.exit(main())
