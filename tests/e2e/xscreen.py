#!/usr/bin/env python3
"""Reads the X screen through libX11 (no extra tools) and checks that it shows a screenshot of
the game's picture scaled to fit and centred between black bars.

  xscreen.py screen SHOT.tga          the whole screen is the picture's full-screen window
  xscreen.py resize W H               resizes the game's window
  xscreen.py window SHOT.tga W H      the game's window is W x H and shows the picture
"""
import ctypes
import ctypes.util
import struct
import sys

from screenshot import load

x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
ulong = ctypes.c_ulong


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ulong), ("green_mask", ulong),
                ("blue_mask", ulong)]


x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.restype = ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [ctypes.c_void_p, ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ulong, ctypes.c_int]
x11.XQueryTree.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(ulong), ctypes.POINTER(ulong),
                           ctypes.POINTER(ctypes.POINTER(ulong)), ctypes.POINTER(ctypes.c_uint)]
x11.XFetchName.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(ctypes.c_char_p)]
x11.XGetGeometry.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(ulong)] + \
    [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ulong, ulong, ctypes.c_int, ctypes.c_int,
                                      ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                      ctypes.POINTER(ulong)]
x11.XResizeWindow.argtypes = [ctypes.c_void_p, ulong, ctypes.c_uint, ctypes.c_uint]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("xscreen.py: no X display")
root = x11.XDefaultRootWindow(display)


def geometry(window):
    """x, y on the screen, width, height."""
    unused, x, y = ulong(), ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = (ctypes.c_uint() for _ in range(4))
    x11.XGetGeometry(display, window, ctypes.byref(unused), ctypes.byref(x), ctypes.byref(y),
                     ctypes.byref(width), ctypes.byref(height), ctypes.byref(border),
                     ctypes.byref(depth))
    x11.XTranslateCoordinates(display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y),
                              ctypes.byref(unused))
    return x.value, y.value, width.value, height.value


def grab(x, y, width, height):
    """Rows of (r, g, b) tuples, top row first."""
    image = x11.XGetImage(display, root, x, y, width, height, 0xFFFFFFFF, 2).contents
    assert image.bits_per_pixel == 32, image.bits_per_pixel
    data = ctypes.string_at(image.data, image.bytes_per_line * height)
    shift = {mask: (mask & -mask).bit_length() - 1
             for mask in (image.red_mask, image.green_mask, image.blue_mask)}
    rows = []
    for row in range(height):
        words = struct.unpack_from(f"<{width}I", data, row * image.bytes_per_line)
        rows.append([tuple((w & m) >> shift[m] for m in (image.red_mask, image.green_mask,
                                                        image.blue_mask)) for w in words])
    return rows


def find_window(name):
    pending = [root]
    while pending:
        window = pending.pop()
        title = ctypes.c_char_p()
        if x11.XFetchName(display, window, ctypes.byref(title)) and title.value == name:
            return window
        unused, children, count = ulong(), ctypes.POINTER(ulong)(), ctypes.c_uint()
        x11.XQueryTree(display, window, ctypes.byref(unused), ctypes.byref(unused),
                       ctypes.byref(children), ctypes.byref(count))
        pending.extend(children[i] for i in range(count.value))
    sys.exit(f"xscreen.py: no window {name!r}")


def read_shot(path):
    """The 800 x 600 screenshot as rows of (r, g, b), top row first."""
    pixel = load(path)
    return [[pixel(x, y) for x in range(800)] for y in range(600)]


def fit(picture_width, picture_height, width, height):
    """The picture's rectangle in a window, as large as fits, centred (the game's own rule)."""
    if width * picture_height <= height * picture_width:
        scaled = (width, (width * picture_height * 2 + picture_width) // (picture_width * 2))
    else:
        scaled = ((height * picture_width * 2 + picture_height) // (picture_height * 2), height)
    return (width - scaled[0]) // 2, (height - scaled[1]) // 2, scaled[0], scaled[1]


def check(shot, screen):
    """The screen (a window's or the whole) is the shot scaled into its fit, black around it."""
    height, width = len(screen), len(screen[0])
    left, top, fit_width, fit_height = fit(800, 600, width, height)
    print(f"{width}x{height}: picture at {left},{top} {fit_width}x{fit_height}")
    black = (0, 0, 0)
    outside = [screen[y][x] for y in range(height) for x in range(width)
               if not (left <= x < left + fit_width and top <= y < top + fit_height)]
    assert all(p == black for p in outside), "the bars are not all black"
    edge = [screen[y][left] for y in range(top, top + fit_height)]
    assert sum(p != black for p in edge) > fit_height // 2, "the picture does not start at its edge"
    matches = total = 0
    close = lambda a, b: all(abs(i - j) <= 48 for i, j in zip(a, b))
    for y in range(top, top + fit_height, 5):
        for x in range(left, left + fit_width, 5):
            shot_x = ((2 * (x - left) + 1) * 800) // (2 * fit_width)
            shot_y = ((2 * (y - top) + 1) * 600) // (2 * fit_height)
            total += 1
            matches += close(screen[y][x], shot[shot_y][shot_x])
    print(f"{matches} of {total} sampled pixels match the screenshot")
    assert matches >= 0.9 * total, "the screen does not show the screenshot scaled"
    assert len({p for row in shot for p in row}) > 8, "the screenshot shows almost nothing"


def main():
    command = sys.argv[1]
    if command == "screen":
        x, y, width, height = geometry(root)
        check(read_shot(sys.argv[2]), grab(0, 0, width, height))
    elif command == "resize":
        x11.XResizeWindow(display, find_window(b"Brawlwick"), int(sys.argv[2]), int(sys.argv[3]))
        x11.XSync(display, 0)
    elif command == "window":
        x, y, width, height = geometry(find_window(b"Brawlwick"))
        assert (width, height) == (int(sys.argv[3]), int(sys.argv[4])), (width, height)
        check(read_shot(sys.argv[2]), grab(x, y, width, height))


main()
