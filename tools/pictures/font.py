"""Builds the 128 x 128 bitmap font: 16 x 8 cells of 8 x 15 pixels, one per character code."""
import os

from PIL import Image, ImageDraw, ImageFont

from pngsave import save_png

CELL_W, CELL_H = 8, 15
# The game writes Finnish texts with W and w standing for the letters with dots.
SUBSTITUTES = {"W": "Ä", "w": "ä"}


def glyph_mask(font: ImageFont.FreeTypeFont, text: str, baseline: int):
    """Renders one character without antialiasing: text is drawn alpha-tested, so a
    texel is either ink or nothing."""
    canvas = Image.new("1", (CELL_W, CELL_H), 0)
    draw = ImageDraw.Draw(canvas)
    draw.fontmode = "1"
    left = (CELL_W - font.getlength(text)) / 2
    draw.text((int(round(left)), baseline), text, font=font, fill=1, anchor="ls")
    return canvas


def build_font(font_path: str, size: int, baseline: int, ink, outline, out_path: str) -> None:
    font = ImageFont.truetype(font_path, size)
    image = Image.new("RGBA", (128, 128), outline + (0,))
    px = image.load()
    for code in range(32, 127):
        ch = SUBSTITUTES.get(chr(code), chr(code))
        mask = glyph_mask(font, ch, baseline).load()
        col, row = code % 16, code // 16
        ox, oy = col * CELL_W, row * CELL_H
        # A light rim around dark ink keeps text readable over snow and timber alike.
        for y in range(CELL_H):
            for x in range(CELL_W):
                if mask[x, y]:
                    px[ox + x, oy + y] = ink + (255,)
                    continue
                near = any(
                    0 <= x + dx < CELL_W and 0 <= y + dy < CELL_H and mask[x + dx, y + dy]
                    for dx in (-1, 0, 1) for dy in (-1, 0, 1))
                if near:
                    px[ox + x, oy + y] = outline + (255,)
    save_png(image, out_path)
