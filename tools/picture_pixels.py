#!/usr/bin/python3
"""Decodes the pictures the Qt window shows as it starts into C++ arrays of their pixels, so that
it draws them with no image reader, whose search of Qt's image plugins costs milliseconds before
the window is up.

Usage: tools/picture_pixels.py <resources-folder> <output.cpp>

Writes petcalc::qt::kIcon16, kIcon32 and kIcon48 (RGBA, from icon-16.png, icon-32.png and
icon-48.png) and kLogo (RGB, from logo.jpg), as qt/picture_pixels.h declares them. Needs Debian's
python3-pil.
"""

import sys
from pathlib import Path

from PIL import Image

PICTURES = [("kIcon16", "icon-16.png", "RGBA"), ("kIcon32", "icon-32.png", "RGBA"),
            ("kIcon48", "icon-48.png", "RGBA"), ("kLogo", "logo.jpg", "RGB")]


def array(name, data):
    rows = [", ".join(str(b) for b in data[i:i + 24]) for i in range(0, len(data), 24)]
    return f"constexpr unsigned char {name}Bytes[] = {{\n    " + ",\n    ".join(rows) + "};\n"


def main(resources, out):
    arrays, pictures = [], []
    for name, source, mode in PICTURES:
        with Image.open(resources / source) as image:
            pixels = image.convert(mode)
            arrays.append(array(name, pixels.tobytes()))
            alpha = "true" if mode == "RGBA" else "false"
            pictures.append(f"const PicturePixels {name} = {{{name}Bytes, {pixels.width}, "
                            f"{pixels.height}, {alpha}}};\n")
    out.write_text("// Written by tools/picture_pixels.py from the resources folder.\n"
                   '#include "qt/picture_pixels.h"\n\nnamespace petcalc::qt {\nnamespace {\n\n'
                   + "\n".join(arrays) + "\n}  // namespace\n\n" + "".join(pictures)
                   + "\n}  // namespace petcalc::qt\n", encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]))
