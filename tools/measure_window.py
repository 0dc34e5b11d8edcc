#!/usr/bin/env python3
"""Measures a screenshot of the window's client area (WCAG 2.1 ratios), at
the places its fixed geometry puts each control: every edge a user finds a
control by stands 3:1 against the window, and every option circle too.
With --captions, every caption, the buttons' on their face, stands 4.5:1,
and the unchecked circles are hollow: their inside within 2:1 of the window.
With --result, the result shown stands 4.5:1 too. With --dark or --light,
the window itself is dark (or light).

With --popup, the screenshot is of a popup (the pressure list, a menu, a
tooltip) instead: its text stands 4.5:1 against its most common colour,
which --dark or --light checks. Text is strokes, not a pixel: inside the
popup's frame, a run of pixels must reach 4.5:1, as no stray pixel and no
frame line does.

    measure_window.py SCREENSHOT.png [--captions] [--result] [--dark|--light]
    measure_window.py SCREENSHOT.png --popup [--dark|--light]
"""
import collections
import subprocess
import sys


def read_pixels(path):
    rows = subprocess.run(["convert", path, "-depth", "8", "txt:-"], capture_output=True,
                          text=True, check=True).stdout.splitlines()[1:]
    pixels = {}
    for row in rows:
        where, rest = row.split(":", 1)
        x, y = map(int, where.split(","))
        value = rest.split("#")[1][:6]
        pixels[x, y] = tuple(int(value[i:i + 2], 16) / 255 for i in (0, 2, 4))
    return pixels


def luminance(rgb):
    linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in rgb]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def ratio(a, b):
    low, high = sorted((luminance(a), luminance(b)))
    return (high + 0.05) / (low + 0.05)


# Client coordinates from the window's fixed geometry (twips ÷ 15).
EDGES = {"Text1": (216, 49), "Combo1": (216, 74), "Command2": (8, 108),
         "Command1": (312, 108), "Frame1": (328, 60)}
CIRCLES = {"Option1": 104, "Option2": 176, "Option3": 248, "Option4": 320, "Option5": 400}
CAPTIONS = {"Label3": (8, 16, 89, 17), "Label4": (8, 40, 201, 17), "Label5": (272, 40, 33, 17),
            "Label6": (8, 64, 177, 17), "Label7": (280, 64, 41, 17), "Label9": (392, 56, 89, 17),
            "Label25": (192, 104, 113, 17), "Option3": (266, 16, 50, 17)}
RESULT = (336, 56, 49, 17)
# A popup's frame, left out of its text; the fewest pixels of a word.
FRAME = 3
TEXT_PIXELS = 30
BUTTONS = {"Command2": (8, 96, 177, 25), "Command1": (312, 96, 177, 25)}


def main(path, *options):
    pixels = read_pixels(path)

    def most(left, top, width, height, against):
        return max(ratio(pixels[x, y], against)
                   for x in range(left, left + width) for y in range(top, top + height))

    failures = []

    def expect(what, value, at_least=None, at_most=None):
        print(f"{what}: {value:.1f}:1")
        if (at_least and value < at_least) or (at_most and value > at_most):
            failures.append(what)

    popup = "--popup" in options
    background = collections.Counter(pixels.values()).most_common(1)[0][0] if popup \
        else pixels[2, 2]
    print(f"{'popup' if popup else 'window'}: "
          f"#{''.join(f'{round(c * 255):02X}' for c in background)}")
    if ("--dark" in options and luminance(background) > 0.1) or \
            ("--light" in options and luminance(background) < 0.5):
        failures.append("the background's colour")
    if popup:
        width = 1 + max(x for x, _ in pixels)
        height = 1 + max(y for _, y in pixels)
        inside = [pixels[x, y] for x in range(FRAME, width - FRAME)
                  for y in range(FRAME, height - FRAME)]
        strong = sum(1 for pixel in inside if ratio(pixel, background) >= 4.5)
        print(f"its text: {strong} pixels at 4.5:1 or more inside the frame")
        if strong < TEXT_PIXELS:
            failures.append("its text")
        sys.exit(1 if failures else 0)

    for name, (x, y) in EDGES.items():
        expect(f"{name}'s edge", most(x, y - 1, 2, 3, background), at_least=3)
    for name, x in CIRCLES.items():
        if name != "Option1":
            expect(f"{name}'s circle", most(x, 16, 16, 17, background), at_least=3)
    if "--result" in options:
        expect("the result", most(*RESULT, background), at_least=4.5)
    if "--captions" in options:
        for name, region in CAPTIONS.items():
            expect(f"{name}'s caption", most(*region, background), at_least=4.5)
        for name, (x, y, width, height) in BUTTONS.items():
            face = pixels[x + 4, y + 4]
            expect(f"{name}'s caption", most(x + 20, y + 4, width - 40, height - 8, face),
                   at_least=4.5)
        for name, x in CIRCLES.items():
            if name != "Option1":
                expect(f"{name}'s inside", most(x + 6, 23, 3, 3, background), at_most=2)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
