#!/usr/bin/python3
"""Writes an ICO file's images as explicit Windows icon resources, for windres, whose ICON
statement would number the images 1 to 5 itself.

Usage: tools/icon_resources.py <file.ico> <first-image-id> <output-folder>

Writes, in the output folder: icon-<id>.bin, each image's bytes as the ICO holds them, with ids
counting up from the first in the ICO's order; icon-group.bin, the group directory naming them;
and icon_resources.rc, which declares the images as RT_ICON (type 3) and the directory as icon
group 1 (RT_GROUP_ICON, type 14).
"""

import struct
import sys
from pathlib import Path

RT_ICON = 3
RT_GROUP_ICON = 14
GROUP_ID = 1


def main(ico_path, first_id, out):
    data = Path(ico_path).read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        sys.exit(f"{ico_path}: not an icon file")
    out.mkdir(parents=True, exist_ok=True)
    group = struct.pack("<HHH", 0, 1, count)
    lines = []
    for index in range(count):
        width, height, colours, _, planes, bits, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * index)
        image_id = first_id + index
        (out / f"icon-{image_id}.bin").write_bytes(data[offset:offset + size])
        group += struct.pack("<BBBBHHIH", width, height, colours, 0, planes, bits, size, image_id)
        lines.append(f'{image_id} {RT_ICON} "icon-{image_id}.bin"')
    (out / "icon-group.bin").write_bytes(group)
    lines.append(f'{GROUP_ID} {RT_GROUP_ICON} "icon-group.bin"')
    (out / "icon_resources.rc").write_text("\n".join(lines) + "\n", encoding="ascii")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(sys.argv[1], int(sys.argv[2]), Path(sys.argv[3]))
