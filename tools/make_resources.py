#!/usr/bin/python3
"""Draws the program's icon and logo and writes them in the exact formats the window uses.

Run from anywhere: tools/make_resources.py [output-folder]  (default: resources/)
Needs Debian's python3-pil and fonts-dejavu-core. The outputs are committed; run this again only
to change the artwork.

- petcalc.ico: five uncompressed BMP images, 16 and 32 pixels at 8 bits with a 256-colour
  palette, then 16, 32 and 48 pixels at 32 bits with alpha, each with its AND mask: 18,718 bytes.
- logo.jpg: baseline JPEG, 113 x 57, three 8-bit components, 4:4:4, padded with a comment
  segment to exactly 21,959 bytes.
- logo@2x.png, logo@3x.png: the same logo drawn for high-density screens.
- icon-16.png, icon-32.png, icon-48.png: the icon for desktop themes; icon-192.png and
  icon-512.png: the web page's icons, for phones and the browsers' installed apps;
  icon-maskable-512.png: the same bars on a blue that fills the square, all inside the middle
  circle of four fifths of its width that every mask keeps.
"""

import io
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ICO_SIZE = 18_718
JPEG_SIZE = 21_959
LOGO_SIZE = (113, 57)
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SUPERSAMPLE = 8

BLUE = (36, 99, 200, 255)
DARK_BLUE = (20, 52, 120, 255)
BAR_COLOURS = [(255, 255, 255, 255), (255, 255, 255, 255), (255, 196, 64, 255)]


def draw_icon(size):
    """A blue tile with three rising bars, the last one gold: growth at a glance. The bars are
    placed on whole pixels of the target size, so even 16 x 16 stays sharp."""
    big = size * SUPERSAMPLE
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([0, 0, big - 1, big - 1], radius=big // 6, fill=BLUE)
    bar, gap = round(size * 0.19), max(1, round(size * 0.06))
    left = (size - 3 * bar - 2 * gap) // 2
    base = size - round(size * 0.19)
    for index, height in enumerate((0.28, 0.46, 0.66)):
        x = left + index * (bar + gap)
        top = base - round(size * height)
        draw.rectangle([x * SUPERSAMPLE, top * SUPERSAMPLE, (x + bar) * SUPERSAMPLE - 1,
                        base * SUPERSAMPLE - 1], fill=BAR_COLOURS[index])
    return image.resize((size, size), Image.BOX)


def draw_maskable_icon(size):
    """The icon's bars, a third smaller, on a blue square a launcher may cut to any shape: the
    bars stay inside the circle of 0.8 the square's width that every mask keeps."""
    image = Image.new("RGBA", (size, size), BLUE)
    bars = draw_icon(round(size * 0.62))
    image.alpha_composite(bars, ((size - bars.width) // 2, (size - bars.height) // 2))
    return image


def and_mask(image):
    """One bit a pixel, set where the pixel is transparent; rows bottom-up, padded to 32 bits."""
    width, height = image.size
    stride = ((width + 31) // 32) * 4
    alpha = image.getchannel("A")
    rows = []
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if alpha.getpixel((x, y)) < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b"".join(rows)


def bitmap_header(width, height, bits, colours):
    # The height counts the colour image and the AND mask together.
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def bmp_8bit(image):
    width, height = image.size
    opaque = Image.new("RGB", image.size, (255, 255, 255))
    opaque.paste(image, mask=image.getchannel("A"))
    indexed = opaque.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = indexed.getpalette()[: 256 * 3]
    palette += [0] * (256 * 3 - len(palette))
    table = b"".join(bytes((palette[i + 2], palette[i + 1], palette[i], 0)) for i in range(0, 768, 3))
    stride = (width + 3) // 4 * 4
    pixels = b"".join(
        bytes(indexed.getpixel((x, y)) for x in range(width)).ljust(stride, b"\0")
        for y in reversed(range(height))
    )
    return bitmap_header(width, height, 8, 256) + table + pixels + and_mask(image)


def bmp_32bit(image):
    width, height = image.size
    pixels = b"".join(
        bytes((b, g, r, a))
        for y in reversed(range(height))
        for (r, g, b, a) in (image.getpixel((x, y)) for x in range(width))
    )
    return bitmap_header(width, height, 32, 0) + pixels + and_mask(image)


def write_ico(path):
    images = [(16, 8), (32, 8), (16, 32), (32, 32), (48, 32)]
    bodies = [bmp_8bit(draw_icon(s)) if bits == 8 else bmp_32bit(draw_icon(s)) for s, bits in images]
    offset = 6 + 16 * len(images)
    directory = b""
    for (size, bits), body in zip(images, bodies):
        colours = 0  # 0 means 256 or more
        directory += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(body), offset)
        offset += len(body)
    data = struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(bodies)
    assert len(data) == ICO_SIZE, f"icon is {len(data)} bytes, not {ICO_SIZE}"
    path.write_bytes(data)


def draw_logo(scale):
    width, height = LOGO_SIZE[0] * scale, LOGO_SIZE[1] * scale
    big = SUPERSAMPLE
    image = Image.new("RGB", (width * big, height * big), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    for y in range(height * big):  # a soft sky gradient
        t = y / (height * big - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip((232, 241, 255), (198, 219, 250)))
        draw.line([(0, y), (width * big, y)], fill=colour)
    unit = scale * big
    font = ImageFont.truetype(FONT, 25 * unit)
    text_box = draw.textbbox((0, 0), "Tenvo", font=font, anchor="ls")
    text_width = text_box[2] - text_box[0]
    draw.text(((width * big - text_width) / 2, 36 * unit), "Tenvo", font=font, fill=DARK_BLUE[:3],
              anchor="ls")
    for index, bar_height in enumerate((4, 7, 10)):  # the icon's rising bars, underlining
        x = (34 + index * 16) * unit
        draw.rectangle([x, (51 - bar_height) * unit, x + 12 * unit, 51 * unit],
                       fill=BAR_COLOURS[index][:3] if index == 2 else BLUE[:3])
    return image.resize((width, height), Image.LANCZOS)


def pad_jpeg(data, size):
    """Inserts comment segments after the JFIF header until the file is exactly size bytes."""
    assert data[:2] == b"\xff\xd8" and data[2:4] == b"\xff\xe0", "expected SOI then JFIF APP0"
    app0_end = 4 + struct.unpack(">H", data[4:6])[0]
    missing = size - len(data)
    assert missing >= 4, f"logo is {len(data)} bytes, already over {size}"
    segments = b""
    note = b"Tenvo pet growth calculator logo. "
    while missing > 0:
        length = min(missing, 65_535 + 2) - 2  # a segment's length field counts itself
        if 0 < missing - (length + 2) < 4:
            length -= 4  # leave room for one more whole segment
        body = (note * (length // len(note) + 1))[: length - 2]
        segments += b"\xff\xfe" + struct.pack(">H", length) + body
        missing -= length + 2
    return data[:app0_end] + segments + data[app0_end:]


def write_logo(folder):
    buffer = io.BytesIO()
    draw_logo(1).save(buffer, "JPEG", quality=95, subsampling=0, progressive=False, optimize=False)
    data = pad_jpeg(buffer.getvalue(), JPEG_SIZE)
    assert len(data) == JPEG_SIZE
    (folder / "logo.jpg").write_bytes(data)
    for scale in (2, 3):
        draw_logo(scale).save(folder / f"logo@{scale}x.png", optimize=True)


def write_theme_icons(folder):
    for size in (16, 32, 48, 192, 512):
        draw_icon(size).save(folder / f"icon-{size}.png", optimize=True)
    draw_maskable_icon(512).save(folder / "icon-maskable-512.png", optimize=True)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources"
    folder.mkdir(parents=True, exist_ok=True)
    write_ico(folder / "petcalc.ico")
    write_logo(folder)
    write_theme_icons(folder)


if __name__ == "__main__":
    main()
