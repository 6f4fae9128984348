#!/usr/bin/python3
"""Packs the Windows download: petcalc.exe and 说明.txt in one zip whose bytes depend only on
its contents, so two builds of one commit give the same file.

Usage: tools/windows_zip.py <petcalc.exe> <说明.txt> <output.zip>

Entries in a fixed order, each stamped with SOURCE_DATE_EPOCH (default 1980-01-01, the oldest
time a zip holds), read-only for all, deflated at level 9. The Chinese name is stored as UTF-8
with the flag that says so, which Windows 10's Explorer reads.
"""

import os
import sys
import time
import zipfile
from pathlib import Path

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def stamp():
    seconds = max(int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH)), ZIP_EPOCH)
    return time.gmtime(seconds)[:6]


def main(exe, readme, out):
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path, name in ((exe, "petcalc.exe"), (readme, readme.name)):
            entry = zipfile.ZipInfo(name, date_time=stamp())
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o100444 << 16  # a regular file, read-only
            entry.create_system = 0  # as if made on Windows: no Unix owner to record
            archive.writestr(entry, path.read_bytes())


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3]))
