#!/usr/bin/env python3
"""page_point.py AFTER X Y W H [BEFORE[@DX,DY] ...]: prints "X Y RRGGBB", a point of the
screenshot AFTER inside the rectangle where a page shows, and its colour there, for the pixel
probe to wait on: the first point, row by row, whose colour the points above and below it share
(inside a stroke or a picture, not on an edge that may render a shade apart) and which is far from what each
BEFORE showed at that point (a screenshot, or a picture that stood with its corner at DX, DY) and
from white (a view before its first page). So the probe fires on the page, never on a window's
frame or a picture that shows there earlier. Fails when there is no such point."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from screen_pixels import pixels  # noqa: E402

PROBE_TOLERANCE = 6  # velmora_pixel_probe's, per channel
FAR = 4 * PROBE_TOLERANCE
WHITE = (255, 255, 255)


class Image:
    def __init__(self, argument):
        path, _, offset = argument.partition("@")
        self.dx, self.dy = (int(v) for v in offset.split(",")) if offset else (0, 0)
        self.width, self.height, self.data = pixels(path)

    def colour(self, x, y):
        x, y = x - self.dx, y - self.dy
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        at = (y * self.width + x) * 3
        return tuple(self.data[at:at + 3])


def alike(a, b, tolerance):
    return all(abs(a[i] - b[i]) <= tolerance for i in range(3))


def main():
    if len(sys.argv) < 6:
        print(__doc__, file=sys.stderr)
        return 2
    after = Image(sys.argv[1])
    left, top, width, height = (int(v) for v in sys.argv[2:6])
    befores = [Image(argument) for argument in sys.argv[6:]]
    for y in range(top + 1, top + height - 1):
        for x in range(left + 1, left + width - 1):
            colour = after.colour(x, y)
            if not all(alike(colour, after.colour(x, y + dy), PROBE_TOLERANCE) for dy in (-1, 1)):
                continue
            earlier = [before.colour(x, y) for before in befores] + [WHITE]
            if all(shown is None or not alike(colour, shown, FAR) for shown in earlier):
                print(x, y, "%02X%02X%02X" % colour)
                return 0
    return 1


sys.exit(main())
