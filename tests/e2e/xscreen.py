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
ulong, cint, cuint, ref = ctypes.c_ulong, ctypes.c_int, ctypes.c_uint, ctypes.byref


class XImage(ctypes.Structure):
    _fields_ = [(name, cint) for name in ("width", "height", "xoffset", "format")] + \
        [("data", ctypes.POINTER(ctypes.c_ubyte))] + \
        [(name, cint) for name in ("byte_order", "bitmap_unit", "bitmap_bit_order", "bitmap_pad",
                                   "depth", "bytes_per_line", "bits_per_pixel")] + \
        [(name, ulong) for name in ("red_mask", "green_mask", "blue_mask")]


x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.restype = ulong
x11.XGetImage.restype = ctypes.POINTER(XImage)
display = ctypes.c_void_p(x11.XOpenDisplay(None))
if not display:
    sys.exit("xscreen.py: no X display")
root = ulong(x11.XDefaultRootWindow(display))


def geometry(window):
    """x, y on the screen, width, height."""
    unused, x, y = ulong(), cint(), cint()
    width, height, border, depth = (cuint() for _ in range(4))
    x11.XGetGeometry(display, window, ref(unused), ref(x), ref(y), ref(width), ref(height),
                     ref(border), ref(depth))
    x11.XTranslateCoordinates(display, window, root, 0, 0, ref(x), ref(y), ref(unused))
    return x.value, y.value, width.value, height.value


def grab(x, y, width, height):
    """Rows of (r, g, b) tuples, top row first."""
    image = x11.XGetImage(display, root, x, y, cuint(width), cuint(height), ulong(0xFFFFFFFF),
                          2).contents
    assert (image.bits_per_pixel, image.red_mask, image.blue_mask) == (32, 0xFF0000, 0xFF)
    data = ctypes.string_at(image.data, image.bytes_per_line * height)
    return [[(data[i + 2], data[i + 1], data[i])
             for i in range(row * image.bytes_per_line, row * image.bytes_per_line + 4 * width, 4)]
            for row in range(height)]


def find_window(name):
    pending = [root]
    while pending:
        window = pending.pop()
        title = ctypes.c_char_p()
        if x11.XFetchName(display, window, ref(title)) and title.value == name:
            return window
        unused, children, count = ulong(), ctypes.POINTER(ulong)(), cuint()
        x11.XQueryTree(display, window, ref(unused), ref(unused), ref(children), ref(count))
        pending.extend(ulong(children[i]) for i in range(count.value))
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


command = sys.argv[1]
if command == "screen":
    check(read_shot(sys.argv[2]), grab(0, 0, *geometry(root)[2:]))
elif command == "resize":
    x11.XResizeWindow(display, find_window(b"Brawlwick"), cuint(int(sys.argv[2])),
                      cuint(int(sys.argv[3])))
    x11.XSync(display, 0)
elif command == "window":
    x, y, width, height = geometry(find_window(b"Brawlwick"))
    assert (width, height) == (int(sys.argv[3]), int(sys.argv[4])), (width, height)
    check(read_shot(sys.argv[2]), grab(x, y, width, height))
