#!/usr/bin/env python3
"""Packs the staged folder into the portable zip, the same bytes from the same
files whenever it is built: entries in sorted order, every entry stamped with
the last commit's time (SOURCE_DATE_EPOCH), no owner, access or change times.

    pack_zip.py STAGE_ROOT FOLDER OUT.zip
"""
import os
import sys
import time
import zipfile

# The earliest time a zip can hold, where no commit time is given.
EARLIEST = 315532800


def main(stage_root, folder, out):
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", EARLIEST))
    stamp = time.gmtime(max(epoch, EARLIEST))[:6]
    files = []
    for parent, _, names in os.walk(os.path.join(stage_root, folder)):
        files += [os.path.join(parent, name) for name in names]
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted(files, key=lambda p: os.path.relpath(p, stage_root)):
            entry = zipfile.ZipInfo(os.path.relpath(path, stage_root).replace(os.sep, "/"), stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(path, "rb") as content:
                archive.writestr(entry, content.read(), compresslevel=9)


if __name__ == "__main__":
    main(*sys.argv[1:])
