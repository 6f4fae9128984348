#!/usr/bin/python3
"""Writes the site's service worker from its template: every file of the site folder to cache
(and "./", the page itself), and a version that is the hash of their bytes.

Usage: tools/web_service_worker.py <sw.js.in> <site-folder>   (writes <site-folder>/sw.js)
"""

import hashlib
import json
import sys
from pathlib import Path


def main(template, site):
    files = sorted(p.name for p in site.iterdir() if p.is_file() and p.name != "sw.js")
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    listed = ", ".join(json.dumps(name) for name in ["./"] + files)
    text = template.read_text(encoding="utf-8")
    text = text.replace("@VERSION@", digest.hexdigest()[:16]).replace("@FILES@", listed)
    (site / "sw.js").write_text(text, encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(Path(sys.argv[1]), Path(sys.argv[2]))
