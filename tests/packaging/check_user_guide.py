#!/usr/bin/env python3
"""The installed user's guides quote the window as it is and show it as it is.

Every text a guide marks as the window's own (class "caption") is one the
window shows, as the program itself reports them; every picture is embedded;
the pictures in docs/guide/ are what the window looks like today.

    check_user_guide.py WINDOW_SCREENSHOT GUIDE_PICTURES_SCRIPT PICTURES_DIR GUIDE.html...
"""
import html.parser
import os
import subprocess
import sys
import tempfile


def collapsed(text):
    return " ".join(text.split())


class GuideReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.captions = []
        self.pictures = []
        self._depth = 0  # inside a caption span, how deep

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if tag == "img":
            self.pictures.append(attributes.get("src", ""))
        if tag == "span" and "caption" in (attributes.get("class") or "").split():
            self.captions.append("")
            self._depth = 1
        elif tag == "span" and self._depth:
            self._depth += 1

    def handle_endtag(self, tag):
        if tag == "span" and self._depth:
            self._depth -= 1

    def handle_data(self, data):
        if self._depth:
            self.captions[-1] += data


def window_texts(shot):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="tr_TR.UTF-8")
    printed = subprocess.run([shot, "--captions", "--locale", "tr_TR"], env=environment,
                             capture_output=True, text=True, check=True).stdout
    return {collapsed(line) for line in printed.splitlines() if line.strip()}


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
        if len(reader.pictures) < 5:
            failures.append(f"{name} has {len(reader.pictures)} pictures, not 5")
        for source in reader.pictures:
            if not source.startswith("data:image/png;base64,"):
                failures.append(f"{name} links a picture instead of embedding it: {source[:60]}")
        print(f"{name}: {len(reader.captions)} quoted captions, {len(reader.pictures)} pictures")
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
