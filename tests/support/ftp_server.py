"""A pyftpdlib server on 127.0.0.1 for zariz's end-to-end tests and benchmark.

It binds a free port itself and prints that port on a line of its own only once
it is listening, so whoever starts it reads one line and then connects: no
waiting for time to pass, no port picked beforehand that someone else could
take. It can cut downloads off half-way, to show what the client does with a
transfer that never completes; refuse to rename onto an existing file, as
some Windows servers do; and speak FTP over TLS with a self-signed
certificate that it writes for the client to trust.

Run it with Debian's /usr/bin/python3, where python3-pyftpdlib lives.
"""

import argparse
import errno
import io
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class CutOffFile(io.RawIOBase):
    """A file that delivers its first half and then fails, as a disk or a
    connection does when it breaks in the middle of a transfer (the server
    aborts the data connection and says 426); or, `quietly`, a file that
    ends there, so that the server calls the short transfer complete."""

    def __init__(self, real, quietly):
        super().__init__()
        self._real = real
        self._left = os.fstat(real.fileno()).st_size // 2
        self._quietly = quietly
        self.name = real.name

    def readable(self):
        return True

    def read(self, size=-1):
        if self._left <= 0:
            if self._quietly:
                return b""
            raise RuntimeError("transfer cut off on purpose")
        size = self._left if size is None or size < 0 else min(size, self._left)
        data = self._real.read(size)
        self._left -= len(data)
        return data

    def close(self):
        self._real.close()
        super().close()


def make_filesystem(args):
    cut_already = set()

    class MisbehavingFS(AbstractedFS):
        def open(self, filename, mode):
            real = super().open(filename, mode)
            name = os.path.basename(filename)
            if "r" not in mode:
                return real
            if name in args.truncate:
                return CutOffFile(real, quietly=True)
            if name in args.cut or (name in args.cut_once and name not in cut_already):
                cut_already.add(name)
                return CutOffFile(real, quietly=False)
            return real

        def rename(self, src, dst):
            if args.no_rename_over and os.path.exists(dst):
                raise OSError(errno.EEXIST, "Cannot create a file when that file already exists")
            return super().rename(src, dst)

    return MisbehavingFS


def write_self_signed_certificate(path):
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.set_version(2)
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(1)
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1"),
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
    ])
    cert.sign(key, "sha256")
    with open(path, "wb") as out:
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True, help="the folder the user logs in to")
    parser.add_argument("--user", default="qa417205")
    parser.add_argument("--password", default="Pol1984")
    parser.add_argument("--perm", default="elradfmwMT",
                        help="the account's rights, as pyftpdlib writes them (e: enter a folder, l: list it)")
    parser.add_argument("--cut", action="append", default=[], metavar="NAME",
                        help="every download of NAME breaks off half-way")
    parser.add_argument("--cut-once", action="append", default=[], metavar="NAME",
                        help="the first download of NAME breaks off half-way")
    parser.add_argument("--truncate", action="append", default=[], metavar="NAME",
                        help="every download of NAME ends half-way as if complete")
    parser.add_argument("--no-rename-over", action="store_true",
                        help="refuse RNTO onto a file that exists")
    parser.add_argument("--tls-certificate", metavar="FILE",
                        help="require FTP over TLS; write the certificate to trust to FILE")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm=args.perm)

    if args.tls_certificate:
        from pyftpdlib.handlers import TLS_FTPHandler

        write_self_signed_certificate(args.tls_certificate)

        class Handler(TLS_FTPHandler):
            pass

        Handler.certfile = args.tls_certificate
        Handler.tls_control_required = True
        Handler.tls_data_required = True
    else:
        class Handler(FTPHandler):
            pass

    Handler.authorizer = authorizer
    Handler.banner = "zariz test server"
    Handler.auth_failed_timeout = 0
    if args.cut or args.cut_once or args.truncate or args.no_rename_over:
        Handler.abstracted_fs = make_filesystem(args)
        Handler.use_sendfile = False

    server = FTPServer(("127.0.0.1", 0), Handler)
    server.max_cons = 64
    print(server.address[1], flush=True)
    try:
        server.serve_forever(handle_exit=True)
    finally:
        server.close_all()


if __name__ == "__main__":
    sys.exit(main())
