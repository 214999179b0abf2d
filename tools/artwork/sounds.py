"""Short sound effects, synthesised as 22050 Hz 16-bit mono PCM."""

import math
import random
import struct
import wave

RATE = 22050


def _envelope(t, duration, attack, decay, release=0.006):
    """Linear attack, exponential decay and a short fade so the end never clicks."""
    level = min(1.0, t / attack) if attack else 1.0
    level *= math.exp(-t / decay)
    return level * min(1.0, (duration - t) / release)


def note(freq, duration, decay, harmonics=(1.0,), attack=0.003):
    """A decaying tone; harmonics gives the weight of each multiple of freq."""
    out = []
    for i in range(int(duration * RATE)):
        t = i / RATE
        wave_value = sum(w * math.sin(2 * math.pi * freq * (k + 1) * t)
                         for k, w in enumerate(harmonics))
        out.append(wave_value * _envelope(t, duration, attack, decay))
    return out


def mix(parts, duration):
    """Sum (start time, samples) pairs into one buffer of the given length."""
    buffer = [0.0] * int(duration * RATE)
    for start, samples in parts:
        offset = int(start * RATE)
        for i, value in enumerate(samples[:len(buffer) - offset]):
            buffer[offset + i] += value
    return buffer


def write_wav(path, samples, peak=0.6):
    """Normalise to the given peak level and write a PCM WAVE file."""
    top = max(abs(v) for v in samples) or 1.0
    frames = b"".join(struct.pack("<h", round(v / top * peak * 32767)) for v in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def warning():
    return note(1760, 0.075, 0.018, harmonics=(1.0, 0.25, 0.1), attack=0.002)


def refused():
    return note(150, 0.2, 0.12, harmonics=(1.0, 0, 0.33, 0, 0.2, 0, 0.14), attack=0.008)


def pair():
    bell = (1.0, 0.3, 0.12)
    return mix([(0.0, note(1046.5, 0.4, 0.12, bell)), (0.09, note(1318.5, 0.31, 0.12, bell))],
               0.4)


def reached():
    bright = (1.0, 0.45, 0.25, 0.12)
    notes = [(0.0, 1046.5), (0.075, 1318.5), (0.15, 1568.0)]
    return mix([(start, note(f, 0.45 - start, 0.1, bright)) for start, f in notes], 0.45)


def deal():
    """A soft flick: band-limited noise with a fast decay, fixed seed."""
    rng = random.Random(5309)
    duration = 0.09
    low = previous = 0.0
    out = []
    for i in range(int(duration * RATE)):
        low += 0.35 * (rng.uniform(-1, 1) - low)      # low-pass the noise ...
        band, previous = low - previous, low           # ... then take out the rumble
        out.append(band * _envelope(i / RATE, duration, 0.004, 0.02))
    return out


def gameover():
    soft = (1.0, 0.2, 0.05)
    notes = [(0.0, 659.3, 0.16), (0.15, 523.3, 0.16), (0.3, 440.0, 0.28)]
    return mix([(start, note(f, length, 0.12, soft)) for start, f, length in notes], 0.58)


SOUNDS = {"warning.wav": warning, "refused.wav": refused, "pair.wav": pair,
          "reached.wav": reached, "deal.wav": deal, "gameover.wav": gameover}
