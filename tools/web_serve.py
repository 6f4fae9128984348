#!/usr/bin/python3
"""Serves a folder over HTTP on 127.0.0.1, as a static host would, with the types the site needs
(.wasm as application/wasm, so the module compiles while it downloads), and, as hosts do, its
texts and module gzip-compressed to a browser that accepts it.

Usage: tools/web_serve.py <folder> [port]   (port 8000 by default; 0 picks a free one, printed)
"""

import functools
import gzip
import http.server
import io
import sys

TYPES = {
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".js": "text/javascript",
    ".css": "text/css",
    ".html": "text/html; charset=utf-8",
    ".json": "application/json",
}


# What a host compresses: everything but the pictures, which are compressed already.
COMPRESSED = (".html", ".css", ".js", ".wasm", ".json", ".webmanifest", ".ico", ".svg")


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"  # keeps connections open, as real hosts do
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def log_message(self, *args):
        pass


class GzipHandler(Handler):
    """Answers with the file gzip-compressed where the browser accepts it and the file is a
    text or the module."""

    def send_head(self):
        path = self.translate_path(self.path)
        if path.endswith("/"):
            path += "index.html"
        accepted = "gzip" in self.headers.get("Accept-Encoding", "")
        if not accepted or not path.endswith(COMPRESSED):
            return super().send_head()
        try:
            with open(path, "rb") as file:
                body = gzip.compress(file.read(), 9)
        except OSError:
            return super().send_head()
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that goes away mid-answer is no error of the site's.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def serve(folder, port, handler=Handler):
    """A server of `folder` on 127.0.0.1:`port`, answering with `handler` (Handler or a class of
    its own), not yet serving (call serve_forever)."""
    return Server(("127.0.0.1", port), functools.partial(handler, directory=folder))


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server = serve(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000, GzipHandler)
    print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
