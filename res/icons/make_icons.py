#!/usr/bin/env python3
"""Draws the program icon (a wireless symbol on a blue tile) into VxUI.ico.

Pure Python so that it runs anywhere; the .ico is committed and only needs
re-running when the drawing changes.
"""
import math
import struct
import sys


def render(size):
    ss = 4  # supersampling per axis
    n = size * ss
    px = []
    r_corner = n * 0.2
    cx, cy = n / 2, n * 0.78
    arcs = [(n * 0.12, n * 0.0), (n * 0.30, n * 0.07), (n * 0.48, n * 0.07), (n * 0.66, n * 0.07)]
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(ss):
                for sx in range(ss):
                    X, Y = x * ss + sx + 0.5, y * ss + sy + 0.5
                    # rounded tile
                    dx = max(r_corner - X, X - (n - r_corner), 0)
                    dy = max(r_corner - Y, Y - (n - r_corner), 0)
                    if dx * dx + dy * dy > r_corner * r_corner:
                        continue
                    t = Y / n
                    col = (int(40 + 30 * t), int(120 - 50 * t), int(215 - 60 * t))
                    d = math.hypot(X - cx, Y - cy)
                    ang = math.degrees(math.atan2(cy - Y, X - cx))
                    white = d <= arcs[0][0]
                    for radius, _ in arcs[1:]:
                        if abs(d - radius) <= n * 0.055 and 45 <= ang <= 135:
                            white = True
                    if white:
                        col = (255, 255, 255)
                    acc[0] += col[0]; acc[1] += col[1]; acc[2] += col[2]; acc[3] += 255
            k = ss * ss
            a = acc[3] / k
            if a > 0:
                row.append((int(acc[2] / (acc[3] / 255) ), int(acc[1] / (acc[3] / 255)), int(acc[0] / (acc[3] / 255)), int(a)))
            else:
                row.append((0, 0, 0, 0))
        px.append(row)
    return px


def dib(size, px):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = b''.join(struct.pack('<BBBB', *[min(255, c) for c in px[y][x]])
                    for y in reversed(range(size)) for x in range(size))
    mask_row = ((size + 31) // 32) * 4
    mask = b''
    for y in reversed(range(size)):
        row = bytearray(mask_row)
        for x in range(size):
            if px[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(row)
    return header + body + mask


def main(out):
    sizes = [16, 32, 48]
    images = [dib(s, render(s)) for s in sizes]
    data = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b''.join(images)
    with open(out, 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'VxUI.ico')
