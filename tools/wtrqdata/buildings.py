"""Draws the building pictures: each building is drawn whole, then cut into its
32 x 32 tiles, so the tiles of a building always join. A working frame is the
animated tile cut from a drawing of the building in that phase of its work."""
import math

from art import Sprite, tiles_of
from palette import (BRICK, BRICK_DARK, GLOW, GLOW_HOT, GOLD, INK, LOG, LOG_DARK, LOG_LIGHT, METAL,
                     METAL_DARK, PLANK, RED, ROOF_BLUE, ROOF_GREEN, ROOF_RED, SMOKE, SMOKE_DARK, SNOW,
                     SNOW_SHADE, STONE, STONE_DARK, STONE_LIGHT, WHITE, WINDOW_DIM,
                     WINDOW_WARM)


def snow_roof(s, points, depth=2.2):
    """A snow cap along the top edge of a roof, given as a polyline left to right."""
    top = list(points)
    bottom = [(x, y + depth) for x, y in reversed(points)]
    s.polygon(top + bottom, SNOW)
    s.line(top, WHITE, 0.6)


def log_wall(s, x0, y0, x1, y1):
    s.rect(x0, y0, x1, y1, LOG)
    y = y0 + 2.5
    while y < y1:
        s.line([(x0, y), (x1, y)], LOG_DARK, 0.6)
        y += 3


def window(s, x, y, w, h, lit):
    s.rect(x - 0.6, y - 0.6, x + w + 0.6, y + h + 0.6, LOG_DARK)
    s.rect(x, y, x + w, y + h, lit)
    s.line([(x + w / 2, y), (x + w / 2, y + h)], LOG_DARK, 0.5)
    s.line([(x, y + h / 2), (x + w, y + h / 2)], LOG_DARK, 0.5)


def smoke(s, x, y, phase, count=3, spread=1.0):
    """Puffs rising from (x, y); the phase moves each puff up and lets it grow."""
    for k in range(count):
        t = (k + phase) / count
        r = 1.6 + 2.6 * t
        s.circle(x + spread * (2.5 * math.sin(6.0 * t + k)), y - 11 * t, r,
                 SMOKE if k % 2 == 0 else SMOKE_DARK)


def office(state):
    s = Sprite(32, 32)
    s.ellipse(16, 29.5, 14, 2.5, SNOW_SHADE)
    log_wall(s, 5, 14, 27, 29)
    s.polygon([(2, 15.5), (16, 4), (30, 15.5)], ROOF_BLUE)
    snow_roof(s, [(2, 15.5), (16, 4), (30, 15.5)])
    s.rect(23, 5, 26, 11, BRICK)                      # chimney
    s.rect(22.5, 4, 26.5, 5.5, SNOW)
    s.rect(13, 19, 19, 29, LOG_DARK)                 # door
    s.circle(17.8, 24.5, 0.6, GOLD)
    window(s, 6.5, 18, 4.5, 4.5, WINDOW_WARM)
    window(s, 21, 18, 4.5, 4.5, WINDOW_WARM)
    s.rect(11, 13, 21, 17, PLANK, LOG_DARK, 0.5)      # sign: a gold coin for upkeep
    s.circle(16, 15, 1.4, GOLD)
    return [s.keyed()], []


def woodworker(state):
    """A shed with a circular saw beside it; the working frames turn the blade a
    quarter of a tooth apart, push the log and throw sawdust."""
    s = Sprite(32, 32)
    s.ellipse(16, 29.5, 15, 2.5, SNOW_SHADE)
    log_wall(s, 2, 13, 17, 29)
    s.polygon([(0.5, 14), (9.5, 5), (18.5, 14)], ROOF_RED)
    snow_roof(s, [(0.5, 14), (9.5, 5), (18.5, 14)])
    s.rect(6.5, 19, 12.5, 29, LOG_DARK)
    s.rect(3.5, 16, 6, 18.5, WINDOW_WARM)
    # The saw bench with its log; the blade sits in the bench.
    s.rect(17, 22, 31, 24, PLANK)
    s.line([(18, 24), (18, 29)], LOG_DARK, 1.2)
    s.line([(30, 24), (30, 29)], LOG_DARK, 1.2)
    push = 0 if state is None else state * 0.8
    s.rect(16.5 + push, 18.5, 27 + push, 22, LOG_LIGHT, LOG_DARK, 0.5)
    s.circle(16.5 + push, 20.2, 1.7, (214, 170, 110), LOG_DARK, 0.5)
    angle = 0 if state is None else state * (360 / 12) / 4
    cx, cy, r = 26, 19, 4.6
    teeth = []
    for k in range(24):
        a = math.radians(angle + k * 15)
        rr = r if k % 2 == 0 else r - 1.1
        teeth.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    s.polygon(teeth, STONE_LIGHT, METAL_DARK, 0.4)
    for k in range(3):
        a = math.radians(angle + 40 + k * 120)
        s.line([(cx, cy), (cx + 2.6 * math.cos(a), cy + 2.6 * math.sin(a))], METAL_DARK, 0.7)
    s.circle(cx, cy, 0.9, METAL_DARK)
    if state is not None:
        for k in range(5):
            t = ((k * 0.37 + state * 0.25) % 1.0)
            s.circle(cx - 3 - 9 * t, cy + 2 - 6 * t + 9 * t * t, 0.55, (236, 200, 130))
    resting = s.keyed()
    return [resting], None if state is None else resting


def factory(state):
    """The toy factory: a saw-tooth roofed hall with a chimney and a gift door on
    its right; working, smoke rises and a present rides the belt out of the door."""
    s = Sprite(64, 32)
    s.ellipse(32, 29.5, 31, 2.5, SNOW_SHADE)
    s.rect(2, 14, 62, 29, BRICK)
    for x in range(2, 62, 4):
        s.line([(x, 14), (x, 29)], BRICK_DARK, 0.35)
    teeth = [(1, 14.5)]
    for k in range(4):
        x = 1 + k * 11
        teeth += [(x, 8), (x + 11, 14.5)]
    s.polygon(teeth + [(45, 15), (1, 15)], ROOF_GREEN)
    snow_roof(s, teeth, 1.8)
    s.rect(45, 12, 63, 15, ROOF_GREEN)
    snow_roof(s, [(45, 12), (63, 12)], 1.6)
    lit = WINDOW_WARM if state is not None else WINDOW_DIM
    for k in range(4):
        window(s, 4 + k * 10, 17, 6, 5, WINDOW_WARM if k % 2 == 0 or state is not None else WINDOW_DIM)
    s.rect(52, 3, 57, 12, BRICK_DARK)                 # chimney
    s.rect(51.5, 2, 57.5, 3.5, SNOW)
    s.rect(46, 20, 58, 29, (62, 40, 30))               # gift door with its belt
    s.rect(45, 26.5, 63, 28, METAL_DARK)
    shift = 0 if state is None else state * 5
    gifts = [(47 + shift, RED, GOLD), (55 + shift, (40, 120, 200), WHITE)]
    for gx, box, ribbon in gifts:
        if gx < 60:
            s.rect(gx, 23, gx + 4, 26.5, box)
            s.line([(gx + 2, 23), (gx + 2, 26.5)], ribbon, 0.7)
            s.line([(gx, 24.7), (gx + 4, 24.7)], ribbon, 0.7)
    window(s, 38, 17, 5, 5, lit)
    if state is not None:
        smoke(s, 54.5, 10, state / 2.0, 3)
    tiles = tiles_of(s.keyed(), 2, 1)
    return tiles, None if state is None else tiles[1]


def plastics(state):
    """The plastics works: a cracking tower with its flare (the animated tile),
    storage tanks, pipes and the works' hall."""
    s = Sprite(64, 64)
    s.ellipse(32, 61, 31, 3, SNOW_SHADE)
    # The hall along the bottom.
    s.rect(3, 40, 61, 61, (196, 200, 206))
    for x in range(3, 61, 5):
        s.line([(x, 40), (x, 61)], (170, 174, 182), 0.4)
    s.polygon([(1, 41), (32, 34), (63, 41)], ROOF_BLUE)
    snow_roof(s, [(1, 41), (32, 34), (63, 41)], 2.0)
    for k in range(5):
        window(s, 6 + k * 11, 45, 6, 5, WINDOW_WARM)
    s.rect(27, 52, 37, 61, METAL_DARK)
    s.circle(32, 46, 2.8, (40, 150, 210), WHITE, 0.6)   # the works' sign
    # Two tanks on the right.
    for cx, top in ((42, 20), (55, 18)):
        s.rect(cx - 6, top, cx + 6, 38, (226, 230, 236), METAL_DARK, 0.6)
        s.ellipse(cx, top, 6, 2, SNOW)
        s.line([(cx - 6, top + 7), (cx + 6, top + 7)], (40, 150, 210), 1.0)
        s.line([(cx + 6, top + 2), (cx + 4, top + 18)], METAL_DARK, 0.4)
    # The tower with its platforms and the pipe across to the tanks.
    s.rect(10, 8, 20, 38, METAL, METAL_DARK, 0.6)
    for y in (14, 22, 30):
        s.rect(8, y, 22, y + 1.2, METAL_DARK)
    # The pump house between tower and tanks, leaning on the hall.
    s.rect(19, 23, 37, 36, (176, 182, 192), METAL_DARK, 0.6)
    s.polygon([(18, 24), (28, 20), (38, 24)], ROOF_BLUE)
    snow_roof(s, [(18, 24), (28, 20), (38, 24)], 1.4)
    window(s, 22, 27, 4, 4, WINDOW_WARM)
    window(s, 30, 27, 4, 4, WINDOW_WARM)
    s.line([(20, 19), (36, 19)], METAL_DARK, 1.6)
    s.line([(20, 19), (36, 19)], METAL, 0.7)
    s.rect(14, 2.5, 16, 8, METAL_DARK)               # flare stack
    lamp = RED if state in (None, 1) else (255, 120, 120)
    s.circle(21.5, 11, 1.0, lamp)
    if state is not None:
        # The flare flickers and steam leaves the vent beside the tower.
        h = 4.5 if state == 0 else 6.0
        lean = -0.8 if state == 0 else 1.0
        s.polygon([(13.2, 3), (15 + lean, 3 - h), (16.8, 3)], GLOW)
        s.polygon([(14, 3), (15 + lean * 0.6, 3 - h * 0.55), (16, 3)], GLOW_HOT)
        for k in range(2):
            t = (k + state * 0.5) / 2
            s.circle(6 - 2 * t, 20 - 12 * t, 1.5 + 2.2 * t, SMOKE)
    tiles = tiles_of(s.keyed(), 2, 2)
    return tiles, None if state is None else tiles[0]


def foundry(state):
    """The foundry: ore heap, brick hall and, on the right, the furnace with its
    chimney and flywheel; working, the furnace glows, sparks fly and the wheel turns."""
    s = Sprite(96, 32)
    s.ellipse(48, 29.5, 47, 2.5, SNOW_SHADE)
    # Ore heap by the entrance on the left.
    s.polygon([(1, 29), (5, 21), (9, 19), (13, 22), (16, 29)], (140, 74, 46))
    for x, y in ((5, 24), (9, 22), (11, 26), (6, 27)):
        s.circle(x, y, 1.2, (176, 98, 60))
    s.polygon([(4, 22), (9, 18.8), (13, 21.5), (9, 20.5)], SNOW)
    s.rect(15, 12, 75, 29, BRICK)
    for y in range(14, 29, 3):
        s.line([(15, y), (75, y)], BRICK_DARK, 0.35)
    s.polygon([(13, 13), (44, 5), (77, 13)], STONE_DARK)
    snow_roof(s, [(13, 13), (44, 5), (77, 13)], 2.0)
    s.rect(18, 19, 25, 29, (52, 34, 28))                # entrance
    glow = GLOW if state is not None else WINDOW_DIM
    for k in range(5):
        window(s, 29 + k * 9, 17, 5, 6, glow if k >= 3 else WINDOW_DIM)
    # The furnace house.
    s.rect(74, 10, 94, 29, STONE, STONE_DARK, 0.6)
    s.rect(85, 0.5, 91, 10, BRICK_DARK)
    s.rect(84.5, 0.5, 91.5, 2, STONE_DARK)
    s.pieslice(81, 26, 5, 180, 360, (40, 26, 24))
    s.rect(76, 26, 86, 29, (40, 26, 24))
    if state is None:
        s.pieslice(81, 27, 3.4, 180, 360, (120, 60, 36))
    else:
        s.pieslice(81, 27, 3.6, 180, 360, GLOW)
        s.pieslice(81, 27.5, 2.0, 180, 360, GLOW_HOT)
        for k in range(5):
            t = ((k * 0.29 + state / 3.0) % 1.0)
            x = 81 + (k - 2) * 1.6 * t * 3
            y = 23 - 7 * t + 5 * t * t
            s.circle(x, y, 0.55, GLOW_HOT if k % 2 else GLOW)
        smoke(s, 88, 9, state / 3.0, 3, 0.5)
    angle = 0 if state is None else state * 20
    s.wheel(89, 18, 4.0, 6, angle, METAL_DARK, INK, 0.9)
    s.line([(89, 18), (80, 14)], METAL_DARK, 0.8)
    tiles = tiles_of(s.keyed(), 3, 1)
    return tiles, None if state is None else tiles[2]


def mine(state):
    """The mine: a headframe whose wheel turns and whose cage goes up and down
    (the animated top tile) above the timbered entrance in a snowy hill."""
    s = Sprite(32, 64)
    s.ellipse(16, 61.5, 15, 2.5, SNOW_SHADE)
    # The hill with the entrance (bottom tile).
    s.polygon([(0.5, 62), (4, 44), (12, 37), (22, 38), (29, 45), (31.5, 62)], STONE)
    s.polygon([(4, 44), (12, 37), (22, 38), (29, 45), (24, 43), (16, 41), (9, 43)], SNOW)
    s.polygon([(9, 62), (9, 50), (16, 46), (23, 50), (23, 62)], (26, 22, 26))
    s.line([(9, 62), (9, 50), (16, 46), (23, 50), (23, 62)], LOG, 1.6)
    s.line([(11, 62), (12.5, 55)], METAL_DARK, 0.6)
    s.line([(21, 62), (19.5, 55)], METAL_DARK, 0.6)
    s.rect(11.5, 57, 20.5, 60, LOG_DARK)                # ore cart
    s.rect(12.5, 55.5, 19.5, 57.5, (150, 80, 50))
    # The headframe (top tile).
    s.line([(6, 39), (16, 6)], LOG_DARK, 1.6)
    s.line([(26, 39), (16, 6)], LOG_DARK, 1.6)
    s.line([(9, 28), (23, 28)], LOG_DARK, 1.0)
    s.line([(11.5, 19), (20.5, 19)], LOG_DARK, 1.0)
    angle = 0 if state is None else state * 22.5
    s.wheel(16, 8, 5.0, 8, angle, METAL_DARK, INK, 0.9)
    cage = 27 if state is None else (24 if state == 0 else 30)
    s.line([(19.5, 8), (19.5, cage)], INK, 0.5)
    s.rect(17.5, cage, 21.5, cage + 4, (150, 80, 50), LOG_DARK, 0.5)
    s.rect(2, 30, 8, 37, PLANK, LOG_DARK, 0.5)          # winding house
    snow_roof(s, [(1.5, 30), (8.5, 30)], 1.4)
    tiles = tiles_of(s.keyed(), 1, 2)
    return tiles, None if state is None else tiles[0]


def flag(s, x, y, colour):
    s.line([(x, y), (x, y - 12)], LOG_DARK, 0.8)
    s.polygon([(x, y - 12), (x + 7, y - 10), (x, y - 8)], colour)


def iron(state):
    s = Sprite(32, 32)
    s.ellipse(16, 25, 11, 4, SNOW_SHADE)
    for x, y, r, c in ((11, 23, 4, (122, 66, 44)), (19, 22, 4.5, (148, 82, 52)), (15, 26, 4, (170, 98, 62)),
                       (22, 26, 3, (110, 58, 40)), (9, 26.5, 2.6, STONE_DARK)):
        s.circle(x, y, r, c, (80, 40, 30), 0.5)
    for x, y in ((12, 21), (19, 20), (15, 25), (21, 25)):
        s.circle(x, y, 0.7, (214, 140, 90))
    flag(s, 25, 24, RED)
    return [s.keyed()], []


def oil(state):
    s = Sprite(32, 32)
    s.ellipse(15, 25, 11, 4.2, (26, 22, 30))
    s.ellipse(13, 24, 5, 1.6, (70, 66, 90))
    s.polygon([(15, 11), (12, 17), (15, 20), (18, 17)], (30, 26, 34))   # the drop
    s.circle(15, 17, 3, (30, 26, 34))
    s.circle(14, 16, 0.9, (120, 116, 150))
    flag(s, 25, 24, GOLD)
    return [s.keyed()], []


# Member names in slot order: the resting images, then the working frames.
TYPES = [
    ("office", office, ["office.png"], []),
    ("woodworker", woodworker, ["woodworker.png"],
     ["woodworkerw1.png", "woodworkerw2.png", "woodworkerw3.png", "woodworkerw4.png"]),
    ("factory", factory, ["factory1.png", "factory2.png"], ["factory2w1.png", "factory2w2.png"]),
    ("plastics", plastics, ["plastics1.png", "plastics2.png", "plastics3.png", "plastics4.png"],
     ["plastics1w1.png", "plastics1w2.png"]),
    ("foundry", foundry, ["foundry1.png", "foundry2.png", "foundry3.png"],
     ["foundry3w1.png", "foundry3w2.png", "foundry3w3.png"]),
    ("mine", mine, ["mine1.png", "mine2.png"], ["mine1w1.png", "mine1w2.png"]),
    ("iron", iron, ["iron.png"], []),
    ("oil", oil, ["oil.png"], []),
]


def build_buildings():
    """Every building picture by member name, in slot order."""
    pictures = {}
    for _, draw, resting, frames in TYPES:
        tiles, _ = draw(None)
        if len(tiles) != len(resting):
            raise ValueError(f"{resting[0]}: {len(tiles)} tiles drawn for {len(resting)} names")
        pictures.update(zip(resting, tiles))
        for k, name in enumerate(frames):
            pictures[name] = draw(k)[1]
    return pictures


def whole_building(name, state=None):
    """A building as one picture in its resting look or a working phase, for the
    help pages and the contact sheet."""
    for type_name, draw, resting, frames in TYPES:
        if type_name == name:
            return draw(state)
    raise KeyError(name)
