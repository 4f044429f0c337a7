"""Draws the interface pictures: the start menu, the three help pages, the top bar
(plain and with its menu button pressed) and the score board's background."""
import configparser
import os

from PIL import Image, ImageDraw

import text
from art import Sprite
from buildings import whole_building
from elves import build_elves
from palette import GOLD, INK, LOG_DARK, NIGHT, RED, SNOW, SNOW_SHADE, WHITE
from scenery import falling_snow, hills, join, moon, night_sky, place
from tiles import fir, firs, snowman

# Where the game writes its numbers on the top bar: each label ends just before.
NUMBER_X = (211, 336, 449, 583)
LABEL_STARTS = (143, 280, 402, 520)
BUTTON = (7, 4, 138, 24)
BAR_TEXT = (217, 217, 217)

FOOTPRINTS = {"office": (1, 1), "woodworker": (1, 1), "factory": (2, 1), "plastics": (2, 2),
              "foundry": (3, 1), "mine": (1, 2), "iron": (1, 1), "oil": (1, 1)}


def building_picture(name, state=None):
    """A whole building, at rest or (state 0, 1, ...) in a phase of its work."""
    tiles, _ = whole_building(name, state)
    w, h = FOOTPRINTS[name]
    return join(tiles, w, h)


def icon(kind):
    s = Sprite(12, 12)
    if kind == 0:        # a coin
        s.circle(6, 6, 5, GOLD, (150, 110, 20), 0.8)
        s.line([(6, 3), (6, 9)], (150, 110, 20), 1.0)
    elif kind == 1:      # logs
        for y in (4, 8):
            s.rect(1, y - 2, 10, y + 1.6, (150, 96, 54), LOG_DARK, 0.5)
            s.circle(10, y - 0.2, 1.8, (214, 170, 110), LOG_DARK, 0.5)
    elif kind == 2:      # a steel bar
        s.polygon([(1, 9), (3, 4), (11, 4), (9, 9)], (176, 184, 196), (90, 96, 110), 0.6)
        s.line([(3.5, 5), (9.5, 5)], WHITE, 0.5)
    else:                # a plastic bottle
        s.rect(3.5, 4, 8.5, 11, (60, 170, 230), (20, 90, 140), 0.5)
        s.rect(4.8, 1, 7.2, 4, (230, 60, 60))
    return s.rgba()


def topbar(look, pressed):
    img = Image.new("RGB", (640, 32))
    d = ImageDraw.Draw(img)
    for y in range(32):
        t = y / 31
        d.line([(0, y), (640, y)], fill=(int(28 - 12 * t), int(74 - 30 * t), int(48 - 18 * t)))
    # Candy-cane trim along the bottom edge, snow along the top.
    for x in range(0, 640, 8):
        d.polygon([(x, 31), (x + 4, 28), (x + 8, 28), (x + 4, 31)], fill=(200, 30, 36))
        d.polygon([(x + 4, 31), (x + 8, 28), (x + 12, 28), (x + 8, 31)], fill=(246, 246, 246))
    d.line([(0, 27), (640, 27)], fill=(12, 36, 24))
    for x in range(0, 640, 14):
        d.ellipse([x - 2, -4, x + 12, 3], fill=SNOW)
    labels = look["topbar"]["labels"].split()
    for k, (start, number_x, label) in enumerate(zip(LABEL_STARTS, NUMBER_X, labels)):
        ic = icon(k)
        img.paste(ic, (start, 10), ic)
        text.draw(img, (start + 14, 16), label, 10, (236, 220, 160), anchor="lm")
        well_end = (LABEL_STARTS[k + 1] - 2) if k + 1 < len(LABEL_STARTS) else 638
        d.rectangle([number_x - 3, 7, well_end, 26], fill=(10, 30, 20), outline=(70, 110, 80))
    x0, y0, x1, y1 = BUTTON
    face, light, dark = ((150, 30, 34), (224, 110, 110), (70, 10, 14))
    if pressed:
        face, light, dark = (104, 18, 22), (60, 8, 10), (190, 80, 80)
    d.rectangle([x0, y0, x1, y1], fill=face)
    # A two-pixel bevel inside the button's own area: the game tells the button by it.
    for k in (0, 1):
        d.line([(x0 + k, y1 - k), (x0 + k, y0 + k), (x1 - k, y0 + k)], fill=light)
        d.line([(x0 + k + 1, y1 - k), (x1 - k, y1 - k), (x1 - k, y0 + k + 1)], fill=dark)
    shift = 1 if pressed else 0
    label = look["topbar"]["button"]
    text.draw(img, ((x0 + x1) // 2 + shift, (y0 + y1) // 2 + 1 + shift), label, 13, WHITE, outline=(60, 0, 0),
              anchor="mm")
    for cx in (x0 + 14, x1 - 14):
        flake(d, cx + shift, (y0 + y1) // 2 + 1 + shift, 5, WHITE)
    return img


def flake(d, cx, cy, r, colour):
    for dx, dy in ((1, 0), (0, 1), (0.7, 0.7), (0.7, -0.7)):
        d.line([(cx - r * dx, cy - r * dy), (cx + r * dx, cy + r * dy)], fill=colour, width=1)


def start_menu(look):
    img = night_sky(640, 480, 280, 31)
    moon(img, 560, 70, 26)
    hills(img, [250, 300, 360], 5)
    # A village of the game's own buildings on the hills, enlarged.
    place(img, building_picture("foundry", 1), 300, 248, 2)
    place(img, building_picture("office"), 506, 270, 2)
    place(img, building_picture("factory", 0), 330, 330, 3)
    place(img, building_picture("woodworker", 2), 540, 340, 3)
    for x, y, zoom in ((270, 260, 2), (590, 250, 2), (290, 372, 3), (480, 390, 3)):
        place(img, fir(), x, y, zoom)
    place(img, firs(), 24, 240, 2)
    place(img, snowman(), 280, 410, 2)
    elves = build_elves()
    place(img, elves["worker.png"], 440, 408, 2)
    place(img, elves["carrier.png"], 410, 418, 2)
    place(img, elves["geologist.png"], 590, 410, 2)
    falling_snow(img, 260, 9, (0, 0, 640, 300))
    # The title.
    menu = look["start_menu"]
    text.draw(img, (320, 74), menu["title"], 92, (250, 214, 80), outline=(110, 20, 24), anchor="mm")
    text.draw(img, (320, 142), menu["subtitle"], 24, WHITE, outline=NIGHT, anchor="mm")
    # The signboard behind "Begin", "Help" and "Quit" (drawn by the game at x 100).
    d = ImageDraw.Draw(img)
    d.rectangle([116, 448, 124, 470], fill=LOG_DARK)
    d.rectangle([206, 448, 214, 470], fill=LOG_DARK)
    d.rounded_rectangle([78, 288, 252, 452], radius=10, fill=(92, 58, 34), outline=(58, 34, 20), width=3)
    d.rounded_rectangle([86, 296, 244, 444], radius=6, fill=(28, 20, 26), outline=GOLD, width=2)
    d.ellipse([70, 280, 140, 296], fill=SNOW)
    d.ellipse([120, 278, 220, 296], fill=SNOW)
    d.ellipse([196, 281, 262, 297], fill=SNOW)
    d.ellipse([100, 462, 240, 478], fill=SNOW_SHADE)
    return img


def scoreboard(look):
    img = night_sky(640, 480, 300, 77)
    hills(img, [290, 340], 12)
    d = ImageDraw.Draw(img)
    words = look["scoreboard"]
    # The tree with its presents.
    cx = 150
    for k, (top, half, bottom) in enumerate(((40, 36, 110), (80, 62, 170), (126, 90, 236))):
        d.polygon([(cx, top), (cx - half, bottom), (cx + half, bottom)], fill=(30, 104, 62))
        d.polygon([(cx, top), (cx - half, bottom), (cx - half * 0.3, bottom)], fill=(18, 70, 42))
    d.rectangle([cx - 10, 236, cx + 10, 256], fill=LOG_DARK)
    star = [(cx, 20), (cx + 6, 34), (cx + 20, 36), (cx + 9, 45), (cx + 13, 60), (cx, 51), (cx - 13, 60),
            (cx - 9, 45), (cx - 20, 36), (cx - 6, 34)]
    d.polygon(star, fill=GOLD)
    for k, (x, y) in enumerate(((130, 90), (170, 120), (120, 150), (180, 180), (110, 210), (150, 200),
                                (200, 222), (95, 180), (160, 70))):
        d.ellipse([x - 5, y - 5, x + 5, y + 5], fill=(RED, GOLD, (90, 160, 240))[k % 3])
    for x, w, h, box, ribbon in ((72, 40, 30, RED, GOLD), (118, 30, 22, (60, 120, 210), WHITE),
                                 (186, 44, 34, (40, 150, 80), RED)):
        d.rectangle([x, 262 - h, x + w, 262], fill=box)
        d.rectangle([x + w // 2 - 3, 262 - h, x + w // 2 + 3, 262], fill=ribbon)
        d.rectangle([x, 262 - h // 2 - 3, x + w, 262 - h // 2 + 3], fill=ribbon)
    text.draw(img, (40, 272), words["title"], 30, (250, 214, 80), outline=(90, 10, 20))
    # The panels the game writes into: name entry, the score list, the footer.
    d.rounded_rectangle([28, 312, 300, 412], radius=8, fill=(12, 20, 44), outline=(120, 140, 190), width=2)
    d.rounded_rectangle([316, 36, 624, 390], radius=8, fill=(12, 20, 44), outline=GOLD, width=2)
    text.draw(img, (470, 54), words["heading"], 20, (250, 214, 80), anchor="mm")
    for i in range(15):
        if i % 2 == 0:
            d.rectangle([322, 73 + 20 * i, 618, 92 + 20 * i], fill=(24, 34, 66))
    d.rounded_rectangle([36, 428, 320, 458], radius=6, fill=(12, 20, 44))
    d.rounded_rectangle([392, 414, 632, 464], radius=6, fill=(12, 20, 44))
    falling_snow(img, 120, 4, (300, 0, 640, 36))
    falling_snow(img, 60, 5, (0, 0, 300, 300))
    return img


def read_page(path):
    page = {"title": "", "column": (36, 380), "pictures": [], "blocks": []}
    paragraph = []

    def flush():
        if paragraph:
            page["blocks"].append(("text", " ".join(paragraph)))
            paragraph.clear()

    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith("title: "):
                page["title"] = line[7:]
            elif line.startswith("column: "):
                x, w = line[8:].split()
                page["column"] = (int(x), int(w))
            elif line.startswith("picture: "):
                name, x, y, zoom, *frame = line[9:].split()
                page["pictures"].append((name, int(x), int(y), int(zoom), int(frame[0]) if frame else None))
            elif line.startswith("## "):
                flush()
                page["blocks"].append(("heading", line[3:]))
            elif line.startswith("- "):
                flush()
                page["blocks"].append(("bullet", line[2:]))
            elif not line.strip():
                flush()
            else:
                paragraph.append(line.strip())
    flush()
    return page


def help_page(path, number, count):
    page = read_page(path)
    img = Image.new("RGB", (640, 480), (250, 248, 242))
    d = ImageDraw.Draw(img)
    # A festive frame: holly red and fir green stripes, snow in the corners.
    for k, colour in enumerate(((34, 104, 62), (200, 30, 36), (34, 104, 62))):
        d.rectangle([4 + 4 * k, 4 + 4 * k, 635 - 4 * k, 475 - 4 * k], outline=colour, width=3)
    d.rectangle([16, 16, 623, 58], fill=(34, 104, 62))
    text.draw(img, (320, 37), page["title"], 22, WHITE, outline=(10, 50, 26), anchor="mm")
    for name, x, y, zoom, frame in page["pictures"]:
        if name in ("worker", "geologist", "carrier"):
            sprite = build_elves()[name + ".png"]
        else:
            sprite = building_picture(name, frame)
        place(img, sprite, x, y, zoom)
    x, limit = page["column"]
    y = 70
    for kind, words in page["blocks"]:
        if kind == "heading":
            y += 4
            text.draw(img, (x, y), words, 16, (160, 24, 30))
            y += 21
            continue
        indent = 14 if kind == "bullet" else 0
        if kind == "bullet":
            d.ellipse([x + 3, y + 6, x + 8, y + 11], fill=(34, 104, 62))
        for line in text.wrap(words, 13, limit - indent):
            text.draw(img, (x + indent, y), line, 13, INK)
            y += 17
        y += 3
    if y > 446:
        raise ValueError(f"{path}: the text runs {y - 446} pixels past the page")
    footer = f"Page {number} of {count} - press any key"
    text.draw(img, (320, 458), footer, 13, (90, 90, 110), anchor="mm")
    return img


def build_gui(source):
    look = configparser.ConfigParser()
    look.read(os.path.join(source, "gui", "look.ini"), encoding="utf-8")
    pictures = {
        "start_menu.png": start_menu(look),
        "topbar.png": topbar(look, False),
        "topbar_down.png": topbar(look, True),
        "scoreboard.png": scoreboard(look),
    }
    for n in (1, 2, 3):
        pictures[f"help{n}.png"] = help_page(os.path.join(source, "gui", f"help{n}.txt"), n, 3)
    return pictures
