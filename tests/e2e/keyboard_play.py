"""Plays level 1 of a deal by keys alone on the running program and prints
what it saw. Arguments: the deal as deal_layout prints it, the table's
screen origin x y, the screen width, the display's DPI (96 unless given: a
table point is looked at mid-way across the device pixels it covers). Finds
eight pairs in the deal, then for each one tabs the focus frame to the first
card (yellow dashes round it), picks it up with Enter, tabs to its partner
and drops it there; at last tabs to "next level" and presses Enter. Every
wait is for the frame where the reading order puts it, up to a minute."""
import subprocess
import sys
import time

deal, ox, oy, screen_width = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
dpi = int(sys.argv[5]) if len(sys.argv) > 5 else 96
base = {29: (5, 10), 32: (129, 10), 33: (241, 10), 30: (5, 130), 34: (129, 130), 31: (5, 250)}
button = (586, 100)


def face(card):
    return {"A": 1, "J": 11, "Q": 12}.get(card[:-1]) or int(card[:-1])


places = {int(line.split(":")[0]): [face(c) for c in line.split(":")[1].split()]
          for line in deal.splitlines() if ":" in line}
rows = [k for k in range(1, 8) for _ in range(k)]  # rows[id - 1]: the row of triangle place id


def takeable(state, i):
    if i > 28:
        return bool(state[i])
    row = rows[i - 1]
    return bool(state[i]) and (row == 7 or not (state[i + row] or state[i + row + 1]))


def box(state, i, held=None):
    if i > 28:
        x, y = base[i]
        x += 12 * (len(state[i]) - 1)
    else:
        row, j = rows[i - 1] - 1, i - rows[i - 1] * (rows[i - 1] - 1) // 2 - 1
        x, y = int(71 * j + 71 * (3 - 0.5 * row) + 147), 178 + 32 * row
    return (x - 4, y - 10) if i == held else (x, y)


def targets(state, held=None, with_button=False):
    """In reading order of the places (a held card's too); the held card's frame is round its lifted box."""
    items = [(box(state, i), i) for i in range(1, 35) if takeable(state, i)] + ([(button, 0)] if with_button else [])
    return [(box(state, i, held) if i else at, i) for at, i in sorted(items, key=lambda item: item[0][::-1])]


def plan(state, pairs):
    if len(pairs) == 8:
        return pairs
    for a in range(1, 35):
        for b in range(a + 1, 35):
            if takeable(state, a) and takeable(state, b) and state[a][-1] + state[b][-1] == 13:
                after = {i: list(cards) for i, cards in state.items()}
                after[a].pop(), after[b].pop()
                found = plan(after, pairs + [(a, b)])
                if found:
                    return found
    return None


def framed(raw, at):
    """Yellow dashes down both sides of the box, black above them."""
    right = at[0] + (70 if at == button else 71)
    device = lambda v: (2 * v + 1) * dpi // 192
    colour = [raw[((oy + device(at[1] + dy)) * screen_width + ox + device(x)) * 3:][:3] for x, dy in
              ((at[0] - 2, 5), (right, 5), (at[0] - 2, 1))]
    return colour == [b"\xff\xff\x00", b"\xff\xff\x00", b"\0\0\0"]


def focused(items, only=None):
    """The item the frame stands on (once it stands on `only`, when given)."""
    end = time.time() + 60
    while time.time() < end:
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True).stdout
        for n, (at, _) in enumerate(items):
            if only in (None, n) and framed(raw, at):
                return n
        time.sleep(0.2)
    sys.exit("FAIL: no focus frame on " + str([i for n, (_, i) in enumerate(items) if only in (None, n)]))


def go(items, place, what):
    start, goal = focused(items), [i for _, i in items].index(place)
    tabs = ["Tab"] * ((goal - start) % len(items))
    if tabs:
        subprocess.run(["xdotool", "key", "--delay", "150"] + tabs)
    focused(items, goal)
    print("ok: Tab brings the frame to " + what)


state = {i: list(cards) for i, cards in places.items()}
pairs = plan(state, []) or sys.exit("FAIL: no eight pairs in the deal")
subprocess.run(["xdotool", "key", "Tab"])
for a, b in pairs:
    go(targets(state), a, "place %d" % a)
    subprocess.run(["xdotool", "key", "Return"])
    go(targets(state, held=a), b, "place %d with place %d's card lifted" % (b, a))
    subprocess.run(["xdotool", "key", "Return"])
    state[a].pop(), state[b].pop()
    focused(targets(state, with_button=(a, b) == pairs[-1]))
    print("ok: Enter drops %d on %d, the pair goes and the frame comes back" % (a, b))
go(targets(state, with_button=True), 0, "the next level button")
subprocess.run(["xdotool", "key", "Return"])
