#!/usr/bin/env python3
"""The installed user's guides quote the window as it is, show it as it is,
and teach only what the program computes.

Every text a guide marks as the window's own (class "caption") is one the
window shows, as the program itself reports them; every picture is embedded
and no wider than the guide's column; the pictures in docs/guide/ are what
the window looks like today. Every worked result (class "worked") is the
formula line of the program's own explanation for those inputs; every usual
delivery band (class "band") is the one the program's note states; every
other calculation (class "arith": conversions, pipework, cycles) is right
to the digits it is written with. Numbers are read and computed with the
guide's own decimal mark.

    check_user_guide.py WINDOW_SCREENSHOT GUIDE_PICTURES_SCRIPT PICTURES_DIR GUIDE.html...
"""
import base64
import html.parser
import math
import os
import re
import struct
import subprocess
import sys
import tempfile


def collapsed(text):
    return " ".join(text.split())


# The guide's column, in CSS pixels: a wider picture is scaled and blurs.
COLUMN_WIDTH = 640
# The locale each guide's numbers are written for.
GUIDE_LOCALES = {"tr": "tr_TR", "en": "en_US"}
MARKED = ("caption", "worked", "band", "arith")


class GuideReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.language = ""
        self.pictures = []
        self.marked = {kind: [] for kind in MARKED}  # (text, attributes) each
        self._open = None  # the marked span being read, and how deep inside it
        self._depth = 0

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if tag == "html":
            self.language = attributes.get("lang", "")
        if tag == "img":
            self.pictures.append(attributes.get("src", ""))
        if tag != "span":
            return
        if self._open is not None:
            self._depth += 1
            return
        for kind in MARKED:
            if kind in (attributes.get("class") or "").split():
                self.marked[kind].append(["", attributes])
                self._open = kind
                self._depth = 1

    def handle_endtag(self, tag):
        if tag == "span" and self._open is not None:
            self._depth -= 1
            if self._depth == 0:
                self._open = None

    def handle_data(self, data):
        if self._open is not None:
            self.marked[self._open][-1][0] += data

    @property
    def captions(self):
        return [text for text, _ in self.marked["caption"]]


def window_texts(shot):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="tr_TR.UTF-8")
    printed = subprocess.run([shot, "--captions", "--locale", "tr_TR"], env=environment,
                             capture_output=True, text=True, check=True).stdout
    return {collapsed(line) for line in printed.splitlines() if line.strip()}


def explanation(shot, locale, variant, power, flow, pressure):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    button = "Command1" if variant == "screw" else "Command2"
    return subprocess.run([shot, "--explain", "--locale", locale, "--flow", flow, "--pressure",
                           pressure, "--option", power, "--press", button], env=environment,
                          capture_output=True, text=True, check=True).stdout


def as_number(text, mark):
    return float(text.replace(mark, "."))


def decimals(text, mark):
    return len(text.split(mark)[1]) if mark in text else 0


def arithmetic_failure(text, mark):
    """None where "EXPRESSION = RESULT" holds to RESULT's digits."""
    expression, _, written = collapsed(text).rpartition(" = ")
    number = r"\d+(?:" + re.escape(mark) + r"\d+)?"
    if not re.fullmatch(number, written) or not expression:
        return f"'{text}' is not 'calculation = number'"
    python = re.sub(number, lambda found: repr(as_number(found.group(), mark)), expression)
    python = python.replace("×", "*").replace("÷", "/").replace("−", "-").replace("²", "**2")
    if not re.fullmatch(r"[\d.\s()*/+-]+", python):
        return f"'{text}' holds more than numbers and operators"
    computed = eval(python)  # digits and operators only, checked above
    places = decimals(written, mark)
    if abs(computed - as_number(written, mark)) > 0.5 * 10 ** -places + 1e-12:
        return f"'{text}': the calculation gives {computed:.{places + 3}f}"
    return None


def worked_failures(shot, reader, name):
    locale = GUIDE_LOCALES[reader.language]
    mark = "," if reader.language == "tr" else "."
    failures = []
    for text, attributes in reader.marked["worked"]:
        explained = explanation(shot, locale, attributes["data-variant"], attributes["data-power"],
                                attributes["data-flow"], attributes["data-pressure"])
        formula = [line for line in explained.splitlines() if line.startswith("Hacim = ")]
        expected = formula[0][len("Hacim = "):].replace(" m3", " m³") if formula else explained
        if collapsed(text) != expected:
            failures.append(f"{name} works out '{text}', the program '{expected}'")
    for text, attributes in reader.marked["band"]:
        explained = explanation(shot, locale, "screw", attributes["data-power"], "1000", "1")
        band = re.search(r"olağan dışı \([^:]+: (\S+) m³/dk\)", explained)
        if band is None or band.group(1) != collapsed(text):
            failures.append(f"{name} gives the usual delivery '{text}', the program's note "
                            f"'{band.group(1) if band else explained}'")
    for text, _ in reader.marked["arith"]:
        failure = arithmetic_failure(text, mark)
        if failure:
            failures.append(f"{name}: {failure}")
    if not reader.marked["worked"] or not reader.marked["arith"]:
        failures.append(f"{name} marks no worked result or no calculation")
    return failures


def png_width(source):
    data = base64.b64decode(source.split(",", 1)[1])
    return struct.unpack(">I", data[16:20])[0]


def differing_pixels(a, b):
    result = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True,
                            text=True)
    return result.stderr.strip()


def main(shot, render_pictures, pictures_dir, *guides):
    failures = []
    texts = window_texts(shot)
    for guide in guides:
        reader = GuideReader()
        with open(guide, encoding="utf-8") as page:
            reader.feed(page.read())
        name = os.path.basename(guide)
        if not reader.captions:
            failures.append(f"{name} quotes no caption of the window")
        for caption in reader.captions:
            if collapsed(caption) not in texts:
                failures.append(f"{name} quotes '{caption}', which the window does not show")
        if len(reader.pictures) < 8:
            failures.append(f"{name} has {len(reader.pictures)} pictures, not 8")
        for source in reader.pictures:
            if not source.startswith("data:image/png;base64,"):
                failures.append(f"{name} links a picture instead of embedding it: {source[:60]}")
            elif png_width(source) > COLUMN_WIDTH:
                failures.append(f"{name} has a picture {png_width(source)} pixels wide, wider "
                                f"than its column")
        failures += worked_failures(shot, reader, name)
        print(f"{name}: {len(reader.captions)} quoted captions, {len(reader.pictures)} pictures, "
              f"{len(reader.marked['worked'])} worked results, {len(reader.marked['band'])} "
              f"bands, {len(reader.marked['arith'])} calculations")
    with tempfile.TemporaryDirectory() as fresh:
        subprocess.run([render_pictures, shot, fresh], check=True, capture_output=True)
        for picture in sorted(os.listdir(fresh)):
            kept = os.path.join(pictures_dir, picture)
            if not os.path.exists(kept):
                failures.append(f"{picture} is missing from {pictures_dir}")
                continue
            difference = differing_pixels(kept, os.path.join(fresh, picture))
            if difference != "0":
                failures.append(f"{picture} is out of date ({difference} pixels differ); "
                                "run tools/screenshots.sh")
    for failure in failures:
        print("FAIL:", failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
