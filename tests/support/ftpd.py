#!/usr/bin/python3
"""Loopback FTP server for the tests: serves ROOT on 127.0.0.1 at a free port and prints
"PORT <n>" once it listens. Users: user/pass (every right), ro/ro (read only), home/home (every
right, logged into the folder "/users/home" as real servers log users into their home folders),
dos/dos (every right, listings in the MS-DOS form of Windows servers), slow/slow (every right,
uploads received at 2 MiB/s at most, so that a test can act while one is under way).

usage: ftpd.py ROOT
"""
import logging
import os
import stat
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

root = sys.argv[1]
logging.basicConfig(level=logging.WARNING)

authorizer = DummyAuthorizer()
authorizer.add_user("user", "pass", root, perm="elradfmwMT")
authorizer.add_user("ro", "ro", root, perm="elr")
authorizer.add_user("home", "home", root, perm="elradfmwMT")
authorizer.add_user("dos", "dos", root, perm="elradfmwMT")
authorizer.add_user("slow", "slow", root, perm="elradfmwMT")
HOME_FOLDER = "/users/home"


class DosFS(AbstractedFS):
    """LIST answers as Windows servers give them: "12-05-20  04:22PM  <DIR>  name"."""

    def format_list(self, basedir, listing, ignore_err=True):
        for name in listing:
            st = os.stat(os.path.join(basedir, name))
            when = time.strftime("%m-%d-%y  %I:%M%p", time.gmtime(st.st_mtime))
            size = "<DIR>         " if stat.S_ISDIR(st.st_mode) else "%14d" % st.st_size
            yield ("%s %s %s\r\n" % (when, size, name)).encode("utf8")


class SlowUploads(ThrottledDTPHandler):
    read_limit = 2 << 20


class Handler(FTPHandler):
    def on_login(self, username):
        if username == "home":
            # Made on first use, so that the other users' listings stay as the tests made them.
            os.makedirs(os.path.join(root, HOME_FOLDER.lstrip("/")), exist_ok=True)
            self.fs.cwd = HOME_FOLDER
        if username == "dos":
            self.fs.__class__ = DosFS
        if username == "slow":
            self.dtp_handler = SlowUploads


Handler.authorizer = authorizer
Handler.banner = "tessilo test server ready"
Handler.auth_failed_timeout = 0

server = FTPServer(("127.0.0.1", 0), Handler)
print("PORT %d" % server.socket.getsockname()[1], flush=True)
server.serve_forever()
