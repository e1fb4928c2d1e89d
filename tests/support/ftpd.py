#!/usr/bin/python3
"""Loopback FTP server for the tests: serves ROOT on 127.0.0.1 at a free port and prints
"PORT <n>" once it listens. Users: user/pass (every right), ro/ro (read only).

usage: ftpd.py ROOT
"""
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root = sys.argv[1]
logging.basicConfig(level=logging.WARNING)

authorizer = DummyAuthorizer()
authorizer.add_user("user", "pass", root, perm="elradfmwMT")
authorizer.add_user("ro", "ro", root, perm="elr")


class Handler(FTPHandler):
    pass


Handler.authorizer = authorizer
Handler.banner = "tessilo test server ready"
Handler.auth_failed_timeout = 0

server = FTPServer(("127.0.0.1", 0), Handler)
print("PORT %d" % server.socket.getsockname()[1], flush=True)
server.serve_forever()
