"""Seeded value noise that wraps around, so textures built from it tile without seams."""
import math
import random


class TilingNoise:
    """Smoothly interpolated random values on a lattice of cells x cells that
    repeats every `period` pixels in both directions."""

    def __init__(self, seed: int, cells: int, period: int):
        rng = random.Random(seed)
        self.cells = cells
        self.scale = cells / period
        self.values = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(self, x: float, y: float) -> float:
        fx, fy = x * self.scale, y * self.scale
        x0, y0 = math.floor(fx), math.floor(fy)
        tx, ty = fx - x0, fy - y0
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        c = self.cells
        v = self.values
        a = v[y0 % c][x0 % c]
        b = v[y0 % c][(x0 + 1) % c]
        d = v[(y0 + 1) % c][x0 % c]
        e = v[(y0 + 1) % c][(x0 + 1) % c]
        top = a + (b - a) * tx
        bottom = d + (e - d) * tx
        return top + (bottom - top) * ty


class Fractal:
    """Octaves of TilingNoise summed with halving weights; result in 0..1."""

    def __init__(self, seed: int, base_cells: int, period: int, octaves: int):
        self.layers = [TilingNoise(seed * 101 + i, base_cells << i, period) for i in range(octaves)]
        self.total = sum(0.5 ** i for i in range(octaves))

    def at(self, x: float, y: float) -> float:
        return sum(layer.at(x, y) * 0.5 ** i for i, layer in enumerate(self.layers)) / self.total
