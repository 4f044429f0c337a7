"""Menu buttons, the title and the end-screen texts, drawn from a free font."""
import configparser
import os

from PIL import Image, ImageDraw, ImageFont

from pngsave import save_png
from sprites import render_sprite

SCALE = 4  # drawn large and reduced, for smooth edges on shapes as well as text
RED, DEEP_RED = (204, 36, 46), (120, 14, 22)
GOLD = (246, 206, 86)
SNOW = (250, 252, 255)
NAVY = (22, 34, 70)


def _ints(text):
    return [int(v) for v in text.split()]


def _font(font_dir, size):
    return ImageFont.truetype(os.path.join(font_dir, "DejaVuSans-Bold.ttf"), size * SCALE)


def _centre_text(draw, width, y, text, font, fill, stroke, stroke_fill, shadow=None):
    x = width * SCALE / 2
    if shadow:
        draw.text((x + 3 * SCALE, y * SCALE + 3 * SCALE), text, font=font, anchor="ms",
                  fill=shadow, stroke_width=stroke, stroke_fill=shadow)
    draw.text((x, y * SCALE), text, font=font, anchor="ms", fill=fill,
              stroke_width=stroke, stroke_fill=stroke_fill)


def _reduce(big: Image.Image) -> Image.Image:
    # Premultiplied while resampling, so transparent pixels do not bleed dark rims.
    w, h = big.size
    return big.convert("RGBa").resize((w // SCALE, h // SCALE), Image.LANCZOS).convert("RGBA")


def make_button(p, font_dir):
    w, h = _ints(p["size"])
    x0, y0, x1, y1 = (v * SCALE for v in _ints(p["button"]))
    big = Image.new("RGBA", (w * SCALE, h * SCALE), SNOW + (0,))
    draw = ImageDraw.Draw(big)
    draw.rounded_rectangle((x0 + 3 * SCALE, y0 + 4 * SCALE, x1 + 3 * SCALE, y1 + 4 * SCALE),
                           radius=22 * SCALE, fill=(20, 30, 60, 110))
    draw.rounded_rectangle((x0, y0, x1, y1), radius=22 * SCALE, fill=SNOW + (255,))
    # A vertical gradient from bright to deep red inside the snowy rim.
    inset = 4 * SCALE
    face = Image.new("RGBA", big.size, SNOW + (0,))
    face_draw = ImageDraw.Draw(face)
    for y in range(y0, y1 + 1):
        t = (y - y0) / max(1, y1 - y0)
        face_draw.line((x0, y, x1, y), fill=tuple(int(RED[i] + (DEEP_RED[i] - RED[i]) * t) for i in range(3)) + (255,))
    mask = Image.new("L", big.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((x0 + inset, y0 + inset, x1 - inset, y1 - inset),
                                           radius=18 * SCALE, fill=255)
    big.paste(face, (0, 0), mask)
    draw = ImageDraw.Draw(big)
    mid = (y0 + y1) / 2 / SCALE
    _centre_text(draw, w, mid + p.getint("text_size") * 0.36, p["text"], _font(font_dir, p.getint("text_size")),
                 SNOW, 2 * SCALE, DEEP_RED)
    return _reduce(big)


def make_banner(p, font_dir, sprite_dir):
    w, h = _ints(p["size"])
    big = Image.new("RGBA", (w * SCALE, h * SCALE), SNOW + (0,))
    draw = ImageDraw.Draw(big)
    if "panel" in p:
        x0, y0, x1, y1 = (v * SCALE for v in _ints(p["panel"]))
        draw.rounded_rectangle((x0, y0, x1, y1), radius=26 * SCALE, fill=NAVY + (200,),
                               outline=SNOW + (255,), width=4 * SCALE)
        _centre_text(draw, w, p.getint("line1_y"), p["line1"], _font(font_dir, p.getint("line1_size")),
                     GOLD, 3 * SCALE, DEEP_RED)
        _centre_text(draw, w, p.getint("line2_y"), p["line2"], _font(font_dir, p.getint("line2_size")),
                     SNOW, 0, SNOW)
    else:
        _centre_text(draw, w, p.getint("line1_y"), p["line1"], _font(font_dir, p.getint("line1_size")),
                     RED, 5 * SCALE, SNOW, shadow=NAVY + (150,))
        _centre_text(draw, w, p.getint("line2_y"), p["line2"], _font(font_dir, p.getint("line2_size")),
                     NAVY, 3 * SCALE, SNOW)
    image = _reduce(big)
    if p.getint("elf", fallback=0):
        # The elf and a present beside the name, enlarged pixel for pixel.
        for name, x in (("tonttu", 8), ("lahja", w - 8 - 64)):
            sprite = render_sprite(os.path.join(sprite_dir, name + ".txt")).resize((64, 64), Image.NEAREST)
            image.alpha_composite(sprite, (x, 118))
    return image


def build_menu(config_path, font_dir, sprite_dir, out_dir):
    config = configparser.ConfigParser()
    with open(config_path, encoding="utf-8") as f:
        config.read_file(f)
    for name in config.sections():
        p = config[name]
        image = make_button(p, font_dir) if "button" in p else make_banner(p, font_dir, sprite_dir)
        save_png(image, os.path.join(out_dir, name + ".png"))
