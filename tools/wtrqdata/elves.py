"""Draws the three elves. Each has its own colour and its own outline against the
snow: the worker in green with a hammer, the geologist in blue with a lantern and
a magnifying glass, the carrier in brown bent under a big sack."""
from art import Sprite
from palette import GOLD, INK, LOG_DARK, METAL, METAL_DARK, SKIN, SNOW_SHADE, WHITE


def body(s, tunic, hat, trim, lean=0.0):
    s.ellipse(16, 29.5, 7, 1.6, SNOW_SHADE)
    # Legs and boots.
    s.line([(14 + lean, 22), (13.2, 28)], (60, 40, 34), 1.6)
    s.line([(18 + lean, 22), (18.8, 28)], (60, 40, 34), 1.6)
    s.ellipse(12.6, 28.4, 1.8, 1.0, INK)
    s.ellipse(19.4, 28.4, 1.8, 1.0, INK)
    # Tunic with a belt.
    s.polygon([(11 + lean, 23), (12.5 + lean, 14), (19.5 + lean, 14), (21 + lean, 23)], tunic)
    s.rect(11.8 + lean, 19, 20.2 + lean, 20.4, INK)
    s.rect(15.2 + lean, 18.8, 16.8 + lean, 20.6, GOLD)
    # Head, ears and the pointed hat with its pompom.
    hx = 16 + lean * 1.5
    s.circle(hx, 11, 3.6, SKIN)
    s.polygon([(hx - 3.6, 10.5), (hx - 5.6, 8.6), (hx - 3.2, 12)], SKIN)
    s.polygon([(hx + 3.6, 10.5), (hx + 5.6, 8.6), (hx + 3.2, 12)], SKIN)
    s.circle(hx - 1.3, 11.2, 0.5, INK)
    s.circle(hx + 1.3, 11.2, 0.5, INK)
    s.polygon([(hx - 4, 9), (hx + 1, 1.5), (hx + 6.5, 3.5), (hx + 4, 9)], hat)
    s.rect(hx - 4.2, 8, hx + 4.2, 9.6, trim)
    s.circle(hx + 6.5, 3.5, 1.4, WHITE)


def worker():
    s = Sprite(32, 32)
    body(s, (46, 150, 64), (206, 34, 40), WHITE)
    # Arm raising a hammer.
    s.line([(19.5, 15.5), (23, 12)], (46, 150, 64), 1.6)
    s.line([(23, 12), (25.5, 6)], LOG_DARK, 1.0)
    s.rect(23.2, 4.2, 28.2, 6.8, METAL_DARK)
    s.line([(12.5, 15.5), (10, 20)], (46, 150, 64), 1.6)
    return s.keyed()


def geologist():
    s = Sprite(32, 32)
    body(s, (44, 92, 196), (26, 54, 130), GOLD)
    # Lantern in the left hand, magnifying glass in the right.
    s.line([(12.5, 15.5), (8.5, 19)], (44, 92, 196), 1.6)
    s.line([(8.5, 19), (8.5, 20.5)], INK, 0.5)
    s.rect(6.8, 20.5, 10.2, 24.5, GOLD, INK, 0.5)
    s.rect(7.6, 21.3, 9.4, 23.7, (255, 246, 180))
    s.line([(19.5, 15.5), (23, 17)], (44, 92, 196), 1.6)
    s.line([(23, 17), (24.6, 15)], LOG_DARK, 0.9)
    s.circle(26.2, 12.8, 2.8, (200, 232, 250), INK, 0.8)
    return s.keyed()


def carrier():
    s = Sprite(32, 32)
    # The sack first: the elf stands in front of it, bent forward.
    s.ellipse(10.5, 13.5, 6.5, 7, (190, 160, 110), (110, 84, 50), 0.7)
    s.line([(7, 8), (10, 10), (13, 8)], (110, 84, 50), 0.6)
    s.circle(8.5, 15, 1.0, (150, 82, 50))
    body(s, (150, 86, 36), (226, 150, 20), (110, 60, 24), lean=1.5)
    s.line([(14, 15.5), (10.5, 9)], (150, 86, 36), 1.6)
    s.line([(20.5, 15.5), (22, 20)], (150, 86, 36), 1.6)
    s.circle(22, 20.5, 1.0, SKIN)
    s.line([(22, 20.5), (24, 24.5)], METAL, 0.6)
    return s.keyed()


ELVES = [("worker.png", worker), ("geologist.png", geologist), ("carrier.png", carrier)]


def build_elves():
    return {name: draw() for name, draw in ELVES}
