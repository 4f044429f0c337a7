"""Builds talvijahti's sounds: wind, skating, the pick-up chime (synthesised) and the
elf's "auts!" (voiced by espeak-ng). Same bytes on every run."""
import argparse
import configparser
import math
import os
import random
import struct
import subprocess
import tempfile
import wave

RATE = 44100


def write_wav(path, samples):
    """16-bit mono at 44 100 Hz; samples are floats in -1..1."""
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * 32767))))) for s in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def normalise(samples, level):
    peak = max(abs(s) for s in samples) or 1.0
    return [s * level / peak for s in samples]


def one_pole(samples, corner_hz):
    """Low-pass; corner_hz may be a list (one corner per sample) for sweeps."""
    out, y = [], 0.0
    fixed = not isinstance(corner_hz, list)
    for i, x in enumerate(samples):
        hz = corner_hz if fixed else corner_hz[i]
        a = 1.0 - math.exp(-2.0 * math.pi * hz / RATE)
        y += a * (x - y)
        out.append(y)
    return out


def make_wind(p):
    n = int(p.getfloat("seconds") * RATE)
    fade = int(p.getfloat("crossfade") * RATE)
    rng = random.Random(p.getint("seed"))
    total = n + fade
    noise = [rng.uniform(-1.0, 1.0) for _ in range(total)]
    cycles = [int(c) for c in p["gust_cycles"].split()]
    phases = [rng.uniform(0, 2 * math.pi) for _ in cycles]

    def gust(i):
        # Whole cycles over the loop length, so the swell itself repeats seamlessly.
        g = sum(math.sin(2 * math.pi * c * i / n + ph) / (k + 1) for k, (c, ph) in enumerate(zip(cycles, phases)))
        return 0.5 + 0.5 * g / sum(1 / (k + 1) for k in range(len(cycles)))

    calm, strong = p.getfloat("calm_hz"), p.getfloat("gust_hz")
    swell = [gust(i) for i in range(total)]
    body = one_pole(one_pole(noise, [calm + (strong - calm) * s for s in swell]), 1400.0)
    body = [b * (0.35 + 0.65 * s) for b, s in zip(body, swell)]
    # Blend the run-on past the loop end into the loop's start.
    loop = body[:n]
    for i in range(fade):
        t = i / fade
        loop[i] = body[i] * t + body[n + i] * (1 - t)
    return normalise(loop, p.getfloat("level"))


def make_ice(p):
    n = int(p.getfloat("seconds") * RATE)
    rng = random.Random(p.getint("seed"))
    noise = [rng.uniform(-1.0, 1.0) for _ in range(n)]
    # Band-pass: the difference of two low-passes.
    high = one_pole(noise, p.getfloat("high_hz"))
    low = one_pole(noise, p.getfloat("low_hz"))
    band = [h - l for h, l in zip(high, low)]
    ring_hz, ring = p.getfloat("ring_hz"), p.getfloat("ring_level")
    out = []
    for i, b in enumerate(band):
        t = i / n
        # One stroke: quick bite of the blade, long glide, and silence at both ends
        # because the game restarts the sound back to back.
        env = math.sin(math.pi * t) ** 0.6 * (1.0 - 0.35 * t)
        out.append(env * (b + ring * math.sin(2 * math.pi * ring_hz * i / RATE)))
    return normalise(out, p.getfloat("level"))


def make_chime(p):
    n = int(p.getfloat("seconds") * RATE)
    notes = [float(f) for f in p["notes_hz"].split()]
    gap = int(p.getfloat("note_gap") * RATE)
    decay = p.getfloat("decay")
    out = [0.0] * n
    for k, f in enumerate(notes):
        start = k * gap
        for i in range(start, n):
            t = (i - start) / RATE
            attack = min(1.0, t / 0.003)
            tail = min(1.0, (n - i) / (0.02 * RATE))
            bell = (math.sin(2 * math.pi * f * t) + 0.4 * math.sin(2 * math.pi * 2.76 * f * t) * math.exp(-t * 8)
                    + 0.2 * math.sin(2 * math.pi * 5.4 * f * t) * math.exp(-t * 14))
            out[i] += attack * tail * math.exp(-t * decay) * bell
    return normalise(out, p.getfloat("level"))


def make_ouch(p):
    with tempfile.TemporaryDirectory() as tmp:
        voiced = os.path.join(tmp, "voice.wav")
        subprocess.run(["espeak-ng", "-v", p["voice"], "-p", p["pitch"], "-s", p["speed"], "-w", voiced, p["text"]],
                       check=True)
        raw = subprocess.run(["sox", "-V1", voiced, "-t", "raw", "-e", "signed", "-b", "16", "-c", "1", "-r",
                              str(RATE), "-D", "-"], check=True, capture_output=True).stdout
    samples = [v / 32768.0 for v in struct.unpack("<%dh" % (len(raw) // 2), raw)]
    # Trim the voice's leading and trailing silence so the cry comes at once.
    loud = [i for i, s in enumerate(samples) if abs(s) > 0.01]
    samples = samples[max(0, loud[0] - 200):loud[-1] + 400]
    # Short fades at both ends: the trimmed voice must not start or stop with a click.
    ramp = 200
    for i in range(ramp):
        samples[i] *= i / ramp
        samples[-1 - i] *= i / ramp
    return normalise(samples, p.getfloat("level"))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("config", help="sounds.ini of gamedata-src")
    parser.add_argument("out", help="folder that receives the sounds (the sfx/ folder)")
    args = parser.parse_args()
    config = configparser.ConfigParser()
    with open(args.config, encoding="utf-8") as f:
        config.read_file(f)
    os.makedirs(args.out, exist_ok=True)
    makers = {"wind": make_wind, "ice": make_ice, "chime": make_chime, "ouch": make_ouch}
    for name, maker in makers.items():
        write_wav(os.path.join(args.out, config[name]["file"]), maker(config[name]))


if __name__ == "__main__":
    main()
