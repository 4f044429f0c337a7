"""Procedural pictures: snowy ground, falling snow, the obstacle timber and the snowball."""
import configparser
import math
import os
import random

from PIL import Image

from noise import Fractal, TilingNoise
from pngsave import save_png


def _ints(text: str):
    return tuple(int(v) for v in text.split())


def _clamp(v: float) -> int:
    return max(0, min(255, int(round(v))))


def make_ground(p) -> Image.Image:
    size, seed = p.getint("size"), p.getint("seed")
    base = _ints(p["base"])
    shadow = _ints(p["shadow"])
    drifts = Fractal(seed, 8, size, 3)
    grain = TilingNoise(seed + 1, 64, size)
    image = Image.new("RGB", (size, size))
    px = image.load()
    for y in range(size):
        for x in range(size):
            d = drifts.at(x, y) - 0.5
            g = grain.at(x, y) - 0.5
            lift = d * 2 * p.getint("drift") + g * 2 * p.getint("grain")
            hollow = max(0.0, -d) * 2
            px[x, y] = tuple(_clamp(base[i] + lift - shadow[i] * hollow) for i in range(3))
    rng = random.Random(seed + 2)
    for _ in range(p.getint("glints")):
        x, y = rng.randrange(size), rng.randrange(size)
        px[x, y] = (255, 255, 255)
        px[(x + 1) % size, y] = tuple(min(255, c + 10) for c in px[(x + 1) % size, y])
    return image


def make_snowfall(p) -> Image.Image:
    size, seed = p.getint("size"), p.getint("seed")
    rng = random.Random(seed)
    lo, hi = p.getfloat("min_radius"), p.getfloat("max_radius")
    alpha = [0.0] * (size * size)
    for _ in range(p.getint("flakes")):
        cx, cy = rng.uniform(0, size), rng.uniform(0, size)
        r = rng.uniform(lo, hi)
        strength = rng.uniform(0.6, 1.0)
        reach = int(math.ceil(r + 1))
        for dy in range(-reach, reach + 1):
            for dx in range(-reach, reach + 1):
                x, y = int(cx) + dx, int(cy) + dy
                dist = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                a = strength * max(0.0, min(1.0, r + 0.5 - dist))
                i = (y % size) * size + (x % size)
                alpha[i] = max(alpha[i], a)
    top = p.getint("max_alpha")
    image = Image.new("RGBA", (size, size))
    # White everywhere, even where transparent, so filtering never greys a flake's rim.
    image.putdata([(255, 255, 255, _clamp(a * top)) for a in alpha])
    return image


def make_timber(p) -> Image.Image:
    size, seed = p.getint("size"), p.getint("seed")
    light, dark, gap, snow = (_ints(p[k]) for k in ("light", "dark", "gap", "snow"))
    planks = p.getint("planks")
    plank_h = size // planks
    rng = random.Random(seed)
    # Each plank gets its own grain offset and shade so the stack does not look printed.
    shades = [rng.uniform(-12, 12) for _ in range(planks)]
    offsets = [rng.uniform(0, size) for _ in range(planks)]
    grain = TilingNoise(seed + 1, 8, size)
    fine = TilingNoise(seed + 2, 32, size)
    image = Image.new("RGB", (size, size))
    px = image.load()
    for y in range(size):
        k, row = divmod(y, plank_h)
        for x in range(size):
            # Grain runs along the plank: stretched noise bent into rings.
            g = grain.at((x + offsets[k]) % size, (y * 8) % size)
            rings = 0.5 + 0.5 * math.sin(g * 18.0 + fine.at(x, y) * 3.0)
            t = 0.35 + 0.65 * rings
            colour = [dark[i] + (light[i] - dark[i]) * t + shades[k] for i in range(3)]
            if row == 0 or row == plank_h - 1:
                colour = list(gap)
            elif row == 1:
                # Snow lying on each plank's upper edge.
                colour = [snow[i] - 10 * fine.at(x, y) for i in range(3)]
            elif row == 2:
                colour = [(colour[i] + snow[i]) / 2 for i in range(3)]
            elif row == plank_h - 2:
                colour = [c * 0.75 for c in colour]
            px[x, y] = tuple(_clamp(c) for c in colour)
        # Nails near the plank ends.
    for k in range(planks):
        for nx in (10, size // 2 + 10):
            ny = k * plank_h + plank_h // 2
            for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1)):
                px[(nx + dx) % size, ny + dy] = (70, 70, 78) if (dx, dy) != (0, 0) else (150, 150, 160)
    return image


def make_snowball(p) -> Image.Image:
    size, seed, radius = p.getint("size"), p.getint("seed"), p.getfloat("radius")
    light, shade = _ints(p["light"]), _ints(p["shade"])
    lumps = TilingNoise(seed, 8, size)
    centre = size / 2
    image = Image.new("RGBA", (size, size))
    px = image.load()
    for y in range(size):
        for x in range(size):
            dx, dy = (x + 0.5 - centre) / radius, (y + 0.5 - centre) / radius
            r = math.hypot(dx, dy)
            bumpy = r + (lumps.at(x, y) - 0.5) * 0.08
            cover = max(0.0, min(1.0, (1.0 - bumpy) * radius + 0.5))
            nz = math.sqrt(max(0.0, 1 - min(1.0, r) ** 2))
            lit = max(0.0, (-dx * 0.5 - dy * 0.5 + nz * 0.7))
            t = max(0.0, min(1.0, 0.25 + 0.8 * lit + (lumps.at(x * 2 % size, y * 2 % size) - 0.5) * 0.2))
            colour = tuple(_clamp(shade[i] + (light[i] - shade[i]) * t) for i in range(3))
            px[x, y] = colour + (_clamp(cover * 255),)
    # A few dark grains of grit rolled into the snow make the turning visible.
    rng = random.Random(seed + 1)
    for _ in range(p.getint("grit")):
        a, d = rng.uniform(0, 2 * math.pi), rng.uniform(0.3, 0.85) * radius
        sx, sy = int(centre + math.cos(a) * d), int(centre + math.sin(a) * d)
        for ox, oy in ((0, 0), (1, 0), (0, 1)):
            r, g, b, al = px[sx + ox, sy + oy]
            px[sx + ox, sy + oy] = (96, 84, 78, al)
    return image


def build_textures(config_path: str, out_dir: str) -> None:
    config = configparser.ConfigParser()
    with open(config_path, encoding="utf-8") as f:
        config.read_file(f)
    makers = {"lumi": make_ground, "lumisade": make_snowfall, "puu": make_timber, "pallo": make_snowball}
    for name, maker in makers.items():
        save_png(maker(config[name]), os.path.join(out_dir, name + ".png"))
