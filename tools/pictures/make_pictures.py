"""Builds every picture of talvijahti's data folder from the sources in gamedata-src."""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from font import build_font  # noqa: E402
from menu import build_menu  # noqa: E402
from sprites import build_sprites  # noqa: E402
from textures import build_textures  # noqa: E402

FONT_DIR = "/usr/share/fonts/truetype/dejavu"


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("source", help="the gamedata-src folder")
    parser.add_argument("out", help="folder that receives the pictures (the data/ folder)")
    args = parser.parse_args()
    build_sprites(os.path.join(args.source, "sprites"), args.out)
    build_textures(os.path.join(args.source, "textures.ini"), args.out)
    # Dark ink with a light rim, readable over snow; size and baseline fit the 8 x 15 cells.
    build_font(os.path.join(FONT_DIR, "DejaVuSansMono-Bold.ttf"), 10, 11, (24, 32, 64), (250, 252, 255),
               os.path.join(args.out, "font.png"))
    build_menu(os.path.join(args.source, "menu.ini"), FONT_DIR, os.path.join(args.source, "sprites"), args.out)


if __name__ == "__main__":
    main()
