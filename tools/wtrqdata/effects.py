"""Synthesises the game's three sound effects as 16-bit mono WAV files at 44 100 Hz:
"pop" when a new elf is hired, "build" when a building is bought, "walk" when an
elf is sent on its way."""
import io
import math
import random
import struct
import wave

RATE = 44100


def wav_bytes(samples, level):
    peak = max(abs(s) for s in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(round(s * level * 32767 / peak))) for s in samples)
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    return out.getvalue()


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def add(into, start, sound):
    begin = int(RATE * start)
    for i, s in enumerate(sound):
        if begin + i < len(into):
            into[begin + i] += s


def low_pass(samples, hz):
    a = 1.0 - math.exp(-2.0 * math.pi * hz / RATE)
    out, y = [], 0.0
    for x in samples:
        y += a * (x - y)
        out.append(y)
    return out


def sweep(f0, f1, seconds, decay):
    out, phase = [], 0.0
    n = int(RATE * seconds)
    for i in range(n):
        t = i / RATE
        phase += 2 * math.pi * (f0 + (f1 - f0) * min(1.0, t / seconds)) / RATE
        # Short fades at both ends: a cut-off wave would click.
        out.append(math.sin(phase) * math.exp(-t / decay) * min(1.0, i / 30.0, (n - i) / 220.0))
    return out


def pop():
    """A cheerful bubble: a quick rising blip and a smaller one after it."""
    out = silence(0.22)
    add(out, 0.0, sweep(380, 1250, 0.07, 0.03))
    add(out, 0.075, [0.5 * s for s in sweep(900, 1800, 0.06, 0.025)])
    return wav_bytes(out, 0.75)


def knock(rng):
    """A hammer on timber: a short thud with a little splintering noise."""
    n = int(RATE * 0.12)
    noise = low_pass([rng.uniform(-1, 1) for _ in range(n)], 1800)
    out = []
    for i in range(n):
        t = i / RATE
        body = math.sin(2 * math.pi * (150 + 90 * math.exp(-t / 0.01)) * t) * math.exp(-t / 0.035)
        out.append(body + 1.6 * noise[i] * math.exp(-t / 0.012))
    return out


def chime(freq, seconds):
    n = int(RATE * seconds)
    return [sum(a * math.sin(2 * math.pi * freq * r * i / RATE) * math.exp(-i / RATE / d)
                for r, a, d in ((1, 1.0, 0.25), (2.76, 0.35, 0.09), (5.4, 0.12, 0.04))) * min(1.0, i / 40.0)
            for i in range(n)]


def fade_out(samples, seconds):
    n = int(RATE * seconds)
    return [s * min(1.0, (len(samples) - i) / n) for i, s in enumerate(samples)]


def build():
    """Three hammer knocks, then a bright two-note chime: done."""
    rng = random.Random(77)
    out = silence(1.3)
    for k in range(3):
        add(out, 0.02 + 0.17 * k, [s * (0.8 + 0.1 * k) for s in knock(rng)])
    add(out, 0.55, [0.5 * s for s in chime(1046.5, 0.75)])
    add(out, 0.64, [0.45 * s for s in chime(1568.0, 0.66)])
    return wav_bytes(fade_out(out, 0.1), 0.8)


def step(rng):
    """A boot in fresh snow: a short crunch of filtered crackle."""
    n = int(RATE * 0.09)
    crackle = [rng.uniform(-1, 1) if rng.random() < 0.35 else 0.0 for _ in range(n)]
    body = low_pass(low_pass(crackle, 2600), 3200)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / 0.008) * math.exp(-t / 0.03)
        out.append(body[i] * env)
    return out


def walk():
    """Four steps crunching across the snow."""
    rng = random.Random(12)
    out = silence(0.62)
    for k in range(4):
        add(out, 0.01 + 0.15 * k, [s * (1.0 if k % 2 == 0 else 0.8) for s in step(rng)])
    return wav_bytes(out, 0.7)


def build_effects():
    return {"pop.wav": pop(), "build.wav": build(), "walk.wav": walk()}
