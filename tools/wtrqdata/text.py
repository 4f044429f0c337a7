"""Text for the large pictures: measured, wrapped and outlined with one font."""
from PIL import ImageDraw, ImageFont

_fonts = {}
font_path = None


def font(size):
    if size not in _fonts:
        _fonts[size] = ImageFont.truetype(font_path, size)
    return _fonts[size]


def width(text, size):
    return font(size).getlength(text)


def draw(img, xy, text, size, colour, outline=None, anchor="la"):
    d = ImageDraw.Draw(img)
    if outline is not None:
        x, y = xy
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (-1, -1), (1, 1), (-1, 1), (1, -1)):
            d.text((x + dx, y + dy), text, font=font(size), fill=outline, anchor=anchor)
    d.text(xy, text, font=font(size), fill=colour, anchor=anchor)


def wrap(text, size, limit):
    """Splits a paragraph into lines no wider than limit pixels."""
    lines, line = [], ""
    for word in text.split():
        trial = word if not line else line + " " + word
        if width(trial, size) <= limit or not line:
            line = trial
        else:
            lines.append(line)
            line = word
    if line:
        lines.append(line)
    return lines
