"""The two sites the page's benchmarks load: the page's own and its floor (bench/web/floor.html
with the page's logo files beside it), each served gzip-compressed from 127.0.0.1 as a static host
would serve it."""

import contextlib
import shutil
import sys
import tempfile
import threading
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "tools"))
import web_serve  # noqa: E402


@contextlib.contextmanager
def served(site):
    """The page's URL and the floor's, while both are served."""
    floor = Path(tempfile.mkdtemp(prefix="petcalc-floor-"))
    shutil.copy(HERE / "web" / "floor.html", floor / "index.html")
    for logo in site.glob("logo*"):
        shutil.copy(logo, floor / logo.name)
    servers = [web_serve.serve(str(folder), 0, web_serve.GzipHandler) for folder in (site, floor)]
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield [f"http://127.0.0.1:{server.server_address[1]}/" for server in servers]
    finally:
        for server in servers:
            server.shutdown()
        shutil.rmtree(floor, ignore_errors=True)
