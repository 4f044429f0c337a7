"""Makes every member of wtrq's five packages from wtrq/gamedata-src into a staging
folder, one sub-folder per package, ready to be packed in the listed order."""
import argparse
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import text  # noqa: E402
from art import save_png  # noqa: E402
from buildings import build_buildings  # noqa: E402
from effects import build_effects  # noqa: E402
from elves import build_elves  # noqa: E402
from music import build_module  # noqa: E402
from tiles import build_tiles  # noqa: E402


def read_packages(path):
    """(package, key, members) per line of the package list."""
    packages = []
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.strip()
            if not line or line.startswith("#"):
                continue
            name, key, *members = line.split()
            if not 1 <= int(key) <= 255 or not members:
                raise ValueError(f"{path}:{number}: needs a key from 1 to 255 and at least one member")
            packages.append((name, int(key), members))
    return packages


def make_members(source):
    """Every member's bytes or picture, by member name."""
    font = os.path.join(source, "font", "LiberationSerif-Bold.ttf")
    text.font_path = font
    from gui import build_gui  # draws with the font set above

    members = {}
    members.update(build_gui(source))
    with open(font, "rb") as f:
        members["palab.ttf"] = f.read()
    members["christmas.xm"] = build_module(os.path.join(source, "music", "deck_the_halls.txt"))
    members.update(build_effects())
    listing, tile_pictures = build_tiles(os.path.join(source, "tiles", "tiles.dat"))
    members["tiles.dat"] = listing
    members.update(tile_pictures)
    members.update(build_buildings())
    members.update(build_elves())
    return members


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("source", help="the wtrq/gamedata-src folder")
    parser.add_argument("staging", help="folder that receives one sub-folder of members per package")
    parser.add_argument("--sheets", help="also write a contact sheet PNG per package into this folder")
    args = parser.parse_args()
    packages = read_packages(os.path.join(args.source, "packages.txt"))
    members = make_members(args.source)
    listed = [m for _, _, names in packages for m in names]
    missing = sorted(set(listed) - set(members))
    unlisted = sorted(set(members) - set(listed))
    if missing or unlisted:
        raise SystemExit(f"packages.txt and the tools disagree: not made {missing}, not packed {unlisted}")
    for package, _, names in packages:
        folder = os.path.join(args.staging, os.path.splitext(package)[0])
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for name in names:
            item = members[name]
            path = os.path.join(folder, name)
            if isinstance(item, bytes):
                with open(path, "wb") as f:
                    f.write(item)
            else:
                save_png(item, path)
    if args.sheets:
        from contact import map_preview, sheet
        os.makedirs(args.sheets, exist_ok=True)
        for package, _, names in packages:
            pictures = [(n, members[n]) for n in names if not isinstance(members[n], bytes)]
            if pictures:
                zoom = 1 if pictures[0][1].width > 100 else 4
                sheet(pictures, os.path.join(args.sheets, os.path.splitext(package)[0] + ".png"),
                      text.font_path, zoom, 4 if zoom == 1 else 7)
        map_preview(members, os.path.join(args.sheets, "map.png"))


if __name__ == "__main__":
    main()
