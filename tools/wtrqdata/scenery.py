"""Winter scenery shared by the large pictures: a night sky with stars and moon,
snowy hills, falling snow and enlarged sprites standing in the snow."""
import math
import random

from PIL import Image, ImageDraw

from art import key_to_rgba
from palette import NIGHT, NIGHT_LOW, SNOW, SNOW_DEEP, SNOW_SHADE, WHITE


def night_sky(width, height, horizon, seed):
    img = Image.new("RGB", (width, height))
    draw = ImageDraw.Draw(img)
    for y in range(height):
        t = min(1.0, y / max(1, horizon))
        draw.line([(0, y), (width, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(NIGHT, NIGHT_LOW)))
    rng = random.Random(seed)
    for _ in range(width * horizon // 900):
        x, y = rng.randrange(width), rng.randrange(max(1, horizon - 20))
        v = rng.randint(150, 255)
        img.putpixel((x, y), (v, v, min(255, v + 20)))
    return img


def moon(img, cx, cy, r):
    draw = ImageDraw.Draw(img)
    for k in range(6, 0, -1):
        glow = tuple(min(255, c + 8 * (7 - k)) for c in img.getpixel((cx, cy)))
        draw.ellipse([cx - r - 3 * k, cy - r - 3 * k, cx + r + 3 * k, cy + r + 3 * k], fill=glow)
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(250, 246, 214))
    draw.ellipse([cx - r * 0.5, cy - r * 0.4, cx - r * 0.1, cy], fill=(232, 226, 194))
    draw.ellipse([cx + r * 0.2, cy + r * 0.2, cx + r * 0.5, cy + r * 0.5], fill=(236, 230, 200))


def hills(img, layers, seed):
    """Snow layers from the back (bluish, higher) to the front (white, lower)."""
    draw = ImageDraw.Draw(img)
    rng = random.Random(seed)
    width, height = img.size
    for k, base in enumerate(layers):
        colour = tuple(int(a + (b - a) * k / max(1, len(layers) - 1)) for a, b in zip(SNOW_DEEP, SNOW))
        waves = [(rng.uniform(0.5, 2.5), rng.uniform(0, 6.3), rng.uniform(6, 18)) for _ in range(3)]
        pts = [(x, base + sum(a * math.sin(2 * math.pi * f * x / width + p) for f, p, a in waves))
               for x in range(0, width + 8, 8)]
        draw.polygon(pts + [(width, height), (0, height)], fill=colour)
        draw.line(pts, fill=WHITE, width=2)
        shade = [(x, y + 6) for x, y in pts]
        draw.line(shade, fill=SNOW_SHADE, width=1)


def falling_snow(img, count, seed, box=None):
    draw = ImageDraw.Draw(img)
    rng = random.Random(seed)
    x0, y0, x1, y1 = box or (0, 0, img.width, img.height)
    for _ in range(count):
        x, y, r = rng.uniform(x0, x1), rng.uniform(y0, y1), rng.choice((0.8, 1.0, 1.4, 2.0))
        draw.ellipse([x - r, y - r, x + r, y + r], fill=(238, 244, 255))


def place(img, sprite, x, y, zoom):
    """An enlarged sprite (keyed picture) with its top-left corner at (x, y)."""
    big = sprite.resize((sprite.width * zoom, sprite.height * zoom), Image.NEAREST)
    img.paste(big, (x, y), key_to_rgba(big))


def join(tiles, columns, rows):
    """The tiles of a multi-tile building put back together."""
    out = Image.new("RGB", (32 * columns, 32 * rows))
    for i, tile in enumerate(tiles):
        out.paste(tile, (32 * (i % columns), 32 * (i // columns)))
    return out
