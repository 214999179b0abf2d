#!/usr/bin/python3
"""Checks on the generated artwork: formats, sizes, layouts and key colours.

Run with:  /usr/bin/python3 tools/artwork/test_artwork.py
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import wave

from PIL import Image, ImageChops, ImageStat

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import generate  # noqa: E402
import scaled  # noqa: E402
from cards import PIP_LAYOUTS  # noqa: E402


class ArtworkTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        generate.generate(cls.tmp)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def path(self, *parts):
        return os.path.join(self.tmp, *parts)

    def card(self, rid):
        with Image.open(self.path("cards", f"card{rid:02d}.bmp")) as image:
            return image.convert("RGB")

    def assert_plain_bmp(self, path, size, bits_per_pixel=24):
        with open(path, "rb") as f:
            data = f.read(54)
        self.assertEqual(data[:2], b"BM")
        header, width, height, planes, bits, compression = struct.unpack("<IiiHHI", data[14:34])
        self.assertEqual((header, planes, bits, compression), (40, 1, bits_per_pixel, 0), path)
        self.assertEqual((width, height), size, path)   # positive height: bottom-up

    def test_cards_are_plain_bmps(self):
        for rid in range(1, 69):
            self.assert_plain_bmp(self.path("cards", f"card{rid:02d}.bmp"), (71, 96))

    def test_rc_lists_every_card(self):
        with open(self.path("cards", "cards.rc")) as rc:
            entries = [line.split() for line in rc if line[:1].isdigit()]
        expected = [[str(i), "BITMAP", f'"card{i:02d}.bmp"'] for i in range(1, 69)]
        for k in scaled.FACTORS:
            expected += [[str(i), f"BITMAP{k}X", f'"{k}x/card{i:02d}.bmp"'] for i in range(1, 69)]
        self.assertEqual(entries, expected)

    def test_resource_compiler_accepts_cards(self):
        windres = shutil.which("x86_64-w64-mingw32-windres")
        if not windres:
            self.skipTest("MinGW windres not installed")
        out = self.path("cards.res")
        subprocess.run([windres, "-i", "cards.rc", "-O", "coff", "-o", out], check=True,
                       cwd=self.path("cards"))
        self.assertGreater(os.path.getsize(out), 68 * 71 * 96 * 3)

    # --- card faces -------------------------------------------------------

    @staticmethod
    def blobs(image, is_ink, box):
        """Connected patches (sets of pixels) of ink inside box."""
        left, top, right, bottom = box
        ink = {(x, y) for y in range(top, bottom) for x in range(left, right)
               if is_ink(image.getpixel((x, y)))}
        found = []
        while ink:
            todo = [ink.pop()]
            blob = set(todo)
            while todo:
                x, y = todo.pop()
                for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                    if n in ink:
                        ink.remove(n)
                        blob.add(n)
                        todo.append(n)
            found.append(blob)
        return found

    @classmethod
    def ink_blobs(cls, image, red, box=(14, 5, 58, 91)):
        """Number of patches of red (or black) ink inside box."""
        def is_ink(p):
            return p[0] > 150 and p[1] < 110 and p[2] < 110 if red else max(p) < 110
        return len(cls.blobs(image, is_ink, box))

    def test_pip_counts(self):
        for suit in range(4):
            red = suit in (1, 2)
            for rank in range(1, 11):
                with self.subTest(suit=suit, rank=rank):
                    card = self.card(suit * 13 + rank)
                    self.assertEqual(self.ink_blobs(card, red), rank)
                    self.assertEqual(self.ink_blobs(card, not red), 0)

    def test_pip_layouts_look_the_same_either_way_up(self):
        for rank, layout in PIP_LAYOUTS.items():
            turned = {(round(71 - x, 3), round(1 - row, 3)) for x, row in layout}
            upright = {(round(x, 3), round(row, 3)) for x, row in layout}
            self.assertEqual(len(upright), rank)
            extra = upright - turned
            self.assertEqual(len(extra), 1 if rank == 7 else 0, rank)

    def test_indices_in_both_corners(self):
        for rid in range(1, 53):
            card = self.card(rid)
            top_left = card.crop((0, 0, 14, 28))
            bottom_right = card.crop((57, 68, 71, 96)).rotate(180)
            diff = max(max(abs(a - b) for a, b in zip(p, q))
                       for p, q in zip(top_left.getdata(), bottom_right.getdata()))
            self.assertLess(diff, 48, rid)
            # The suit symbol under the rank is a patch of its own.
            patches = self.blobs(card, lambda p: min(p) < 160, (3, 3, 14, 27))
            pip = next(blob for blob in patches if (8, 20) in blob)
            self.assertGreater(min(y for _, y in pip), 14, rid)
            self.assertGreater(len(patches), 1, rid)

    def test_edges_left_clear(self):
        for rid in range(1, 53):
            card = self.card(rid)
            ring = [card.getpixel((x, y)) for x in range(71) for y in range(96)
                    if min(x, y, 70 - x, 95 - y) < 3]
            self.assertTrue(all(min(p) > 235 for p in ring), rid)

    def test_court_pictures_are_coloured_and_distinct(self):
        courts = [self.card(s * 13 + r).tobytes() for s in range(4) for r in (11, 12, 13)]
        self.assertEqual(len(set(courts)), 12)
        for s in range(4):
            for r in (11, 12, 13):
                colours = self.card(s * 13 + r).getcolors(71 * 96)
                gold = sum(n for n, (R, G, B) in colours if R > 200 and 150 < G < 210 and B < 90)
                blue = sum(n for n, (R, G, B) in colours if B > 130 and R < 70)
                self.assertGreater(gold, 80, (s, r))
                self.assertGreater(blue + (s in (2,)) * 100, 80, (s, r))

    def test_backs_and_markers_differ(self):
        pictures = [self.card(rid).tobytes() for rid in range(53, 69)]
        self.assertEqual(len(set(pictures)), 16)

    # --- game pictures ----------------------------------------------------

    def assert_ground_and_blends(self, name, size, ground, ink, k=1):
        """Border is exactly the ground; every other pixel mixes ground and ink."""
        path = self.path("art", name) if k == 1 else self.path("art", f"{k}x", name)
        size = (size[0] * k, size[1] * k)
        self.assert_plain_bmp(path, size, 24 if k == 1 else 8)
        with Image.open(path) as opened:
            image = opened.convert("RGB")
        w, h = size
        for x in range(w):
            for y in (0, h - 1):
                self.assertEqual(image.getpixel((x, y)), ground, (name, x, y))
        span = [i - g for g, i in zip(ground, ink)]
        length2 = sum(d * d for d in span)
        exact = 0
        for p in image.getdata():
            exact += p == ground
            t = sum((c - g) * d for c, g, d in zip(p, ground, span)) / length2
            t = min(1.0, max(0.0, t))
            error = max(abs(g + d * t - c) for g, d, c in zip(ground, span, p))
            self.assertLessEqual(error, 2, (name, p))
        self.assertGreater(exact, w * h // 2, name)
        self.assertIn(ink, set(image.getdata()), name)

    def test_title(self):
        for k in (1,) + scaled.FACTORS:
            self.assert_ground_and_blends("title.bmp", (516, 69), (255, 255, 255), (0x00, 0x40, 0x64), k)

    def test_logo_banner(self):
        for k in (1,) + scaled.FACTORS:
            self.assert_ground_and_blends("banner_logo.bmp", (220, 25), (0xF8, 0xBF, 0x24),
                                          (255, 255, 255), k)

    def test_address_banner(self):
        for k in (1,) + scaled.FACTORS:
            self.assert_ground_and_blends("banner_address.bmp", (266, 30), (0xC6, 0xD6, 0xE7),
                                          (0x00, 0x40, 0x64), k)

    def test_panel(self):
        for k in (1,) + scaled.FACTORS:
            path = self.path("art", "panel.bmp") if k == 1 else self.path("art", f"{k}x", "panel.bmp")
            self.assert_plain_bmp(path, (54 * k, 45 * k), 24 if k == 1 else 8)
            with Image.open(path) as opened:
                panel = opened.convert("RGB")
            for corner in ((0, 0), (54 * k - 1, 0), (0, 45 * k - 1), (54 * k - 1, 45 * k - 1)):
                self.assertEqual(panel.getpixel(corner), (0x00, 0x40, 0x64), k)
            r, g, b = panel.getpixel((27 * k, 22 * k))
            self.assertTrue(b > 200 and g > 150 and r < b, (k, r, g, b))

    # --- the enlarged sets --------------------------------------------------

    def test_enlarged_cards_are_the_same_pictures_drawn_finer(self):
        standard = {rid: self.card(rid) for rid in range(1, 69)}
        for k in scaled.FACTORS:
            for rid in range(1, 69):
                path = self.path("cards", f"{k}x", f"card{rid:02d}.bmp")
                self.assert_plain_bmp(path, (71 * k, 96 * k), 8)
                with Image.open(path) as opened:
                    big = opened.convert("RGB")
                # Reduced again it is nearer its own standard picture than any other ...
                small = big.resize((71, 96), Image.Resampling.BOX)
                error = {other: sum(ImageStat.Stat(ImageChops.difference(small, picture)).mean)
                         for other, picture in standard.items()}
                self.assertEqual(min(error, key=error.get), rid, k)
                # ... and, unless it is one plain colour, not that picture enlarged:
                # its blocks of k x k are not one colour each.
                blocks = [big.crop((x, y, x + k, y + k)).getcolors() for x in range(0, 71 * k, k)
                          for y in range(0, 96 * k, k)]
                if len(standard[rid].getcolors(71 * 96)) > 1:
                    self.assertGreater(sum(len(b) > 1 for b in blocks), 300, (k, rid))

    def test_eight_bits_keep_every_colour_that_fits(self):
        for k in scaled.FACTORS:
            for picture in (scaled.card_pictures(k)[rid] for rid in (1, 12, 38, 53, 66)):
                kept = scaled.eight_bit(picture).convert("RGB")
                error = max(max(abs(a - b) for a, b in zip(p, q))
                            for p, q in zip(picture.getdata(), kept.getdata()))
                if picture.getcolors(256) is not None:
                    self.assertEqual(error, 0)
                else:
                    self.assertLessEqual(error, 12)

    def test_program_lists_every_enlarged_picture(self):
        with open(os.path.join(generate.DEFAULT_OUT, "wexa.rc")) as rc:
            lines = {" ".join(line.split()) for line in rc}
        for k in scaled.FACTORS:
            for name, rc_id, _ in scaled.ART:
                self.assertIn(f'{rc_id} BITMAP{k}X "art/{k}x/{name}"', lines)

    def test_icon_sizes(self):
        with Image.open(self.path("art", "icon.ico")) as icon:
            self.assertEqual(icon.info["sizes"], {(16, 16), (32, 32)})

    # --- sounds -----------------------------------------------------------

    def test_sounds(self):
        for name in ("warning", "refused", "pair", "reached", "deal", "gameover"):
            with wave.open(self.path("art", name + ".wav")) as w:
                self.assertEqual((w.getnchannels(), w.getsampwidth(), w.getframerate(),
                                  w.getcomptype()), (1, 2, 22050, "NONE"), name)
                frames = w.readframes(w.getnframes())
            samples = struct.unpack(f"<{len(frames) // 2}h", frames)
            self.assertLess(len(samples), 0.6 * 22050, name)
            self.assertGreater(max(map(abs, samples)), 8000, name)
            self.assertLess(abs(samples[-1]), 300, name)     # faded out, no pop
            if name == "warning":
                self.assertTrue(0.06 * 22050 <= len(samples) <= 0.09 * 22050)

    # --- regeneration -----------------------------------------------------

    def test_check_passes_on_fresh_output_and_names_changed_files(self):
        self.assertEqual(generate.check(self.tmp), [])
        copy = tempfile.mkdtemp()
        try:
            shutil.copytree(self.tmp, copy, dirs_exist_ok=True)
            with open(os.path.join(copy, "cards", "card07.bmp"), "r+b") as f:
                f.seek(200)
                f.write(b"\x00\x01\x02")
            os.remove(os.path.join(copy, "art", "pair.wav"))
            self.assertEqual(generate.check(copy),
                             ["missing: art/pair.wav", "differs: cards/card07.bmp"])
        finally:
            shutil.rmtree(copy)


if __name__ == "__main__":
    unittest.main()
