"""Review tool: paints one 800 x 600 frame of a level the way the game draws it
(ground, timber obstacles, presents, snowballs, the elf, falling snow and the texts),
so the data can be looked at without the game. Not part of the regeneration.

usage: preview.py <gamedata> <level number> <out.png> [elf angles in degrees...]
With angles, several elves are drawn in a row at the start, one per angle, each with
an arrow showing its heading, to check that the sprite faces the way it skates."""
import math
import struct
import sys

from PIL import Image, ImageDraw


def read_level(path):
    data = open(path, "rb").read()
    w, h, sx, sy, ex, ey = struct.unpack_from("<6f", data, 0)
    nq, np_, nw, ne = struct.unpack_from("<4i", data, 24)
    at = 40
    quads = []
    for _ in range(nq):
        quads.append([struct.unpack_from("<2f", data, at + 8 * k) for k in range(4)])
        at += 32
    presents = [struct.unpack_from("<2f", data, at + 8 * k) for k in range(np_)]
    at += 8 * np_
    waypoints = [struct.unpack_from("<2f", data, at + 8 * k) for k in range(nw)]
    return dict(size=(w, h), start=(sx, sy), end=(ex, ey), quads=quads, presents=presents,
                waypoints=waypoints, enemies=ne)


def tile(texture, offset, size=(800, 600)):
    out = Image.new("RGBA", size)
    tw, th = texture.size
    ox, oy = int(offset[0]) % tw, int(offset[1]) % th
    for y in range(-oy, size[1], th):
        for x in range(-ox, size[0], tw):
            out.paste(texture, (x, y))
    return out


def draw_quad(frame, quad, timber, camera):
    """Textures the quad as the level does: corner 0 at (0, 0), the texture repeating
    every 80 pixels along the quad's own edges, two triangles 0-1-2 and 0-2-3."""
    (x0, y0), (x1, y1), (x2, y2), (x3, y3) = quad
    uv = [(0, 0), (0, abs(y1 - y0) / 80), (abs(x2 - x1) / 80, abs(y2 - y3) / 80), (abs(x0 - x3) / 80, 0)]
    pts = [(x - camera[0], y - camera[1]) for x, y in quad]
    tex = timber.load()
    tw, th = timber.size
    px = frame.load()
    for a, b, c in ((0, 1, 2), (0, 2, 3)):
        (ax, ay), (bx, by), (cx, cy) = pts[a], pts[b], pts[c]
        den = (by - cy) * (ax - cx) + (cx - bx) * (ay - cy)
        if den == 0:
            continue
        for y in range(max(0, int(min(ay, by, cy))), min(600, int(max(ay, by, cy)) + 1)):
            for x in range(max(0, int(min(ax, bx, cx))), min(800, int(max(ax, bx, cx)) + 1)):
                l1 = ((by - cy) * (x + 0.5 - cx) + (cx - bx) * (y + 0.5 - cy)) / den
                l2 = ((cy - ay) * (x + 0.5 - cx) + (ax - cx) * (y + 0.5 - cy)) / den
                l3 = 1 - l1 - l2
                if min(l1, l2, l3) < -1e-6:
                    continue
                u = l1 * uv[a][0] + l2 * uv[b][0] + l3 * uv[c][0]
                v = l1 * uv[a][1] + l2 * uv[b][1] + l3 * uv[c][1]
                r, g, bb = tex[int(u * tw) % tw, int(v * th) % th][:3]
                px[x, y] = (r, g, bb, 255)


def sprite_at(frame, sprite, pos, angle, camera):
    """RenderRotated lays the picture transposed, then turns it clockwise by angle."""
    turned = sprite.transpose(Image.TRANSPOSE).rotate(-math.degrees(angle), resample=Image.BILINEAR, expand=True)
    x = int(round(pos[0] - camera[0] - turned.width / 2))
    y = int(round(pos[1] - camera[1] - turned.height / 2))
    frame.alpha_composite(turned, (x, y)) if 0 <= x and 0 <= y and x + turned.width <= 800 and y + turned.height <= 600 \
        else frame.paste(turned, (x, y), turned)


def text(frame, font, x, y, line):
    glyphs = font.load()
    px = frame.load()
    for i, ch in enumerate(line.encode("latin-1")):
        col, row = ch % 16, ch // 16
        for gy in range(15):
            for gx in range(8):
                r, g, b, a = glyphs[col * 8 + gx, (row * 15 + gy) % 128]
                if a > 0 and 0 <= x + 8 * i + gx < 800 and 0 <= y + gy < 600:
                    px[x + 8 * i + gx, y + gy] = (r, g, b, 255)


def main():
    root, number, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    angles = [math.radians(float(a)) for a in sys.argv[4:]]
    level = read_level(f"{root}/levels/level{number}.lev")
    load = lambda name: Image.open(f"{root}/data/{name}.png").convert("RGBA")
    camera = [level["start"][0] - 400, level["start"][1] - 300]
    w, h = level["size"]
    camera[0] = min(max(camera[0], 0), w - 800)
    camera[1] = min(max(camera[1], 0), h - 600)
    frame = tile(load("lumi"), camera)
    timber = load("puu")
    for quad in level["quads"]:
        draw_quad(frame, quad, timber, camera)
    for i, p in enumerate(level["presents"]):
        sprite_at(frame, load("lahja"), p, 0.4 * i, camera)
    for i in range(level["enemies"]):
        sprite_at(frame, load("pallo"), level["waypoints"][i], 0.7 * i, camera)
    draw = ImageDraw.Draw(frame)
    if angles:
        for k, a in enumerate(angles):
            pos = (level["start"][0] - 150 + 60 * k, level["start"][1])
            sprite_at(frame, load("tonttu"), pos, a, camera)
            cx, cy = pos[0] - camera[0], pos[1] - camera[1]
            draw.line((cx, cy + 30, cx + 22 * math.cos(a), cy + 30 + 22 * math.sin(a)), fill=(200, 0, 0, 255), width=2)
    else:
        sprite_at(frame, load("tonttu"), level["start"], 0.0, camera)
    frame.alpha_composite(tile(load("lumisade"), (37, -52)))
    font = load("font")
    text(frame, font, 5, 5, "LAHJAT: 0/%d" % len(level["presents"]))
    text(frame, font, 5, 20, "ELWMWT: 6")
    message = {1: "Kerww lahjat ja varo lumipalloja!", 10: "Loppu lwhestyy!"}.get(number, "")
    text(frame, font, 5, 580, message)
    frame.convert("RGB").save(out)


if __name__ == "__main__":
    main()
