"""The game's TGA screenshots read as pixels, for the end-to-end checks."""
import struct


def load(path):
    """A function giving the (r, g, b) of pixel (x, y), counted from the top left."""
    data = open(path, "rb").read()
    width, height = struct.unpack("<HH", data[12:16])

    # The file's rows run from the bottom up.
    def pixel(x, y):
        i = 18 + 3 * ((height - 1 - y) * width + x)
        return data[i + 2], data[i + 1], data[i]

    return pixel


def count(pixel, xs, ys, wanted):
    """How many pixels of the box xs by ys the test `wanted(r, g, b)` accepts."""
    return sum(1 for x in xs for y in ys if wanted(*pixel(x, y)))
