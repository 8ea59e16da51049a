#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on 127.0.0.1 with the types a web app needs (wasm, manifest)
and no caching by the browser beyond the page's own service worker.
Usage: serve.py FOLDER [PORT]  (port 0: any free one); prints the address."""
import functools
import http.server
import sys

TYPES = {".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
         ".js": "text/javascript", ".ico": "image/vnd.microsoft.icon"}


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *args):
        pass


def serve(folder, port=0):
    """A started server (serve_forever in a thread is the caller's) and its address."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


if __name__ == "__main__":
    server, address = serve(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 8080)
    print(f"Ardelin is served at {address} (Ctrl+C stops it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
