#!/usr/bin/env python3
"""Draws the plug-in's icons and the sandbox host's pan cursor.

Writes resources/camera_mode.ico (icon 103, a photo camera),
resources/modeling_mode.ico (icon 104, a green cone and a red sphere), each
with a 32 x 32 image in 16 colours and one in 256 colours, and 48 x 48 and
64 x 64 images in true colour with alpha for displays at 150 % and 200 %; the
pictures of the control window's camera buttons on a host that does not run in
Japanese, resources/store_camera.ico (icon 105, an arrow into a tray),
resources/restore_camera.ico (icon 106, an arrow out of it) and
resources/undo_camera.ico (icon 107, an arrow turning back), each 16 x 16 in 16
and in 256 colours, and 24 x 24 and 32 x 32 in true colour with alpha; and
sandbox/pan.cur (the host's cursor 104, a four-way arrow).

Only the standard library is used: the shapes are rasterised at four times
the size, averaged down and mapped to the nearest palette colour.

Run from the repository root: python3 tools/make_icons.py
"""

import math
import os
import struct

SIZE = 32
SCALE = 4

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def palette256():
    """The 16 VGA colours, a 6 x 6 x 6 colour cube and 24 greys."""
    levels = [0, 51, 102, 153, 204, 255]
    cube = [(r, g, b) for r in levels for g in levels for b in levels]
    greys = [(v, v, v) for v in range(8, 248, 10)][:24]
    return VGA16 + cube + greys


def render(shapes, size=SIZE, units=None):
    """Paints the shapes, drawn in a square of `units` (the size they were
    designed at, by default the size), in order at SCALE times the size and
    averages each SCALE x SCALE block into one pixel (r, g, b, alpha 0..1)."""
    step = (units or size) / size
    big = size * SCALE
    canvas = [[None] * big for _ in range(big)]
    for sy in range(big):
        y = (sy + 0.5) / SCALE * step
        for sx in range(big):
            x = (sx + 0.5) / SCALE * step
            for shape in shapes:
                colour = shape(x, y)
                if colour is not None:
                    canvas[sy][sx] = colour
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(py * SCALE, (py + 1) * SCALE):
                for sx in range(px * SCALE, (px + 1) * SCALE):
                    colour = canvas[sy][sx]
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            alpha = covered / (SCALE * SCALE)
            if covered:
                row.append((total[0] / covered, total[1] / covered, total[2] / covered, alpha))
            else:
                row.append((0, 0, 0, 0.0))
        pixels.append(row)
    return pixels


def nearest(palette, colour):
    best, best_distance = 0, None
    for index, (r, g, b) in enumerate(palette):
        distance = (r - colour[0]) ** 2 + (g - colour[1]) ** 2 + (b - colour[2]) ** 2
        if best_distance is None or distance < best_distance:
            best, best_distance = index, distance
    return best


def row_bytes(bits_per_pixel, size):
    return ((size * bits_per_pixel + 31) // 32) * 4


def dib(pixels, palette, bits_per_pixel):
    """A BITMAPINFOHEADER image as icons and cursors store it: colour bits
    and the transparency mask, both bottom-up, height doubled."""
    size = len(pixels)
    colour_rows, mask_rows = [], []
    for row in reversed(pixels):
        indices = []
        mask = []
        for r, g, b, alpha in row:
            transparent = alpha < 0.5
            indices.append(0 if transparent else nearest(palette, (r, g, b)))
            mask.append(1 if transparent else 0)
        colour_rows.append(pack_bits(indices, bits_per_pixel))
        mask_rows.append(pack_bits(mask, 1))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits_per_pixel, 0,
                         row_bytes(bits_per_pixel, size) * size + row_bytes(1, size) * size, 0, 0, len(palette), 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    return header + colours + b''.join(colour_rows) + b''.join(mask_rows)


def dib32(pixels):
    """A true-colour image with alpha as icons store it: BGRA rows and the
    transparency mask, both bottom-up, height doubled."""
    size = len(pixels)
    colour_rows, mask_rows = [], []
    for row in reversed(pixels):
        colour_rows.append(b''.join(struct.pack('<BBBB', round(b), round(g), round(r), round(alpha * 255))
                                    for r, g, b, alpha in row))
        mask_rows.append(pack_bits([1 if alpha < 0.5 else 0 for _, _, _, alpha in row], 1))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         4 * size * size + row_bytes(1, size) * size, 0, 0, 0, 0)
    return header + b''.join(colour_rows) + b''.join(mask_rows)


def pack_bits(values, bits_per_pixel):
    out = bytearray()
    per_byte = 8 // bits_per_pixel
    for start in range(0, len(values), per_byte):
        byte = 0
        for offset, value in enumerate(values[start:start + per_byte]):
            byte |= value << (8 - bits_per_pixel * (offset + 1))
        out.append(byte)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def icon_file(images, kind=1, hotspot=(0, 0)):
    """An .ico (kind 1) or .cur (kind 2) file of square images given as
    (size, colour count byte, bits per pixel, image bytes)."""
    directory = struct.pack('<HHH', 0, kind, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b'', b''
    for size, colour_count, bits_per_pixel, image in images:
        if kind == 1:
            planes_or_x, bits_or_y = 1, bits_per_pixel
        else:
            planes_or_x, bits_or_y = hotspot
        entries += struct.pack('<BBBBHHII', size, size, colour_count, 0, planes_or_x, bits_or_y,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


def shade(colour, factor):
    return tuple(max(0, min(255, c * factor)) for c in colour)


def rounded_rect(x0, y0, x1, y1, radius, colour):
    def shape(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return None
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        if (x - cx) ** 2 + (y - cy) ** 2 > radius ** 2:
            return None
        return colour(x, y) if callable(colour) else colour
    return shape


def circle(cx, cy, radius, colour):
    def shape(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 > radius ** 2:
            return None
        return colour(x, y) if callable(colour) else colour
    return shape


def polygon(points, colour):
    def shape(x, y):
        inside = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        if not inside:
            return None
        return colour(x, y) if callable(colour) else colour
    return shape


def camera_icon(size=SIZE):
    body = (92, 92, 96)
    return render([
        polygon([(9, 9.5), (11, 4.5), (20, 4.5), (22, 9.5)], body),
        rounded_rect(22.5, 5.5, 27.5, 9.5, 1, (200, 200, 205)),
        rounded_rect(1.5, 8.5, 30.5, 27.5, 3, lambda x, y: shade(body, 1.4 - (y - 8.5) / 24)),
        rounded_rect(3.5, 11, 8, 14, 0.5, (240, 240, 200)),
        circle(16, 18, 8, (205, 205, 215)),
        circle(16, 18, 6.2, (30, 30, 45)),
        circle(16, 18, 4.2, lambda x, y: shade((60, 100, 190), 1.2 - ((x - 13) ** 2 + (y - 15) ** 2) / 60)),
        circle(14.3, 16.3, 1.3, (255, 255, 255)),
    ], size, SIZE)


def modeling_icon(size=SIZE):
    apex, base_y, half_width, base_depth = (11, 2.5), 25.5, 9.5, 3.2

    def cone_colour(x, y):
        # Lit from the left: bright at the left flank, dark at the right.
        t = (x - (apex[0] - half_width)) / (2 * half_width)
        return shade((40, 200, 60), 1.25 - 0.8 * t)

    def in_cone(x, y):
        if y <= base_y:
            span = half_width * (y - apex[1]) / (base_y - apex[1])
            return apex[1] <= y and abs(x - apex[0]) <= span
        return ((x - apex[0]) / half_width) ** 2 + ((y - base_y) / base_depth) ** 2 <= 1

    def cone(x, y):
        return cone_colour(x, y) if in_cone(x, y) else None

    centre, radius = (22, 20.5), 8.8

    def sphere(x, y):
        dx, dy = (x - centre[0]) / radius, (y - centre[1]) / radius
        if dx * dx + dy * dy > 1:
            return None
        dz = math.sqrt(1 - dx * dx - dy * dy)
        light = (-0.5, -0.55, 0.67)
        lambert = max(0.0, dx * light[0] + dy * light[1] + dz * light[2])
        highlight = lambert ** 24 * 200
        base = (215, 30, 30)
        return tuple(min(255, c * (0.3 + 0.75 * lambert) + highlight) for c in base)

    return render([cone, sphere], size, SIZE)


BUTTON_SIZE = 16
TRAY = (90, 90, 96)


def tray():
    """An open tray at the bottom of a 16 x 16 picture: where the camera is kept."""
    return polygon([(1.5, 8), (4, 8), (4, 12), (12, 12), (12, 8), (14.5, 8), (14.5, 14.5), (1.5, 14.5)], TRAY)


def store_camera_icon(size=BUTTON_SIZE):
    """An arrow down into the tray."""
    blue = (30, 80, 210)
    return render([
        tray(),
        polygon([(6.8, 0.8), (9.2, 0.8), (9.2, 5.5), (12, 5.5), (8, 10.5), (4, 5.5), (6.8, 5.5)], blue),
    ], size, BUTTON_SIZE)


def restore_camera_icon(size=BUTTON_SIZE):
    """An arrow up out of the tray."""
    green = (20, 150, 40)
    return render([
        tray(),
        polygon([(6.8, 10.5), (9.2, 10.5), (9.2, 6), (12, 6), (8, 1), (4, 6), (6.8, 6)], green),
    ], size, BUTTON_SIZE)


def undo_camera_icon(size=BUTTON_SIZE):
    """An arrow that comes up on the right, turns over the top and points back
    down on the left."""
    orange = (215, 110, 10)
    cx, cy, outer, inner = 9, 9.5, 5.6, 3.2

    def arc(x, y):
        r = math.hypot(x - cx, y - cy)
        angle = math.degrees(math.atan2(cy - y, x - cx))
        return orange if inner <= r <= outer and -60 <= angle <= 180 else None

    head = polygon([(0.8, 9), (7.8, 9), (4.3, 14)], orange)
    return render([arc, head], size, BUTTON_SIZE)


def pan_cursor():
    """A four-way arrow, white with a black outline, hotspot in the middle."""
    def arrow_points():
        # One arm pointing up, from the inner corner on its left round to its
        # right; the other three are the same turned by quarter turns.
        c = 15.5
        arm, head, neck, stem = 13, 4.5, 8.5, 1.5
        up = [(-stem, -stem), (-stem, -neck), (-head, -neck), (0, -arm), (head, -neck), (stem, -neck)]
        points = []
        for quarter in range(4):
            for x, y in up:
                for _ in range(quarter):
                    x, y = -y, x
                points.append((c + x, c + y))
        return points

    fill = polygon(arrow_points(), (255, 255, 255))
    ring = [(1.2 * math.cos(k * math.pi / 4), 1.2 * math.sin(k * math.pi / 4)) for k in range(8)]

    def outline(x, y):
        return (0, 0, 0) if any(fill(x + dx, y + dy) for dx, dy in ring) else None

    return render([outline, fill])


def icon_images(draw, size):
    """The image at the described size in 16 and in 256 colours, and the same
    picture drawn again at 1.5 and 2 times that size in true colour."""
    pixels = draw()
    images = [(size, 16, 4, dib(pixels, VGA16, 4)), (size, 0, 8, dib(pixels, palette256(), 8))]
    for larger in (size * 3 // 2, size * 2):
        images.append((larger, 0, 32, dib32(draw(larger))))
    return images


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    for name, draw, size in (('camera_mode.ico', camera_icon, SIZE), ('modeling_mode.ico', modeling_icon, SIZE),
                             ('store_camera.ico', store_camera_icon, BUTTON_SIZE),
                             ('restore_camera.ico', restore_camera_icon, BUTTON_SIZE),
                             ('undo_camera.ico', undo_camera_icon, BUTTON_SIZE)):
        with open(os.path.join(root, 'resources', name), 'wb') as out:
            out.write(icon_file(icon_images(draw, size)))
    cursor = pan_cursor()
    with open(os.path.join(root, 'sandbox', 'pan.cur'), 'wb') as out:
        out.write(icon_file([(SIZE, 2, 1, dib(cursor, [(0, 0, 0), (255, 255, 255)], 1))], kind=2, hotspot=(16, 16)))


if __name__ == '__main__':
    main()
