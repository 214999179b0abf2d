"""The bitmaps of a deck file (a resource DLL), for the tests:
  deck_file.py craft DECK OUT first|last FIELD VALUE  DECK with one field of its first or last bitmap
      (header, width, height, bits, compression, colours) or of its resource entry (address, size) changed
  deck_file.py small DECK OUT   DECK with each picture cut to its middle 8 x 8 pixels: a seed for the fuzzer
  deck_file.py faces DECK SHOT X,Y...   the text form (QS, 10H) of the face of DECK, numbered rank by rank
      from 0, whose top left corner shows at each point of a screenshot; ? for none"""
import io
import struct
import sys

FIELDS = {"address": (0, "<I"), "size": (4, "<I"), "header": (0, "<I"), "width": (4, "<i"), "height": (8, "<i"),
          "bits": (14, "<H"), "compression": (16, "<I"), "colours": (32, "<I")}


def entries(d, at):
    count = sum(struct.unpack_from("<HH", d, at + 12))
    return [struct.unpack_from("<II", d, at + 16 + 8 * i) for i in range(count)]


def bitmaps(d):
    """{id: file offset of its resource entry}, and how addresses map to file offsets."""
    pe, = struct.unpack_from("<I", d, 0x3c)
    opt = pe + 24
    rva, = struct.unpack_from("<I", d, opt + (96 if d[opt] == 0x0b and d[opt + 1] == 1 else 112) + 16)
    sections = [struct.unpack_from("<III", d, opt + struct.unpack_from("<H", d, pe + 20)[0] + 40 * i + 12)
                for i in range(struct.unpack_from("<H", d, pe + 6)[0])]
    va, _, raw = next(s for s in sections if s[0] <= rva < s[0] + s[1])
    root = rva - va + raw
    types = {t: target & 0x7fffffff for t, target in entries(d, root)}
    return {i: root + entries(d, root + (names & 0x7fffffff))[0][1]
            for i, names in entries(d, root + types[2])}, va - raw


def picture(d, entry, shift):
    address, size = struct.unpack_from("<II", d, entry)
    return address - shift, size


def main(mode, deck, out, *rest):
    d = bytearray(open(deck, "rb").read())
    found, shift = bitmaps(d)
    if mode == "craft":
        entry = found[min(found) if rest[0] == "first" else max(found)]
        at, fmt = FIELDS[rest[1]]
        struct.pack_into(fmt, d, at + (entry if rest[1] in ("address", "size") else picture(d, entry, shift)[0]),
                         int(rest[2]))
    elif mode == "small":
        # The directory stays; the cut pictures replace the old ones at the end of the resource section.
        end = min(picture(d, e, shift)[0] for e in found.values())
        smalls = []
        for entry in found.values():
            at, _ = picture(d, entry, shift)
            width, height, _, bits = struct.unpack_from("<iiHH", d, at + 4)
            stride = (width * bits + 31) // 32 * 4
            small = d[at:at + 40] + b"".join(d[at + 40 + stride * y + (width // 2 - 4) * bits // 8:][:bits]
                                             for y in range(height // 2 - 4, height // 2 + 4))
            struct.pack_into("<ii", small, 4, 8, 8)
            smalls.append((entry, small))
        del d[end:]
        for entry, small in smalls:
            struct.pack_into("<II", d, entry, len(d) + shift, len(small))
            d += small
    else:
        from PIL import Image
        shot = Image.open(out).convert("RGB")
        names = [r + s for r in ["A"] + [str(n) for n in range(2, 11)] + ["J", "Q", "K"] for s in "CDHS"]
        corners = {}
        for i in range(52):
            at, size = picture(d, found[i], shift)
            bits = 14 + 40 + 4 * (struct.unpack_from("<I", d, at + 32)[0] or 16)
            card = Image.open(io.BytesIO(b"BM" + struct.pack("<IHHI", 14 + size, 0, 0, bits) + d[at:at + size]))
            corners[card.convert("RGB").crop((3, 3, 21, 24)).tobytes()] = names[i]
        print(" ".join(corners.get(shot.crop((x + 3, y + 3, x + 21, y + 24)).tobytes(), "?")
                       for x, y in (map(int, p.split(",")) for p in rest)))
        return
    open(out, "wb").write(d)


main(*sys.argv[1:])
