#!/usr/bin/env python3
"""Distances in mm from the paper's edges to the register form's outer rules.

Reads a grey PGM page (pdftoppm -gray) and prints top, bottom, left and right:
the first and last rows and columns that hold a rule longer than half the
paper's short side.
"""
import sys


def distances(path, dpi):
    with open(path, 'rb') as file:
        magic, width, height, _, pixels = file.read().split(maxsplit=4)
    width, height = int(width), int(height)
    long_rule = min(width, height) * 0.55
    dark = [value < 128 for value in pixels[:width * height]]
    rows = [y for y in range(height) if sum(dark[y * width:(y + 1) * width]) > long_rule]
    columns = [x for x in range(width) if sum(dark[x::width]) > long_rule]
    mm = 25.4 / dpi
    return rows[0] * mm, (height - rows[-1]) * mm, columns[0] * mm, (width - columns[-1]) * mm


if __name__ == '__main__':
    print(' '.join('%.2f' % value for value in distances(sys.argv[1], int(sys.argv[2]))))
