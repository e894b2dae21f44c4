#!/usr/bin/env python3
"""A time-stamp authority for the packaging test, on 127.0.0.1 only:

    tsa_server.py PKI_DIR PORT_FILE

answers RFC 3161 requests (POST, application/timestamp-query) with replies
that `openssl ts -reply` signs with PKI_DIR/tsa.pem and tsa.key, issued by
PKI_DIR/ca.pem. Writes the port it listens on into PORT_FILE once it is ready,
and serves until it is stopped.
"""

import http.server
import os
import subprocess
import sys
import tempfile

CONFIG = """\
[ tsa ]
default_tsa = tsa_config
[ tsa_config ]
serial = {pki}/tsa.serial
signer_cert = {pki}/tsa.pem
certs = {pki}/ca.pem
signer_key = {pki}/tsa.key
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_chain = no
"""


class Handler(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        query = self.rfile.read(min(length, 1 << 16))
        with tempfile.TemporaryDirectory() as work:
            query_file = os.path.join(work, "query")
            reply_file = os.path.join(work, "reply")
            with open(query_file, "wb") as out:
                out.write(query)
            done = subprocess.run(["openssl", "ts", "-reply", "-config", self.server.config,
                                   "-queryfile", query_file, "-out", reply_file],
                                  capture_output=True)
            if done.returncode != 0:
                self.send_error(500, "openssl ts -reply failed")
                return
            with open(reply_file, "rb") as reply:
                body = reply.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    pki, port_file = os.path.abspath(argv[1]), argv[2]
    config = os.path.join(pki, "tsa.cnf")
    with open(config, "w") as out:
        out.write(CONFIG.format(pki=pki))
    with open(os.path.join(pki, "tsa.serial"), "w") as out:
        out.write("01\n")
    server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
    server.config = config
    with open(port_file + ".new", "w") as out:
        out.write(f"{server.server_address[1]}\n")
    os.replace(port_file + ".new", port_file)
    server.serve_forever()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
