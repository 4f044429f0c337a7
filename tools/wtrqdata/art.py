"""Drawing helpers shared by the picture generators: supersampled sprites with a
magenta colour key, and deterministic PNG output."""
import math
import os

from PIL import Image, ImageDraw

# The game keys sprites on pure magenta; nothing opaque may carry that colour.
KEY = (255, 0, 255)
# Sprites are drawn this many times larger and then reduced, which smooths their edges.
SCALE = 4


def save_png(image, path):
    """RGB only: every picture goes through the display format, which has no alpha,
    so transparency is a colour key. No text or time chunks: same bytes every run."""
    if image.mode != "RGB":
        raise ValueError(f"{path}: mode {image.mode}, expected RGB")
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    image.save(path, format="PNG", optimize=False, compress_level=9)


class Sprite:
    """A picture drawn in tile pixels (floats allowed) on a transparent canvas."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.image = Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def _c(colour):
        return tuple(colour) + ((255,) if len(colour) == 3 else ())

    @staticmethod
    def _p(points):
        return [(x * SCALE, y * SCALE) for x, y in points]

    def polygon(self, points, fill, outline=None, width=1.0):
        self.draw.polygon(self._p(points), fill=self._c(fill))
        if outline is not None:
            pts = list(points) + [points[0]]
            self.line(pts, outline, width)

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=1.0):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], fill, outline, width)

    def ellipse(self, cx, cy, rx, ry, fill, outline=None, width=1.0):
        box = [(cx - rx) * SCALE, (cy - ry) * SCALE, (cx + rx) * SCALE, (cy + ry) * SCALE]
        self.draw.ellipse(box, fill=self._c(fill),
                          outline=None if outline is None else self._c(outline),
                          width=int(round(width * SCALE)) if outline is not None else 0)

    def circle(self, cx, cy, r, fill, outline=None, width=1.0):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def line(self, points, colour, width=1.0):
        w = max(1, int(round(width * SCALE)))
        self.draw.line(self._p(points), fill=self._c(colour), width=w, joint="curve")

    def pieslice(self, cx, cy, r, start, end, fill):
        box = [(cx - r) * SCALE, (cy - r) * SCALE, (cx + r) * SCALE, (cy + r) * SCALE]
        self.draw.pieslice(box, start, end, fill=self._c(fill))

    def wheel(self, cx, cy, r, spokes, angle, rim, hub, width=1.0):
        """A spoked wheel turned by angle degrees: the turning parts of the machines."""
        self.circle(cx, cy, r, (0, 0, 0, 0), rim, width)
        for k in range(spokes):
            a = math.radians(angle + 360.0 * k / spokes)
            self.line([(cx, cy), (cx + r * math.cos(a), cy + r * math.sin(a))], rim, width * 0.8)
        self.circle(cx, cy, max(0.8, r * 0.22), hub)

    def keyed(self):
        """The finished RGB picture: covered pixels keep their colour, the rest is magenta."""
        small = self.image.resize((self.width, self.height), Image.BOX)
        out = Image.new("RGB", (self.width, self.height), KEY)
        src, dst = small.load(), out.load()
        for y in range(self.height):
            for x in range(self.width):
                r, g, b, a = src[x, y]
                # The reduction weighs colours by coverage, so edge pixels keep their true colour.
                if a >= 128:
                    dst[x, y] = (254, 0, 255) if (r, g, b) == KEY else (r, g, b)
        return out

    def rgba(self):
        """The picture reduced to tile size with its soft edges, for illustrations."""
        return self.image.resize((self.width, self.height), Image.BOX)


def tiles_of(image, columns, rows):
    """Cuts a keyed picture of a multi-tile building into its 32 x 32 tiles, row by row."""
    return [image.crop((32 * c, 32 * r, 32 * c + 32, 32 * r + 32)) for r in range(rows) for c in range(columns)]


def key_to_rgba(image):
    """A keyed picture back to RGBA, for pasting sprites into the larger pictures."""
    out = image.convert("RGBA")
    px = out.load()
    for y in range(out.height):
        for x in range(out.width):
            if px[x, y][:3] == KEY:
                px[x, y] = (0, 0, 0, 0)
    return out
