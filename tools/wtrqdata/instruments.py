"""Synthesised instruments of the music. Every sample is made for a sample rate at
which the note C-4 plays it unchanged (two octaves above the tracker's base rate),
and the sustained ones loop over a whole number of their periods."""
import math
import random

from xm import Instrument

RATE = 8363 * 4
RELATIVE_NOTE = 24
C4 = 261.6256
# Seven periods of C-4 fit 895 samples at this rate almost exactly (within a
# twentieth of a cent), so a loop of that length keeps the pitch true.
LOOP_PERIODS, LOOP_LENGTH = 7, 895


def _to16(values, level):
    peak = max(abs(v) for v in values) or 1.0
    return [int(round(v * level * 32767 / peak)) for v in values]


def _periodic(harmonics):
    """One loop of a waveform given as (harmonic, amplitude) pairs."""
    out = []
    for i in range(LOOP_LENGTH):
        phase = 2 * math.pi * LOOP_PERIODS * i / LOOP_LENGTH
        out.append(sum(a * math.sin(h * phase) for h, a in harmonics))
    return out


def lead():
    """A soft, flute-like voice for the melody."""
    wave = _periodic([(1, 1.0), (2, 0.35), (3, 0.12), (4, 0.05)])
    return Instrument("lead", _to16(wave, 0.8), 0, LOOP_LENGTH, volume=64, relative_note=RELATIVE_NOTE,
                      envelope=[(0, 0), (3, 64), (10, 50), (40, 44)], sustain_point=3, fadeout=3000,
                      vibrato=(0, 40, 3, 8))


def bell():
    """A glockenspiel bar: the bar's inharmonic partials dying away at their own rates."""
    n = int(RATE * 1.0)
    partials = [(1.0, 1.0, 0.55), (2.756, 0.45, 0.22), (5.404, 0.22, 0.10), (8.933, 0.08, 0.05)]
    out = []
    for i in range(n):
        t = i / RATE
        v = sum(a * math.exp(-t / d) * math.sin(2 * math.pi * C4 * r * t) for r, a, d in partials)
        out.append(v * min(1.0, i / 40.0))
    return Instrument("bells", _to16(out, 0.85), relative_note=RELATIVE_NOTE, panning=176)


def bass():
    """A round, plucked bass."""
    wave = _periodic([(1, 1.0), (2, 0.3), (3, 0.11), (5, 0.04)])
    return Instrument("bass", _to16(wave, 0.85), 0, LOOP_LENGTH, relative_note=RELATIVE_NOTE,
                      envelope=[(0, 0), (1, 64), (12, 40), (30, 34)], sustain_point=3, fadeout=4000)


def pad():
    """A mellow string pad for the chords: a saw with its upper harmonics rolled off."""
    wave = _periodic([(k, (0.82 ** k) / k) for k in range(1, 11)])
    return Instrument("strings", _to16(wave, 0.8), 0, LOOP_LENGTH, relative_note=RELATIVE_NOTE, panning=100,
                      envelope=[(0, 0), (12, 40), (24, 48), (60, 44)], sustain_point=3, fadeout=1500,
                      vibrato=(0, 60, 2, 6))


def sleigh_bells():
    """A shake of sleigh bells: a few tiny bells struck a moment apart."""
    rng = random.Random(2412)
    n = int(RATE * 0.26)
    out = [0.0] * n
    for strike in range(4):
        start = int(RATE * (0.004 + 0.018 * strike + rng.uniform(0, 0.006)))
        freqs = [rng.uniform(3800, 7600) for _ in range(3)]
        for i in range(start, n):
            t = (i - start) / RATE
            env = math.exp(-t / 0.035)
            out[i] += env * sum(math.sin(2 * math.pi * f * t) for f in freqs) / 3
    noise = [rng.uniform(-1, 1) for _ in range(n)]
    for i in range(n):
        out[i] += 0.25 * noise[i] * math.exp(-i / RATE / 0.02)
    return Instrument("sleigh bells", _to16(out, 0.7), relative_note=RELATIVE_NOTE, panning=150)


def kick():
    """A soft, deep drum: a sine falling in pitch."""
    n = int(RATE * 0.3)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        f = 45 + 75 * math.exp(-t / 0.04)
        phase += 2 * math.pi * f / RATE
        out.append(math.sin(phase) * math.exp(-t / 0.09) * min(1.0, i / 20.0))
    return Instrument("drum", _to16(out, 0.9), relative_note=RELATIVE_NOTE)


# Instrument numbers as the patterns use them (1-based).
LEAD, BELLS, BASS, PAD, SLEIGH, KICK = 1, 2, 3, 4, 5, 6


def all_instruments():
    return [lead(), bell(), bass(), pad(), sleigh_bells(), kick()]
