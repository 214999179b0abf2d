"""A deck file's bitmaps for the tests. craft DECK OUT first|last FIELD VALUE: one field of the first or last
bitmap or of its resource entry changed. small DECK OUT: every picture cut to its middle 8 x 8, those of a set k
times the size (whole files under a named type) to their middle 8k x 8k (the fuzzer's seeds). faces DECK SHOT
X,Y...: which face (QS, 10H; ? for none) of a deck numbered rank by rank from 0 shows with its top left corner at
each point of a screenshot."""
import io
import struct
import sys

FIELDS = {"address": (0, "<I"), "size": (4, "<I"), "header": (0, "<I"), "width": (4, "<i"), "height": (8, "<i"),
          "bits": (14, "<H"), "compression": (16, "<I"), "colours": (32, "<I")}
mode, deck, out, *rest = sys.argv[1:]
d = bytearray(open(deck, "rb").read())
u = lambda fmt, at: struct.unpack_from(fmt, d, at)[0]


def entries(at):
    return [struct.unpack_from("<II", d, at + 16 + 8 * i) for i in range(u("<H", at + 12) + u("<H", at + 14))]


pe = u("<I", 0x3c)
rva = u("<I", pe + 24 + (96 if u("<H", pe + 24) == 0x10b else 112) + 16)
sections = [struct.unpack_from("<III", d, pe + 24 + u("<H", pe + 20) + 40 * i + 12) for i in range(u("<H", pe + 6))]
va, _, raw = next(s for s in sections if s[0] <= rva < s[0] + s[1])
root, shift = rva - va + raw, va - raw
bitmaps = dict(entries(root))[2] & 0x7fffffff
# Each bitmap's resource entry: its address (less shift, its place in the file) and size.
found = {i: root + entries(root + (names & 0x7fffffff))[0][1] for i, names in entries(root + bitmaps)}
larger = [root + entries(root + (names & 0x7fffffff))[0][1] for key, kind in entries(root) if key >> 31
          for _, names in entries(root + (kind & 0x7fffffff))]
if mode == "craft":
    entry = found[min(found) if rest[0] == "first" else max(found)]
    at, fmt = FIELDS[rest[1]]
    struct.pack_into(fmt, d, at + (entry if rest[1] in ("address", "size") else u("<I", entry) - shift), int(rest[2]))
elif mode == "small":
    base = u("<i", u("<I", found[min(found)]) - shift + 4)
    smalls = []
    for entry, skip in [(e, 0) for e in found.values()] + [(e, 14) for e in larger]:
        at = u("<I", entry) - shift + skip
        width, height, _, bits = struct.unpack_from("<iiHH", d, at + 4)
        side, stride = 8 * max(1, width // base), (width * bits + 31) // 32 * 4
        info = 40 + 4 * (u("<I", at + 32) or (1 << bits if bits <= 8 else 0))
        small = d[at:at + 4] + struct.pack("<ii", side, side) + d[at + 12:at + info] + b"".join(
            d[at + info + stride * y + (width - side) // 2 * bits // 8:][:side * bits // 8]
            for y in range((height - side) // 2, (height + side) // 2))
        header = b"BM" + struct.pack("<IHHI", 14 + len(small), 0, 0, 14 + info) if skip else b""
        smalls.append((entry, header + small))
    # The directory stays; the cut pictures replace the old ones at the end of the file.
    del d[min(u("<I", entry) - shift for entry, _ in smalls):]
    for entry, small in smalls:
        struct.pack_into("<II", d, entry, len(d) + shift, len(small))
        d += small
else:
    from PIL import Image
    names = [r + s for r in ["A"] + [str(n) for n in range(2, 11)] + ["J", "Q", "K"] for s in "CDHS"]
    corners = {}
    for i in range(52):
        at, size = u("<I", found[i]) - shift, u("<I", found[i] + 4)
        bits = 14 + 40 + 4 * (u("<I", at + 32) or 16)
        card = Image.open(io.BytesIO(b"BM" + struct.pack("<IHHI", 14 + size, 0, 0, bits) + d[at:at + size]))
        corners[card.convert("RGB").crop((3, 3, 21, 24)).tobytes()] = names[i]
    shot = Image.open(out).convert("RGB")
    print(" ".join(corners.get(shot.crop((x + 3, y + 3, x + 21, y + 24)).tobytes(), "?")
                   for x, y in (map(int, p.split(",")) for p in rest)))
    sys.exit(0)
open(out, "wb").write(d)
