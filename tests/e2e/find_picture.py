#!/usr/bin/env python3
"""find_picture.py SCREENSHOT PICTURE: prints "X Y", the corner where the screenshot shows the
picture whole (nine points of it: its corners, edges and middle, 10 pixels in), or fails."""
import sys

from screen_pixels import pixels

TOLERANCE = 4  # per channel, as the other screen checks allow
INSET = 10


def main():
    screen_w, screen_h, screen = pixels(sys.argv[1])
    width, height, picture = pixels(sys.argv[2])
    points = [(x, y) for x in (INSET, width // 2, width - INSET)
              for y in (INSET, height // 2, height - INSET)]
    wanted = [picture[(y * width + x) * 3:(y * width + x) * 3 + 3] for x, y in points]

    def matches(corner_x, corner_y):
        for (x, y), colour in zip(points, wanted):
            at = ((corner_y + y) * screen_w + corner_x + x) * 3
            if any(abs(screen[at + i] - colour[i]) > TOLERANCE for i in range(3)):
                return False
        return True

    for corner_y in range(screen_h - height + 1):
        for corner_x in range(screen_w - width + 1):
            if matches(corner_x, corner_y):
                print(corner_x, corner_y)
                return 0
    return 1


sys.exit(main())
