"""Turns the text-grid sprites (a palette and rows of characters) into PNG files."""
import os

from PIL import Image

from pngsave import save_png


def parse_colour(text: str):
    text = text.strip().lstrip("#")
    if len(text) == 6:
        text += "ff"
    if len(text) != 8:
        raise ValueError(f"colour '{text}' is not #rrggbb or #rrggbbaa")
    return tuple(int(text[i:i + 2], 16) for i in range(0, 8, 2))


def read_sprite(path: str):
    """Reads one sprite source; returns (width, height, palette, rows).

    A source holds 'size W H', optional 'mirror', palette lines 'c #rrggbb[aa]'
    and the grid between 'grid' and 'end'. With 'mirror' each grid row gives the
    left half and the right half is its reflection, so symmetric sprites stay so."""
    width = height = None
    mirror = False
    palette = {".": (0, 0, 0, 0)}
    rows = []
    in_grid = False
    with open(path, encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            line = raw.rstrip("\n")
            if in_grid:
                if line.strip() == "end":
                    in_grid = False
                    continue
                row = line.strip()
                if mirror:
                    row = row + row[::-1]
                rows.append(row)
                continue
            words = line.split()
            if not words or words[0].startswith(";"):
                continue
            if words[0] == "size":
                width, height = int(words[1]), int(words[2])
            elif words[0] == "mirror":
                mirror = True
            elif words[0] == "grid":
                in_grid = True
            elif len(words[0]) == 1 and len(words) == 2:
                palette[words[0]] = parse_colour(words[1])
            else:
                raise ValueError(f"{path}:{number}: cannot read '{line}'")
    if width is None or len(rows) != height:
        raise ValueError(f"{path}: expected {height} grid rows, found {len(rows)}")
    for number, row in enumerate(rows):
        if len(row) != width:
            raise ValueError(f"{path}: grid row {number} is {len(row)} wide, not {width}")
        unknown = set(row) - set(palette)
        if unknown:
            raise ValueError(f"{path}: grid row {number} uses colours {sorted(unknown)} not in the palette")
    return width, height, palette, rows


def render_sprite(path: str) -> Image.Image:
    width, height, palette, rows = read_sprite(path)
    image = Image.new("RGBA", (width, height))
    image.putdata([palette[c] for row in rows for c in row])
    return bleed_transparent(image)


def bleed_transparent(image: Image.Image) -> Image.Image:
    """Gives fully transparent pixels the colour of an opaque neighbour. The
    renderer filters linearly, so a transparent black next to the art would
    darken the sprite's rim when it is drawn turned."""
    width, height = image.size
    pixels = image.load()
    for _ in range(2):
        updates = {}
        for y in range(height):
            for x in range(width):
                if pixels[x, y][3] != 0:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < width and 0 <= ny < height and pixels[nx, ny][3] != 0:
                        r, g, b, _ = pixels[nx, ny]
                        updates[(x, y)] = (r, g, b, 1)
                        break
        for (x, y), colour in updates.items():
            pixels[x, y] = colour
    # Mark pass used alpha 1 to tell new rims from art; clear it back to 0.
    for y in range(height):
        for x in range(width):
            r, g, b, a = pixels[x, y]
            if a == 1:
                pixels[x, y] = (r, g, b, 0)
    return image


def build_sprites(source_dir: str, out_dir: str) -> None:
    for name in sorted(os.listdir(source_dir)):
        if name.endswith(".txt"):
            image = render_sprite(os.path.join(source_dir, name))
            save_png(image, os.path.join(out_dir, name[:-4] + ".png"))
