"""Contact sheets for looking at the pictures: every picture of a package laid out
on a snowy ground, enlarged, with its member name under it."""
import argparse
import os

from PIL import Image, ImageDraw, ImageFont

from art import key_to_rgba


def sheet(pictures, out_path, font_path, zoom=3, columns=6, ground=(226, 234, 246)):
    cell_w = max(p.width for _, p in pictures) * zoom + 16
    cell_h = max(p.height for _, p in pictures) * zoom + 30
    rows = (len(pictures) + columns - 1) // columns
    page = Image.new("RGB", (cell_w * columns, cell_h * rows), (60, 70, 96))
    draw = ImageDraw.Draw(page)
    font = ImageFont.truetype(font_path, 11)
    for i, (name, picture) in enumerate(pictures):
        x, y = (i % columns) * cell_w + 8, (i // columns) * cell_h + 6
        big = picture.resize((picture.width * zoom, picture.height * zoom), Image.NEAREST)
        page.paste(Image.new("RGB", big.size, ground), (x, y))
        page.paste(big, (x, y), key_to_rgba(big))
        draw.text((x, y + big.height + 4), name, font=font, fill=(255, 255, 255))
    page.save(out_path)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("out", help="the contact sheet PNG")
    parser.add_argument("font", help="a TrueType font for the captions")
    parser.add_argument("pictures", nargs="+")
    parser.add_argument("--zoom", type=int, default=3)
    parser.add_argument("--columns", type=int, default=6)
    args = parser.parse_args()
    pictures = [(os.path.basename(p), Image.open(p).convert("RGB")) for p in args.pictures]
    sheet(pictures, args.out, args.font, args.zoom, args.columns)


if __name__ == "__main__":
    main()


def map_preview(members, out_path, seed=3):
    """A play screen as the game lays it out: top bar, a random map, every building
    (working ones in a working frame) and the three elves."""
    import random as _random
    rng = _random.Random(seed)
    rows = [line.split("|") for line in members["tiles.dat"].decode("ascii").split("\n")]
    ground = [r[0] for r in rows if r[1] != "no"]
    obstacles = [r[0] for r in rows if r[1] == "no"]
    page = Image.new("RGB", (640, 480))
    page.paste(members["topbar.png"], (0, 0))
    for x in range(20):
        for y in range(14):
            page.paste(members[rng.choice(ground)], (32 * x, 32 + 32 * y))
    taken = set()
    for _ in range(45):
        x, y = rng.randrange(20), rng.randrange(14)
        if x < 12 and y < 9:
            continue
        taken.add((x, y))
        o = members[rng.choice(obstacles)]
        page.paste(o, (32 * x, 32 + 32 * y), key_to_rgba(o))

    def put(name, x, y):
        picture = members[name]
        page.paste(picture, (32 * x, 32 + 32 * y), key_to_rgba(picture))

    layout = [("office.png", 0, 0), ("office.png", 1, 0), ("woodworkerw2.png", 3, 0), ("woodworker.png", 4, 0),
              ("factory1.png", 6, 0), ("factory2w1.png", 7, 0),
              ("iron.png", 0, 3), ("mine1w1.png", 0, 2), ("mine2.png", 0, 3),
              ("foundry1.png", 2, 3), ("foundry2.png", 3, 3), ("foundry3w2.png", 4, 3),
              ("oil.png", 7, 4), ("plastics1w1.png", 7, 3), ("plastics2.png", 8, 3),
              ("plastics3.png", 7, 4), ("plastics4.png", 8, 4), ("iron.png", 10, 1), ("oil.png", 10, 3),
              ("factory1.png", 2, 6), ("factory2.png", 3, 6), ("foundry1.png", 5, 6), ("foundry2.png", 6, 6),
              ("foundry3.png", 7, 6), ("mine1.png", 10, 5), ("mine2.png", 10, 6),
              ("worker.png", 5, 1), ("geologist.png", 9, 2), ("carrier.png", 1, 4), ("carrier.png", 5, 4)]
    for name, x, y in layout:
        put(name, x, y)
    page.save(out_path)
