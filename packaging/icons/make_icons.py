"""Draws the menu icons of both games in the usual hicolor sizes from the games' own art:
talvijahti's elf and present sprites on an icy tile, wtrq's worker elf (drawn large by the
data tools' own drawing code) in front of a log cabin on a snowy night tile.

usage: /usr/bin/python3 packaging/icons/make_icons.py [OUTPUT_FOLDER]
(default: packaging/icons/hicolor, the committed copy; same bytes every run)"""
import os
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(REPO, "tools", "wtrqdata"))

import art  # noqa: E402
import elves  # noqa: E402
import palette  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# Every icon is drawn at this size and reduced, which keeps small sizes crisp and even.
CANVAS = 512


def backdrop(top, bottom):
    """A square with a vertical gradient; the scenery is drawn on it before it is rounded."""
    tile = Image.new("RGBA", (CANVAS, CANVAS))
    pixels = tile.load()
    for y in range(CANVAS):
        t = y / (CANVAS - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,)
        for x in range(CANVAS):
            pixels[x, y] = colour
    return tile


def rounded(picture, rim):
    """Cuts the finished picture to a rounded square with a rim: the shape of both icons."""
    box = (16, 16, CANVAS - 17, CANVAS - 17)
    mask = Image.new("L", (CANVAS, CANVAS), 0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=88, fill=255)
    icon = Image.new("RGBA", (CANVAS, CANVAS), (0, 0, 0, 0))
    icon.paste(picture, (0, 0), mask)
    ImageDraw.Draw(icon).rounded_rectangle(box, radius=88, outline=rim + (255,), width=14)
    return icon


def pixel_sprite(path, size):
    """A sprite of talvijahti's data enlarged without blurring, so its pixel art stays sharp."""
    return Image.open(path).convert("RGBA").resize((size, size), Image.NEAREST)


def talvijahti_icon():
    tile = backdrop(palette.ICE, palette.ICE_DEEP)
    draw = ImageDraw.Draw(tile)
    # Skate tracks curving across the ice towards the present.
    draw.arc((40, 150, 470, 620), 200, 320, fill=palette.SNOW + (255,), width=10)
    data = os.path.join(REPO, "talvijahti", "gamedata", "data")
    present = pixel_sprite(os.path.join(data, "lahja.png"), 192)
    tile.alpha_composite(present, (290, 40))
    elf = pixel_sprite(os.path.join(data, "tonttu.png"), 320)
    tile.alpha_composite(elf, (40, 170))
    return rounded(tile, palette.NIGHT_LOW)


class LargeSprite(art.Sprite):
    """The data tools' sprite, kept at its supersampled size instead of reduced to a tile."""

    def keyed(self):
        return self.image


def wtrq_worker(size):
    scale, art.SCALE = art.SCALE, size // 32
    try:
        elves.Sprite = LargeSprite
        return elves.worker()
    finally:
        art.SCALE = scale
        elves.Sprite = art.Sprite


def wtrq_icon():
    tile = backdrop(palette.NIGHT, palette.NIGHT_LOW)
    draw = ImageDraw.Draw(tile)
    # Snowy ground, and a log cabin with a lit window and a snowy roof behind the elf.
    draw.ellipse((-80, 360, CANVAS + 80, 700), fill=palette.SNOW + (255,))
    draw.rectangle((250, 200, 450, 380), fill=palette.LOG + (255,))
    for y in range(214, 380, 28):
        draw.line((250, y, 450, y), fill=palette.LOG_DARK + (255,), width=6)
    draw.rectangle((370, 250, 420, 300), fill=palette.WINDOW_WARM + (255,), outline=palette.INK + (255,), width=6)
    draw.polygon([(226, 214), (350, 110), (474, 214)], fill=palette.ROOF_RED + (255,))
    draw.polygon([(226, 214), (350, 110), (474, 214), (450, 226), (350, 142), (250, 226)],
                 fill=palette.SNOW + (255,))
    for x, y in ((80, 90), (150, 160), (200, 60), (430, 60), (110, 250)):
        draw.ellipse((x - 8, y - 8, x + 8, y + 8), fill=palette.SNOW + (255,))
    tile.alpha_composite(wtrq_worker(384), (10, 110))
    return rounded(tile, palette.SNOW_DEEP)


def save_png(image, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # No text or time chunks and a fixed compression level: same bytes every run.
    image.save(path, format="PNG", optimize=False, compress_level=9)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "hicolor")
    for name, draw in (("talvijahti", talvijahti_icon), ("wtrq", wtrq_icon)):
        icon = draw()
        for size in SIZES:
            save_png(icon.resize((size, size), Image.LANCZOS),
                     os.path.join(out, f"{size}x{size}", "apps", f"{name}.png"))


if __name__ == "__main__":
    main()
