#!/usr/bin/python3
"""HTTP test server on 127.0.0.1: serves the files of one folder, and on request answers
the ways a real server can misbehave. Prints "PORT <n>" once it listens (on a free port
unless --port is given). Paths:

  /<file>                         the file (404 with a body when it is missing)
  /redirect/<path>                302 to /<path>
  /nolength/<file>                the file without Content-Length; the connection close ends it
  /status/<code>/<file>           the file's bytes with that status
  /slow/<file>?piece=N&delay=MS   the file, N bytes every MS milliseconds; with &length=0
                                  without Content-Length
  /reset/<file>                   Content-Length of the whole file, half of it, then a reset
"""
import argparse
import http.server
import os
import socket
import struct
import sys
import time
import urllib.parse


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    root = "."

    def log_message(self, fmt, *args):
        sys.stderr.write("%s\n" % (fmt % args))
        sys.stderr.flush()

    def file_bytes(self, relative):
        path = os.path.realpath(os.path.join(self.root, relative))
        if not path.startswith(os.path.realpath(self.root) + os.sep) or not os.path.isfile(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    def answer(self, status, body, length=True, extra=()):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        if length:
            self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        for name, value in extra:
            self.send_header(name, value)
        self.end_headers()
        self.close_connection = True
        return body

    def not_found(self):
        self.wfile.write(self.answer(404, b"<html><body>404 Not Found</body></html>"))

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(url.query)
        parts = urllib.parse.unquote(url.path).lstrip("/").split("/")
        try:
            if parts[0] == "redirect":
                location = "/" + "/".join(parts[1:])
                self.wfile.write(self.answer(302, b"moved", extra=[("Location", location)]))
                return
            if parts[0] == "status":
                body = self.file_bytes("/".join(parts[2:])) or b""
                self.wfile.write(self.answer(int(parts[1]), body))
                return
            kind = parts[0] if parts[0] in ("nolength", "slow", "reset") else ""
            body = self.file_bytes("/".join(parts[1:] if kind else parts))
            if body is None:
                self.not_found()
            elif kind == "nolength":
                self.wfile.write(self.answer(200, body, length=False))
            elif kind == "slow":
                piece = int(query.get("piece", ["1024"])[0])
                delay = int(query.get("delay", ["100"])[0]) / 1000.0
                self.answer(200, body, length=query.get("length", ["1"])[0] != "0")
                for start in range(0, len(body), piece):
                    self.wfile.write(body[start:start + piece])
                    self.wfile.flush()
                    time.sleep(delay)
            elif kind == "reset":
                self.answer(200, body)
                self.wfile.write(body[: len(body) // 2])
                self.wfile.flush()
                time.sleep(0.2)
                # SO_LINGER with a zero timeout makes close() send a reset.
                self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                self.connection.close()
            else:
                self.wfile.write(self.answer(200, body))
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client went away (Cancel)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()
    Handler.root = args.root
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), Handler)
    server.daemon_threads = True
    print("PORT %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
