#!/usr/bin/python3
"""Loopback HTTP server for the tests: serves files of ROOT on 127.0.0.1 at a free port and
prints "PORT <n>" once it listens.

  GET  /redirect        302 to /index.html        GET /denied   401
  GET  /echo?QUERY      the request line and headers as text
  POST /echo            the same, then the body

usage: httpd.py ROOT
"""
import sys
from functools import partial
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer


class Handler(SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def answer(self, code, body, headers=()):
        self.send_response(code)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def echo(self, body=b""):
        lines = ["%s %s" % (self.command, self.path)]
        lines += ["%s: %s" % (name.lower(), value) for name, value in self.headers.items()]
        self.answer(200, ("\n".join(lines) + "\n\n").encode() + body)

    def do_GET(self):
        path = self.path.split("?")[0]
        if path == "/redirect":
            self.answer(302, b"", [("Location", "/index.html")])
        elif path == "/denied":
            self.answer(401, b"denied\n")
        elif path == "/echo":
            self.echo()
        else:
            super().do_GET()

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        self.echo(self.rfile.read(length))


server = ThreadingHTTPServer(("127.0.0.1", 0), partial(Handler, directory=sys.argv[1]))
print("PORT %d" % server.server_address[1], flush=True)
server.serve_forever()
