#!/usr/bin/env python3
"""A statistics test server on 127.0.0.1 speaking HTTPS with a self-signed certificate made for the run.

    stats_server.py --dir WORKDIR -- COMMAND [ARGS...]

Starts the server, runs the command with these variables in its environment, stops the server and exits with
the command's exit code:

    VELNIX_TEST_STATS_URL       https://127.0.0.1:<port>   (the server)
    VELNIX_TEST_STATS_DOWN_URL  https://127.0.0.1:<port>   (a port nobody listens on)
    VELNIX_TEST_STATS_SILENT_URL https://127.0.0.1:<port>  (a port whose full listen queue drops every new
                                                            connection attempt: connecting waits until the
                                                            client's connection time-out)
    VELNIX_TEST_STATS_LOG       the request log as a Windows path (Z:\\...), one JSON object a line

Every request is logged with its method, path, headers, body and, for the report paths, whether the hash in the
body is the SHA-1 of its fields as the report defines it. Answers: the report paths get a JSON object; a path
starting with /html502/ gets an HTML page with status 502; anything else 404 with JSON.
"""

import argparse
import hashlib
import http.server
import json
import os
import shutil
import socket
import ssl
import subprocess
import sys
import threading

REPORT_PATHS = ("/stat/install/", "/stat/updateinstall/", "/stat/uninstall/")


def make_certificate(folder):
    if shutil.which("openssl") is None:
        sys.exit("stats_server.py: the openssl command is needed to make the test certificate")
    cert = os.path.join(folder, "stats-cert.pem")
    key = os.path.join(folder, "stats-key.pem")
    subprocess.run(
        ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert, "-days", "2",
         "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"],
        check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def hash_ok(body):
    try:
        report = json.loads(body)
        text = "%s%s%s%s%d%s" % (report["lang"], report["fl"], report["uuid"], report["version"], report["ts"],
                                 "Velnix")
        return hashlib.sha1(text.encode("utf-8")).hexdigest() == report["hash"]
    except (ValueError, KeyError, TypeError):
        return False


def make_handler(log_path, lock):
    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, format, *args):
            pass

        def do_POST(self):
            length = int(self.headers.get("Content-Length", "0"))
            body = self.rfile.read(length)
            entry = {
                "method": "POST",
                "path": self.path,
                "headers": {name: value for name, value in self.headers.items()},
                "body": body.decode("utf-8", "replace"),
                "body_hex": body.hex(),
            }
            if self.path in REPORT_PATHS:
                entry["hash_ok"] = hash_ok(body)
            with lock, open(log_path, "a", encoding="utf-8") as log:
                log.write(json.dumps(entry, ensure_ascii=True) + "\n")
            if self.path.startswith("/html502/"):
                self.answer(502, "text/html", b"<html><body><h1>502 Bad Gateway</h1></body></html>")
            elif self.path in REPORT_PATHS:
                self.answer(200, "application/json", b'{"code":0,"msg":"ok"}')
            else:
                self.answer(404, "application/json", b'{"code":404}')

        def answer(self, status, content_type, payload):
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(payload)))
            self.end_headers()
            self.wfile.write(payload)

    return Handler


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def silent_listener():
    """A listening socket whose accept queue is full and never served: the kernel drops further SYNs, so a
    client's connect neither succeeds nor fails until its own time-out."""
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(0)
    fillers = []
    for _ in range(4):
        filler = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        filler.setblocking(False)
        try:
            filler.connect(listener.getsockname())
        except BlockingIOError:
            pass
        fillers.append(filler)
    return listener, fillers


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir", required=True)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no command given")

    os.makedirs(args.dir, exist_ok=True)
    log_path = os.path.join(args.dir, "stats-requests.jsonl")
    open(log_path, "w").close()
    cert, key = make_certificate(args.dir)

    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), make_handler(log_path, threading.Lock()))
    server.daemon_threads = True
    server.socket = context.wrap_socket(server.socket, server_side=True)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()

    environment = dict(os.environ)
    environment["VELNIX_TEST_STATS_URL"] = "https://127.0.0.1:%d" % server.server_address[1]
    environment["VELNIX_TEST_STATS_DOWN_URL"] = "https://127.0.0.1:%d" % free_port()
    environment["VELNIX_TEST_STATS_LOG"] = windows_path(log_path)
    silent, fillers = silent_listener()
    environment["VELNIX_TEST_STATS_SILENT_URL"] = "https://127.0.0.1:%d" % silent.getsockname()[1]
    try:
        return subprocess.call(command, env=environment)
    finally:
        server.shutdown()
        server.server_close()
        for filler in fillers:
            filler.close()
        silent.close()


if __name__ == "__main__":
    sys.exit(main())
