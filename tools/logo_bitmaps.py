#!/usr/bin/python3
"""Decodes the logo's renditions into plain bitmaps for the Windows resources, so that the
program draws its logo with GDI alone: no image decoder and no COM on the way to the first paint.

Usage: tools/logo_bitmaps.py <resources-folder> <output-folder>

Writes logo-1x.bmp (from logo.jpg), logo-2x.bmp and logo-3x.bmp (from logo@2x.png and
logo@3x.png): 24-bit bottom-up BMPs of the same pixels. Needs Debian's python3-pil.
"""

import sys
from pathlib import Path

from PIL import Image

RENDITIONS = {"logo-1x.bmp": "logo.jpg", "logo-2x.bmp": "logo@2x.png", "logo-3x.bmp": "logo@3x.png"}


def main(resources, out):
    out.mkdir(parents=True, exist_ok=True)
    for bitmap, source in RENDITIONS.items():
        with Image.open(resources / source) as image:
            image.convert("RGB").save(out / bitmap, "BMP")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]))
