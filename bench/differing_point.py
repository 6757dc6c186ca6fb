#!/usr/bin/env python3
"""differing_point.py PICTURE X Y W H OTHER...: prints "X Y", the first point, row by row, of the
rectangle of PICTURE whose colour is far from each OTHER picture's at the same point and from
its neighbours' within the picture (not on an edge that may render a shade apart). A window
whose frame is PICTURE is then told from the windows framed by the OTHERs by that one point.
Fails when there is no such point."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from screen_pixels import pixels  # noqa: E402

FAR = 24  # per channel, well beyond the screen checks' tolerance of 4
EVEN = 4  # how far a neighbour's colour may stray for the point to count as inside a surface


def colour(image, x, y):
    width, _, data = image
    at = (y * width + x) * 3
    return tuple(data[at:at + 3])


def differs(a, b, limit):
    return any(abs(p - q) > limit for p, q in zip(a, b))


def main():
    picture = pixels(sys.argv[1])
    x0, y0, w, h = (int(v) for v in sys.argv[2:6])
    others = [pixels(path) for path in sys.argv[6:]]
    for y in range(max(y0, 1), min(y0 + h, picture[1] - 1)):
        for x in range(max(x0, 1), min(x0 + w, picture[0] - 1)):
            here = colour(picture, x, y)
            neighbours = [colour(picture, x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))]
            if any(differs(here, n, EVEN) for n in neighbours):
                continue
            if all(differs(here, colour(o, x, y), FAR) for o in others):
                print(x, y)
                return 0
    print(f"no point of {sys.argv[1]} tells it from the others", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
