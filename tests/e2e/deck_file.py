"""A deck file's bitmaps for the tests. craft DECK OUT first|last FIELD VALUE: one field of the first or last
bitmap or of its resource entry changed. small DECK OUT: every picture cut to its middle 8 x 8 (the fuzzer's
seeds). faces DECK SHOT X,Y...: which face (QS, 10H; ? for none) of a deck numbered rank by rank from 0 shows
with its top left corner at each point of a screenshot."""
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
if mode == "craft":
    entry = found[min(found) if rest[0] == "first" else max(found)]
    at, fmt = FIELDS[rest[1]]
    struct.pack_into(fmt, d, at + (entry if rest[1] in ("address", "size") else u("<I", entry) - shift), int(rest[2]))
elif mode == "small":
    smalls = []
    for entry in found.values():
        at = u("<I", entry) - shift
        width, height, _, bits = struct.unpack_from("<iiHH", d, at + 4)
        stride = (width * bits + 31) // 32 * 4
        small = d[at:at + 40] + b"".join(d[at + 40 + stride * y + (width // 2 - 4) * bits // 8:][:bits]
                                         for y in range(height // 2 - 4, height // 2 + 4))
        smalls.append((entry, struct.pack("<ii", 8, 8).join((small[:4], small[12:]))))
    # The directory stays; the cut pictures replace the old ones at the end of the file.
    del d[min(u("<I", entry) - shift for entry in found.values()):]
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
