#!/usr/bin/env python3
"""Measures a screenshot of the window's client area (WCAG 2.1 ratios), at
the places its fixed geometry puts each control: every edge a user finds a
control by stands 3:1 against the window, and every option circle too.
With --captions, every caption, the buttons' on their face, stands 4.5:1,
and the unchecked circles are hollow: their inside within 2:1 of the window.
With --result, the result shown stands 4.5:1 too. With --dark or --light,
the window itself is dark (or light).

With --scale=S, the window is drawn at a display scale of S (1.5 at 150 %)
and every place is S times as far. With --digits, the width of the
result's ink is printed. With --against=PLAIN.png --marks=strike,sign (or
one of them, or none), the result is compared with the same result without
marks: its digits unchanged but for the rows a strike runs through, the
strike through all of them at 3:1 where expected, a caution sign (a
triangle at 3:1) after them and before the unit's text where expected, and
the unit's text unchanged.

With --popup, the screenshot is of a popup (the pressure list, a menu, a
tooltip) instead: its text stands 4.5:1 against its most common colour,
which --dark or --light checks. Text is strokes, not a pixel: inside the
popup's frame, a run of pixels must reach 4.5:1, as no stray pixel and no
frame line does.

    measure_window.py SCREENSHOT.png [--scale=S] [--captions] [--result] [--dark|--light]
                      [--digits] [--against=PLAIN.png --marks=strike,sign]
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
UNIT = (392, 56, 89, 17)
# A popup's frame, left out of its text; the fewest pixels of a word.
FRAME = 3
TEXT_PIXELS = 30
BUTTONS = {"Command2": (8, 96, 177, 25), "Command1": (312, 96, 177, 25)}


def value(options, name, default=None):
    return next((option.split("=", 1)[1] for option in options
                 if option.startswith(f"--{name}=")), default)


def ink_box(pixels, columns, rows, background, skipped=(), at_least=1.5):
    """The box (left, top, right, bottom) around the pixels standing out, or None."""
    inked = [(x, y) for x in columns for y in rows
             if y not in skipped and ratio(pixels[x, y], background) >= at_least]
    if not inked:
        return None
    return (min(x for x, _ in inked), min(y for _, y in inked),
            max(x for x, _ in inked), max(y for _, y in inked))


def marks(pixels, plain, scale, expected, background, expect):
    """The result's marks against the same result without them."""
    def span(region):
        left, top, width, height = (round(v * scale) for v in region)
        return range(left, left + width), range(top, top + height)

    columns, rows = span(RESULT)
    digits = ink_box(plain, columns, rows, background)
    if digits is None:
        expect("the result without marks shows digits", 0, at_least=1)
        return
    left, top, right, bottom = digits
    struck = [y for y in rows
              if all(ratio(pixels[x, y], background) >= 3 for x in range(left, right + 1))]
    changed = sum(1 for x in range(columns.start, right + 1) for y in rows
                  if y not in struck and pixels[x, y] != plain[x, y])
    expect("digit pixels changed by the marks", changed, at_most=0)
    expect("strike rows", len(struck), at_least=1 if "strike" in expected else None,
           at_most=None if "strike" in expected else 0)
    expect("strike rows outside the digits",
           sum(1 for y in struck if not top < y < bottom), at_most=0)
    unit_columns, unit_rows = span(UNIT)
    sign = ink_box(pixels, range(right + 1, unit_columns.start), rows, background, struck)
    if "sign" not in expected:
        expect("sign pixels", 0 if sign is None else 1, at_most=0)
    elif sign is None:
        expect("sign pixels", 0, at_least=1)
    else:
        sign_left, sign_top, sign_right, sign_bottom = sign

        def inked_in_row(y):
            return sum(1 for x in range(sign_left, sign_right + 1)
                       if ratio(pixels[x, y], background) >= 1.5)
        expect("the sign's height", sign_bottom - sign_top + 1, at_least=4 * scale)
        expect("the sign's base wider than its top", inked_in_row(sign_bottom) -
               inked_in_row(sign_top), at_least=1)
        expect("the sign's contrast", max(ratio(pixels[x, y], background)
                                         for x in range(sign_left, sign_right + 1)
                                         for y in range(sign_top, sign_bottom + 1)), at_least=3)
    expect("unit pixels changed by the marks",
           sum(1 for x in unit_columns for y in unit_rows if pixels[x, y] != plain[x, y]),
           at_most=0)


def main(path, *options):
    pixels = read_pixels(path)
    scale = float(value(options, "scale", "1"))

    def at(v):
        return round(v * scale)

    def most(left, top, width, height, against):
        left, top, width, height = at(left), at(top), max(1, at(width)), max(1, at(height))
        return max(ratio(pixels[x, y], against)
                   for x in range(left, left + width) for y in range(top, top + height))

    failures = []

    def expect(what, value, at_least=None, at_most=None, unit=":1"):
        print(f"{what}: {value:.1f}{unit}")
        if (at_least is not None and value < at_least) or \
                (at_most is not None and value > at_most):
            failures.append(what)

    def count(what, value, at_least=None, at_most=None):
        expect(what, value, at_least, at_most, unit="")

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
    if "--digits" in options:
        left, top, width, height = (at(v) for v in RESULT)
        digits = ink_box(pixels, range(left, left + width), range(top, top + height), background)
        print(f"the result's digits: {0 if digits is None else digits[2] - digits[0] + 1} "
              "pixels wide")
    if value(options, "against"):
        marks(pixels, read_pixels(value(options, "against")), scale,
              value(options, "marks", "none").split(","), background, count)
    if "--captions" in options:
        for name, region in CAPTIONS.items():
            expect(f"{name}'s caption", most(*region, background), at_least=4.5)
        for name, (x, y, width, height) in BUTTONS.items():
            face = pixels[at(x + 4), at(y + 4)]
            expect(f"{name}'s caption", most(x + 20, y + 4, width - 40, height - 8, face),
                   at_least=4.5)
        for name, x in CIRCLES.items():
            if name != "Option1":
                expect(f"{name}'s inside", most(x + 6, 23, 3, 3, background), at_most=2)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
