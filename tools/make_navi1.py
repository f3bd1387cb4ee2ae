#!/usr/bin/env python3
"""Draws the busy animation "navi1": four 45x20 frames side by side in one uncompressed 24-bit BMP.

A row of four lamps on navy; in frame n the n-th lamp is lit, so the light runs left to right.
Run from the repository root; writes resources/clips/navi1.bmp.
"""
import struct

W, H, FRAMES = 45, 20, 4
NAVY, DIM, LIT, GLOW = (0, 0, 128), (40, 60, 150), (255, 220, 40), (250, 250, 200)


def pixel(frame, x, y):
    for lamp in range(4):
        cx, cy = 7 + lamp * 10, 10
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if d2 <= 12:
            if lamp == frame:
                return GLOW if d2 <= 3 else LIT
            return DIM
    return NAVY


def main():
    width = W * FRAMES
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(H - 1, -1, -1):  # BMP rows run bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x // W, x % W, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open("resources/clips/navi1.bmp", "wb") as f:
        f.write(header + info + data)


if __name__ == "__main__":
    main()
