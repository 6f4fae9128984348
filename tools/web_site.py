#!/usr/bin/python3
"""Builds the site into an empty folder, from the build's staged page and module, the page's own
static files and the program's resources:

- the book's module and its loader, its style, and the page's book script that names them
  (minified in the stage by tools/minify_js.js), each
  under a name carrying its content's hash (petbook.<hash>.wasm, petbook.<hash>.js,
  book.<hash>.css, book.<hash>.js); then the calculator's module and the loader that names it and
  the book script (petcalc.<hash>.wasm, .js);
- index.html, with the page's style and the boot script (which names the loader) written into it,
  without their comments, and the content policy in its <meta>, the style and the script allowed
  by their hashes;
- _headers, for hosts that read one: the same policy with frame-ancestors 'none', nosniff, long
  immutable caching for the hashed files and revalidation for the page and the worker;
- the logo's files without padding (the JPEG's comment segments, PNG text chunks), the icons,
  the screenshots and the manifest;
- sw.js, last, which lists every other file but the install dialog's screenshots and names its
  cache by the hash of them all.

Usage: tools/web_site.py <stage folder> <static folder> <resources folder> <site folder>
"""

import base64
import hashlib
import json
import re
import shutil
import struct
import sys
from pathlib import Path

RESOURCES = ["logo.jpg", "logo@2x.png", "logo@3x.png", "petcalc.ico", "icon-192.png",
             "icon-512.png", "icon-maskable-512.png"]
STATIC = ["screenshot-narrow.png", "screenshot-wide.png"]
# What the worker does not keep: the pictures only a browser's install dialog shows, fetched by it
# from the network when it asks to install, and the host's own file.
UNCACHED = {"screenshot-narrow.png", "screenshot-wide.png", "_headers"}
IMMUTABLE = "public, max-age=31536000, immutable"


def short_hash(data):
    return hashlib.sha256(data).hexdigest()[:16]


def hashed_name(stem, suffix, data):
    return f"{stem}.{short_hash(data)}.{suffix}"


def without_jpeg_comments(data):
    """The JPEG without its comment segments, every other byte as it was."""
    assert data[:2] == b"\xff\xd8", "not a JPEG"
    out, at = bytearray(data[:2]), 2
    while data[at:at + 2] != b"\xff\xda":  # up to the scan, whose data has no segments
        length = struct.unpack(">H", data[at + 2:at + 4])[0]
        if data[at:at + 2] != b"\xff\xfe":
            out += data[at:at + 2 + length]
        at += 2 + length
    return bytes(out + data[at:])


def without_png_text(data):
    """The PNG without its text and time chunks, every other chunk as it was."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    out, at = bytearray(data[:8]), 8
    while at < len(data):
        length = struct.unpack(">I", data[at:at + 4])[0]
        if data[at + 4:at + 8] not in (b"tEXt", b"zTXt", b"iTXt", b"tIME"):
            out += data[at:at + 12 + length]
        at += 12 + length
    return bytes(out)


def unpadded(name, data):
    if name.endswith(".jpg"):
        return without_jpeg_comments(data)
    if name.endswith(".png"):
        return without_png_text(data)
    return data


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def content_policy(static, style, boot):
    """The page's content policy, from its source, its style and boot script allowed by their
    hashes."""
    allowed = {"style-src ": source_hash(style), "script-src ": source_hash(boot)}
    directives = [line.strip() for line in (static / "content-policy.txt").read_text().splitlines()
                  if line.strip()]
    return "; ".join(d + "".join(f" {h}" for kind, h in allowed.items() if d.startswith(kind))
                     for d in directives)


def without_comments(text, line_comments):
    """The text without its /* */ comments, and, if `line_comments`, without the comments that
    take a line of their own; its blank lines gone."""
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    lines = text.splitlines()
    if line_comments:
        lines = [line for line in lines if not line.lstrip().startswith("//")]
    return "\n".join(line.rstrip() for line in lines if line.strip())


def headers(policy, hashed):
    lines = ["/*", f"  Content-Security-Policy: {policy}; frame-ancestors 'none'",
             "  X-Content-Type-Options: nosniff", "  Referrer-Policy: no-referrer"]
    for name in hashed:
        lines += [f"/{name}", f"  Cache-Control: {IMMUTABLE}"]
    for name in ("", "index.html", "sw.js"):
        lines += [f"/{name}", "  Cache-Control: no-cache"]
    return "\n".join(lines) + "\n"


def fill(text, values):
    for key, value in values.items():
        text = text.replace(key, value)
    return text


def main(stage, static, resources, site):
    if site.exists():
        shutil.rmtree(site)
    site.mkdir(parents=True)
    files = {}  # every file of the site but the worker, by name

    book_module = (stage / "petbook.wasm").read_bytes()
    book_module_name = hashed_name("petbook", "wasm", book_module)
    book_style = without_comments((stage / "book.css").read_text(encoding="utf-8"), False).encode()
    book_style_name = hashed_name("book", "css", book_style)
    book_loader = (stage / "petbook.js").read_bytes()
    book_loader_name = hashed_name("petbook", "js", book_loader)
    book_script = fill((stage / "book.js").read_text(encoding="utf-8"), {
        "@BOOKMODULE@": book_module_name, "@BOOKLOADER@": book_loader_name,
        "@BOOKSTYLE@": book_style_name}).encode()
    book_script_name = hashed_name("book", "js", book_script)
    files.update({book_module_name: book_module, book_style_name: book_style,
                  book_loader_name: book_loader, book_script_name: book_script})

    module = (stage / "petcalc.wasm").read_bytes()
    module_name = hashed_name("petcalc", "wasm", module)
    loader = fill((stage / "petcalc.js").read_text(encoding="utf-8"), {
        "@MODULE@": module_name, "@BOOK@": book_script_name})
    loader_name = hashed_name("petcalc", "js", loader.encode())
    files.update({module_name: module, loader_name: loader.encode()})

    style = without_comments((stage / "petcalc.css").read_text(encoding="utf-8"), False)
    boot = fill(without_comments((static / "boot.js").read_text(encoding="utf-8"), True),
                {"{{LOADER}}": loader_name})
    policy = content_policy(static, style, boot)
    files["index.html"] = fill((stage / "index.html").read_text(encoding="utf-8"), {
        "{{POLICY}}": policy, "{{STYLE}}": style, "{{BOOT}}": boot}).encode()
    for name in RESOURCES:
        files[name] = unpadded(name, (resources / name).read_bytes())
    for name in STATIC:
        files[name] = (static / name).read_bytes()
    files["manifest.webmanifest"] = (stage / "manifest.webmanifest").read_bytes()  # its id filled in
    files["_headers"] = headers(policy, [module_name, loader_name, book_module_name,
                                         book_style_name, book_loader_name,
                                         book_script_name]).encode()

    digest = hashlib.sha256()
    for name in sorted(files):
        digest.update(name.encode() + b"\0" + files[name])
        (site / name).write_bytes(files[name])
    cached = ["./"] + sorted(name for name in files if name not in UNCACHED)
    worker = fill((static / "sw.js.in").read_text(encoding="utf-8"), {
        "@VERSION@": digest.hexdigest()[:16],
        "@FILES@": ", ".join(json.dumps(name) for name in cached)})
    (site / "sw.js").write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*(Path(p) for p in sys.argv[1:]))
