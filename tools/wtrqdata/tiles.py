"""Draws the map tiles. Every ground tile is the same seamless snow with its own
small feature inside, so any two ground tiles join; obstacles are drawn on the
colour key, which the tile list marks as a transparent background."""
import math
import random

from PIL import Image

from art import KEY, Sprite
from palette import (FIR, FIR_DARK, FIR_LIGHT, ICE, ICE_DEEP, LOG, LOG_DARK, LOG_LIGHT, RED, SNOW,
                     SNOW_DEEP, SNOW_SHADE, STONE, STONE_DARK, STONE_LIGHT, WHITE, INK)


def snow_base():
    """Snow whose gentle waves repeat every 32 pixels in both directions."""
    rng = random.Random(1225)
    waves = [(rng.randint(-3, 3), rng.randint(-3, 3), rng.uniform(0, 2 * math.pi), rng.uniform(0.5, 1.0))
             for _ in range(10)]
    total = sum(a for *_, a in waves)
    img = Image.new("RGB", (32, 32))
    px = img.load()
    for y in range(32):
        for x in range(32):
            v = sum(a * math.sin(2 * math.pi * (fx * x + fy * y) / 32 + ph) for fx, fy, ph, a in waves) / total
            t = 0.5 + 0.5 * v
            px[x, y] = tuple(int(round(s + (d - s) * t * 0.35)) for s, d in zip(SNOW, SNOW_SHADE))
    return img


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def plain():
    return snow_base()


def sparkle(count=4, seed=7):
    img = snow_base()
    px = img.load()
    rng = random.Random(seed)
    for _ in range(count):
        x, y = rng.randint(4, 27), rng.randint(4, 27)
        px[x, y] = WHITE
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            px[x + dx, y + dy] = mix(px[x + dx, y + dy], (200, 236, 255), 0.7)
    return img


def flakes():
    return sparkle(2, 19)


def dimple():
    """A soft hollow in the snow."""
    img = snow_base()
    s = Sprite(32, 32)
    s.ellipse(15, 17, 7, 3, (224, 232, 246))
    s.ellipse(16, 17.6, 5, 1.8, (214, 225, 242))
    img.paste(s.rgba(), (0, 0), s.rgba())
    return img


def tracks():
    """A hare's tracks across the snow."""
    img = snow_base()
    px = img.load()
    for k in range(4):
        cx, cy = 7 + k * 6, 24 - k * 5
        for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1), (3, -2), (3, -1), (-2, 2)):
            x, y = cx + dx, cy + dy
            if 1 <= x <= 30 and 1 <= y <= 30:
                px[x, y] = mix(px[x, y], SNOW_DEEP, 0.45)
    return img


def grass():
    """Dry grass poking through thin snow."""
    img = snow_base()
    s = Sprite(32, 32)
    for bx, by in ((12, 20),):
        for k, lean in enumerate((-2.2, -0.6, 0.8, 2.4)):
            s.line([(bx + k * 0.9, by), (bx + k * 0.9 + lean, by - 5 - (k % 2) * 1.5)], (150, 128, 80), 0.55)
        s.ellipse(bx + 1.4, by + 0.3, 2.6, 0.8, SNOW_SHADE)
    img.paste(s.rgba(), (0, 0), s.rgba())
    return img


def ice():
    """A frozen puddle in the snow, with cracks and a shine."""
    img = snow_base()
    s = Sprite(32, 32)
    s.ellipse(16, 16.5, 8.5, 5.5, SNOW_SHADE)
    s.ellipse(16, 16, 7.5, 4.8, mix(ICE, SNOW, 0.3))
    s.ellipse(16.5, 17, 4.5, 2.6, ICE)
    s.line([(10, 15), (13, 16.5), (16, 15.5), (20, 18)], mix(ICE_DEEP, ICE, 0.4), 0.45)
    s.line([(11.5, 13.5), (14.5, 12.6)], WHITE, 0.7)
    img.paste(s.rgba(), (0, 0), s.rgba())
    return img


def fir():
    s = Sprite(32, 32)
    s.ellipse(16, 29.5, 9, 2, SNOW_SHADE)
    s.rect(14.5, 25, 17.5, 30, LOG_DARK)
    for k, (top, half, bottom) in enumerate(((2, 5, 11), (7, 8.5, 18), (13, 11.5, 26))):
        s.polygon([(16, top), (16 - half, bottom), (16 + half, bottom)], FIR if k % 2 == 0 else FIR_LIGHT)
        s.polygon([(16, top), (16 - half, bottom), (16 - half * 0.35, bottom)], FIR_DARK)
        s.polygon([(16 - half * 0.9, bottom - 0.5), (16 - half * 0.5, bottom - 2.3), (16 + half * 0.2, bottom - 1),
                   (16 + half * 0.7, bottom - 2.5), (16 + half * 0.95, bottom - 0.5)], SNOW)
    s.polygon([(16, 1.5), (14.3, 5), (17.7, 5)], SNOW)
    return s.keyed()


def firs():
    s = Sprite(32, 32)
    for cx, base, size in ((10, 27, 0.8), (22, 29, 1.0)):
        s.ellipse(cx, base + 0.6, 6 * size, 1.5, SNOW_SHADE)
        s.rect(cx - 1.2, base - 3, cx + 1.2, base, LOG_DARK)
        for k in range(3):
            top = base - 3 - (22 - k * 5) * size
            half = (4 + k * 2.2) * size
            bottom = base - 3 - (12 - k * 4.5) * size
            s.polygon([(cx, top), (cx - half, bottom), (cx + half, bottom)], FIR if k != 1 else FIR_LIGHT)
            s.polygon([(cx - half * 0.8, bottom), (cx, bottom - 1.8 * size), (cx + half * 0.8, bottom)], SNOW)
    return s.keyed()


def rock():
    s = Sprite(32, 32)
    s.ellipse(16, 27, 13, 3, SNOW_SHADE)
    s.polygon([(4, 27), (6, 17), (12, 10), (20, 9), (27, 15), (29, 27)], STONE, STONE_DARK, 0.7)
    s.polygon([(17, 27), (22, 17), (27, 15), (29, 27)], STONE_DARK)
    s.polygon([(6, 17), (12, 10), (20, 9), (27, 15), (22, 15), (17, 13), (10, 15)], SNOW)
    s.line([(10, 21), (14, 19), (16, 23)], STONE_LIGHT, 0.6)
    return s.keyed()


def snowdrift():
    """A wind-blown drift: only its shadows tell it from the snow around it."""
    s = Sprite(32, 32)
    s.ellipse(17, 25, 14, 4.5, SNOW_DEEP)
    s.polygon([(2, 25), (7, 15), (14, 10), (22, 12), (29, 20), (31, 25)], SNOW_SHADE)
    s.polygon([(3, 24), (8, 15), (14, 11), (21, 13), (16, 16), (11, 22)], WHITE)
    s.line([(14, 11), (22, 12), (29, 20)], SNOW_DEEP, 0.7)
    return s.keyed()


def snowman():
    s = Sprite(32, 32)
    s.ellipse(16, 29, 9, 2, SNOW_SHADE)
    s.circle(16, 23, 6.5, SNOW, SNOW_DEEP, 0.6)
    s.circle(16, 13.5, 4.5, SNOW, SNOW_DEEP, 0.6)
    s.rect(12.5, 7, 19.5, 8.4, INK)
    s.rect(13.8, 2, 18.2, 7.5, INK)
    s.circle(14.4, 12.6, 0.6, INK)
    s.circle(17.6, 12.6, 0.6, INK)
    s.polygon([(16, 13.6), (20.5, 14.5), (16, 15)], (240, 130, 30))
    s.line([(12, 17.5), (20, 17.5)], RED, 1.3)
    s.line([(18, 17.5), (19.5, 21)], RED, 1.3)
    for y in (21, 24, 27):
        s.circle(16, y, 0.6, INK)
    s.line([(10, 20), (5, 16)], LOG_DARK, 0.6)
    s.line([(22, 20), (27, 16)], LOG_DARK, 0.6)
    return s.keyed()


def stump():
    s = Sprite(32, 32)
    s.ellipse(16, 26, 10, 2.5, SNOW_SHADE)
    s.rect(9, 15, 23, 26, LOG, LOG_DARK, 0.6)
    s.line([(12, 16), (12, 25)], LOG_DARK, 0.5)
    s.line([(19, 16), (19, 25)], LOG_DARK, 0.5)
    s.ellipse(16, 15, 7, 2.4, LOG_LIGHT, LOG_DARK, 0.5)
    s.ellipse(16, 15, 3.5, 1.2, (200, 150, 96))
    s.ellipse(15, 13.8, 6.6, 1.8, SNOW)
    s.polygon([(23, 21), (28, 19), (28.5, 20.4), (23, 23)], LOG_DARK)
    return s.keyed()


DRAWINGS = {
    "snow.png": plain, "snow_flakes.png": flakes, "snow_dimple.png": dimple, "snow_sparkle.png": sparkle, "snow_tracks.png": tracks, "snow_grass.png": grass,
    "ice.png": ice, "fir.png": fir, "firs.png": firs, "rock.png": rock, "snowdrift.png": snowdrift,
    "snowman.png": snowman, "stump.png": stump,
}


def parse_tile_list(text, origin):
    """The tile list as (image, ground, transparent) rows, checked the way the game reads it."""
    rows = []
    lines = text.rstrip("\n").split("\n")
    for number, line in enumerate(lines, 1):
        fields = line.split("|")
        where = f"{origin}:{number}"
        if len(fields) != 3 or not fields[0]:
            raise ValueError(f"{where}: expected image|no-or-yes|nonbg-or-bg, got {line!r}")
        name, kind, background = fields
        if kind not in ("yes", "no") or background not in ("nonbg", "bg"):
            raise ValueError(f"{where}: second field must be yes or no, third nonbg or bg: {line!r}")
        if name not in DRAWINGS:
            raise ValueError(f"{where}: no drawing for {name}")
        if kind == "no" and background != "nonbg":
            raise ValueError(f"{where}: an obstacle needs a transparent background (nonbg)")
        rows.append((name, kind == "yes", background == "nonbg"))
    if not any(g for _, g, _ in rows) or all(g for _, g, _ in rows):
        raise ValueError(f"{origin}: needs at least one ground tile and one obstacle tile")
    return rows


def build_tiles(list_path):
    """The game's tile list (lines joined by line breaks, none after the last) and
    every tile picture it names."""
    with open(list_path, encoding="ascii") as f:
        rows = parse_tile_list(f.read(), list_path)
    pictures = {}
    for name, ground, transparent in rows:
        picture = DRAWINGS[name]()
        corner = picture.getpixel((0, 0))
        if transparent and corner != KEY:
            raise ValueError(f"{name}: its top-left pixel must be the background colour")
        pictures[name] = picture
    listing = "\n".join(f"{n}|{'yes' if g else 'no'}|{'nonbg' if t else 'bg'}" for n, g, t in rows)
    return listing.encode("ascii"), pictures
