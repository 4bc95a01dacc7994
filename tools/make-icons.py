#!/usr/bin/env python3
"""Draws Tapwell's icons and its sight cursor and writes them into res/.

    Tapwell.ico      application icon (128): a key cap with a repeat arrow, 16x16 and 32x32, 32-bit with alpha
    TargetEmpty.ico  window picture (143), 32x32, 16 colours
    Target.ico       window picture with a sight in its client area (144), 32x32, 16 colours
    Sight.cur        the sight, a ring with cross-hairs (145), 32x32 monochrome, hot spot 15,16

Only the standard library: the ICO/CUR containers and their DIBs are written byte by byte.
Run it from anywhere; the files are committed, so run it again only after changing a picture.
"""
import math
import os
import struct

RES_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "res")

# ---------------------------------------------------------------------------------------------
# Container and DIB writing
# ---------------------------------------------------------------------------------------------


def dib_stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def pack_row(values, bpp, width):
    """Packs one row of pixel values (indices or bits), most significant bits first, padded to 32 bits."""
    out = bytearray(dib_stride(width, bpp))
    per_byte = 8 // bpp
    for x, v in enumerate(values):
        shift = 8 - bpp * (x % per_byte + 1)
        out[x // per_byte] |= (v & ((1 << bpp) - 1)) << shift
    return bytes(out)


def info_header(width, height, bpp, image_size, colours):
    # Icons and cursors store the colour image and the AND mask one above the other: twice the height.
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0, image_size, 0, 0, colours, 0)


def and_mask_bytes(width, height, transparent):
    rows = [pack_row([1 if transparent(x, y) else 0 for x in range(width)], 1, width) for y in range(height)]
    return b"".join(reversed(rows))


def dib_32bit(rgba_rows):
    """rgba_rows: rows top to bottom of (r, g, b, a) with straight (not premultiplied) colour."""
    height, width = len(rgba_rows), len(rgba_rows[0])
    xor = b"".join(
        b"".join(struct.pack("<BBBB", b, g, r, a) for (r, g, b, a) in row) for row in reversed(rgba_rows)
    )
    mask = and_mask_bytes(width, height, lambda x, y: rgba_rows[y][x][3] == 0)
    return info_header(width, height, 32, len(xor) + len(mask), 0) + xor + mask


def dib_indexed(index_rows, palette, bpp, transparent_index=None):
    height, width = len(index_rows), len(index_rows[0])
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pal += b"\0" * (4 * (2**bpp - len(palette)))
    # Transparent pixels are black in the colour image so that the AND/XOR pair leaves the screen as it is.
    rows = [[0 if v == transparent_index else v for v in row] for row in index_rows]
    xor = b"".join(pack_row(row, bpp, width) for row in reversed(rows))
    mask = and_mask_bytes(width, height, lambda x, y: index_rows[y][x] == transparent_index)
    return info_header(width, height, bpp, len(xor) + len(mask), 2**bpp) + pal + xor + mask


def write_container(path, kind, entries):
    """kind 1 = icon, 2 = cursor. entries: (width, height, colour count, field4, field6, dib bytes);
    fields 4 and 6 are planes and bit count in an icon, the hot spot's x and y in a cursor."""
    out = bytearray(struct.pack("<HHH", 0, kind, len(entries)))
    offset = 6 + 16 * len(entries)
    for width, height, colours, f4, f6, dib in entries:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colours % 256, 0, f4, f6, len(dib), offset)
        offset += len(dib)
    for entry in entries:
        out += entry[5]
    with open(path, "wb") as f:
        f.write(out)
    print("wrote", os.path.normpath(path), len(out), "bytes")


# ---------------------------------------------------------------------------------------------
# Anti-aliased drawing for the application icon: shapes are point tests, painted in order over
# a supersampled grid, then averaged with premultiplied colour.
# ---------------------------------------------------------------------------------------------


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def arc(cx, cy, radius, width, start_deg, end_deg):
    """A stroke along a circle from start to end angle, counter-clockwise, angles measured with y up."""

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - radius) > width / 2:
            return False
        a = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return (a - start_deg) % 360 <= (end_deg - start_deg) % 360

    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit

    return inside


def solid(colour):
    return lambda x, y: colour


def vertical_gradient(top, bottom, y0, y1):
    def paint(x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))

    return paint


def render(size, layers, samples=8):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = px + (sx + 0.5) / samples
                    y = py + (sy + 0.5) / samples
                    colour = None
                    for inside, paint in layers:
                        if inside(x, y):
                            colour = paint(x, y)
                    if colour is not None:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1.0
            n = samples * samples
            alpha = acc[3] / n
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha * 255),))
        rows.append(row)
    return rows


def repeat_arrow(cx, cy, radius, width, head_width, head_length, head_deg, tail_deg):
    """A circular arrow running clockwise from tail_deg round to head_deg (degrees, y up), where its head
    points on into the gap that is left between the two."""
    ring = arc(cx, cy, radius, width, head_deg, tail_deg)
    a = math.radians(head_deg)
    px, py = cx + radius * math.cos(a), cy - radius * math.sin(a)
    rx, ry = math.cos(a), -math.sin(a)  # outwards, screen coordinates
    tx, ty = math.sin(a), math.cos(a)  # clockwise tangent, screen coordinates
    head = polygon(
        [
            (px + rx * head_width, py + ry * head_width),
            (px + tx * head_length, py + ty * head_length),
            (px - rx * head_width, py - ry * head_width),
        ]
    )
    return ring, head


def key_cap_layers(size):
    edge = (52, 60, 72)
    side_top, side_bottom = (150, 160, 174), (112, 122, 138)
    face_top, face_bottom = (255, 255, 255), (214, 221, 230)
    blue = (21, 101, 192)
    if size >= 32:
        outer = (1.5, 2.0, 30.5, 30.5, 5.5)
        body = (2.5, 3.0, 29.5, 29.5, 4.5)
        face = (5.0, 4.0, 27.0, 24.5, 3.5)
        arrow = dict(cx=16.0, cy=14.25, radius=6.2, width=2.5, head_width=3.6, head_length=3.8)
        arrow.update(head_deg=90, tail_deg=20)
    else:
        outer = (0.5, 1.0, 15.5, 15.5, 3.0)
        body = (1.5, 2.0, 14.5, 14.5, 2.2)
        # Not just the large one scaled down: at 16 pixels the face and the arrow need more room.
        face = (2.5, 1.5, 13.5, 12.0, 1.8)
        arrow = dict(cx=8.0, cy=7.0, radius=3.3, width=1.5, head_width=2.4, head_length=2.4)
        arrow.update(head_deg=90, tail_deg=15)
    layers = [
        (rounded_rect(*outer), solid(edge)),
        (rounded_rect(*body), vertical_gradient(side_top, side_bottom, body[1], body[3])),
        (rounded_rect(*face), vertical_gradient(face_top, face_bottom, face[1], face[3])),
    ]
    ring, head = repeat_arrow(**arrow)
    layers += [(ring, solid(blue)), (head, solid(blue))]
    return layers


def app_icon():
    images = []
    for size in (16, 32):
        images.append((size, size, 0, 1, 32, dib_32bit(render(size, key_cap_layers(size)))))
    return images


# ---------------------------------------------------------------------------------------------
# Pixel drawings for the sight control (16 colours) and the sight cursor (monochrome)
# ---------------------------------------------------------------------------------------------

VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, BLUE, WHITE = 0, 7, 8, 12, 15
CLEAR = -1


def sight_pixels(cx, cy, radius, thickness, arm):
    """Pixels of a ring with cross-hairs centred on pixel (cx, cy)."""
    pixels = set()
    for y in range(cy - arm, cy + arm + 1):
        for x in range(cx - arm, cx + arm + 1):
            d = math.hypot(x - cx, y - cy)
            if abs(d - radius) <= thickness / 2:
                pixels.add((x, y))
    for t in range(-arm, arm + 1):
        pixels.add((cx + t, cy))
        pixels.add((cx, cy + t))
    return pixels


def window_picture(with_sight):
    g = [[CLEAR] * 32 for _ in range(32)]

    def fill(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                g[y][x] = c

    fill(1, 2, 30, 29, BLACK)  # frame
    fill(2, 3, 29, 9, BLUE)  # title bar
    fill(2, 10, 29, 28, WHITE)  # client area
    for x0 in (3, 24):  # a button at each end of the title bar, raised
        fill(x0, 4, x0 + 4, 8, SILVER)
        fill(x0, 4, x0 + 4, 4, WHITE)
        fill(x0, 4, x0, 8, WHITE)
        fill(x0, 8, x0 + 4, 8, GREY)
        fill(x0 + 4, 4, x0 + 4, 8, GREY)
    fill(5, 6, 6, 6, BLACK)  # system menu bar
    for x, y in ((25, 5), (27, 5), (26, 6), (25, 7), (27, 7)):  # close cross
        g[y][x] = BLACK
    if with_sight:
        for x, y in sight_pixels(15, 19, 6, 1.2, 8):
            g[y][x] = BLACK
    return g


def target_icon(with_sight):
    dib = dib_indexed(window_picture(with_sight), VGA, 4, CLEAR)
    return [(32, 32, 16, 1, 4, dib)]


SIGHT_HOTSPOT = (15, 16)


def sight_cursor():
    cx, cy = SIGHT_HOTSPOT
    black = sight_pixels(cx, cy, 9, 1.6, 14)
    # A white rim keeps the black sight visible over dark windows.
    white = {(x + dx, y + dy) for x, y in black for dx in (-1, 0, 1) for dy in (-1, 0, 1)} - black
    colour = [[0] * 32 for _ in range(32)]
    clear = [[True] * 32 for _ in range(32)]
    for x, y in black | white:
        if 0 <= x < 32 and 0 <= y < 32:
            clear[y][x] = False
            colour[y][x] = 1 if (x, y) in white else 0
    pal = struct.pack("<BBBB", 0, 0, 0, 0) + struct.pack("<BBBB", 255, 255, 255, 0)
    xor = b"".join(pack_row(row, 1, 32) for row in reversed(colour))
    mask = and_mask_bytes(32, 32, lambda x, y: clear[y][x])
    dib = info_header(32, 32, 1, len(xor) + len(mask), 2) + pal + xor + mask
    return [(32, 32, 2, cx, cy, dib)]


def main():
    write_container(os.path.join(RES_DIR, "Tapwell.ico"), 1, app_icon())
    write_container(os.path.join(RES_DIR, "TargetEmpty.ico"), 1, target_icon(False))
    write_container(os.path.join(RES_DIR, "Target.ico"), 1, target_icon(True))
    write_container(os.path.join(RES_DIR, "Sight.cur"), 2, sight_cursor())


if __name__ == "__main__":
    main()
