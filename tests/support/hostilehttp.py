#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An HTTP server on 127.0.0.1 that misbehaves the ways a real network can.

Usage: hostilehttp.py [BODY_FILE]

It prints its port on the first line of its output and serves until its input closes. The
body is BODY_FILE's content (2000 bytes of "x" without one). Paths:

  /update.txt       the body, as a good server sends it
  /not-found        a whole 404 error page
  /dribble          the body announced in full, then sent at one byte per second
  /silence          the headers, then nothing
  /unanswered       no answer at all
  /short            more bytes announced than sent, then the connection closed
  /short-404        the same for a 404 error page
  /reset            half the body, then the connection reset
  /moved            a redirect to /update.txt
  /loop             a redirect to itself
  /chain/N          a redirect to /chain/N+1, without end
  /to-unanswered    a redirect to /unanswered
  /to-ftp           a redirect to an ftp address
  /to-file          a redirect to a local file
  /to-https-silent  a redirect to https on a port that accepts and never speaks
  /endless          a body without a length that never ends
"""

import os
import socket
import socketserver
import struct
import sys
import threading
import time

BODY = b"x" * 2000
SILENT_PORT = 0


def headers(status, length=None, extra=()):
    lines = [f"HTTP/1.1 {status}", "Content-Type: text/plain", "Connection: close"]
    if length is not None:
        lines.append(f"Content-Length: {length}")
    lines.extend(extra)
    return ("\r\n".join(lines) + "\r\n\r\n").encode()


def redirect(location):
    return headers("302 Found", 0, [f"Location: {location}"])


def wait_until_closed(sock):
    try:
        while sock.recv(4096):
            pass
    except OSError:
        pass


class Handler(socketserver.BaseRequestHandler):
    def handle(self):
        sock = self.request
        request = b""
        while b"\r\n\r\n" not in request:
            chunk = sock.recv(4096)
            if not chunk:
                return
            request += chunk
        path = request.split(b" ")[1].decode()
        host = f"127.0.0.1:{self.server.server_address[1]}"
        try:
            self.answer(sock, path, host)
        except OSError:
            pass  # the client gave up

    def answer(self, sock, path, host):
        if path == "/update.txt":
            sock.sendall(headers("200 OK", len(BODY)) + BODY)
        elif path == "/not-found":
            page = b"<html>Not Found</html>"
            sock.sendall(headers("404 Not Found", len(page)) + page)
        elif path == "/dribble":
            sock.sendall(headers("200 OK", len(BODY)))
            for byte in BODY:
                sock.sendall(bytes([byte]))
                time.sleep(1)
        elif path == "/silence":
            sock.sendall(headers("200 OK", len(BODY)))
            wait_until_closed(sock)
        elif path == "/unanswered":
            wait_until_closed(sock)
        elif path == "/short":
            sock.sendall(headers("200 OK", len(BODY) + 100) + BODY)
        elif path == "/short-404":
            sock.sendall(headers("404 Not Found", len(BODY) + 100) + BODY)
        elif path == "/reset":
            sock.sendall(headers("200 OK", len(BODY)) + BODY[: len(BODY) // 2])
            time.sleep(0.2)
            # No lingering: closing now sends a reset instead of an orderly end.
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            sock.close()
        elif path == "/moved":
            sock.sendall(redirect(f"http://{host}/update.txt"))
        elif path == "/loop":
            sock.sendall(redirect(f"http://{host}/loop"))
        elif path.startswith("/chain/"):
            sock.sendall(redirect(f"http://{host}/chain/{int(path[7:]) + 1}"))
        elif path == "/to-unanswered":
            sock.sendall(redirect(f"http://{host}/unanswered"))
        elif path == "/to-ftp":
            sock.sendall(redirect(f"ftp://{host}/update.txt"))
        elif path == "/to-file":
            sock.sendall(redirect("file:///etc/passwd"))
        elif path == "/to-https-silent":
            sock.sendall(redirect(f"https://127.0.0.1:{SILENT_PORT}/update.txt"))
        elif path == "/endless":
            sock.sendall(headers("200 OK"))
            block = b"y" * 65536
            while True:
                sock.sendall(block)
        else:
            sock.sendall(headers("404 Not Found", 0))


class SilentHandler(socketserver.BaseRequestHandler):
    def handle(self):
        wait_until_closed(self.request)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def serve(handler):
    server = Server(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def main():
    global BODY, SILENT_PORT
    if len(sys.argv) > 1:
        with open(sys.argv[1], "rb") as body:
            BODY = body.read()
    SILENT_PORT = serve(SilentHandler)
    print(serve(Handler), flush=True)
    sys.stdin.read()
    os._exit(0)


if __name__ == "__main__":
    main()
