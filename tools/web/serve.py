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

    def __init__(self, *args, pages=None, **kwargs):
        self.pages = pages or {}
        super().__init__(*args, **kwargs)

    def do_GET(self):
        page = self.pages.get(self.path.split("?", 1)[0])
        if page is None:
            super().do_GET()
            return
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], (BrokenPipeError, ConnectionResetError)):  # not a browser moving on
            super().handle_error(request, client_address)


def serve(folder, port=0, pages=None):
    """A started server (serve_forever in a thread is the caller's) and its address; PAGES maps
    paths to HTML served beside the folder's files (a test's own pages)."""
    server = Server(("127.0.0.1", port),
                                             functools.partial(Handler, directory=folder, pages=pages))
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


if __name__ == "__main__":
    server, address = serve(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 8080)
    print(f"Ardelin is served at {address} (Ctrl+C stops it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
