#!/usr/bin/env python3
"""An HTTP server on 127.0.0.1 for the tests, steered over HTTP.

  /verinfo.php          answers the configured body, or 500 while failures are due
  /files/<name>         a file of the root folder, with HEAD and byte ranges (206)
  /_control?k=v&...     body=<text>  fail=<n> (the next n version queries fail; -1 always)
                        status=<code>      the version answer's status (302 adds a Location)
                        repeat=<n>         the version answer is the body n times over
                        reverse=<seconds>  delays each range answer more the earlier its start,
                                           so that later parts arrive first
                        throttle=<seconds> pause between 64 KiB blocks of a file
                        fail_range=<start> a range request starting there fails
                        ignore_ranges=1    answer range requests with the whole file (200)
                        reset=1            back to the start: body 1.0.0.0, no faults, no requests
  /_requests            one line per request so far: method, path with query, Range header

It prints "PORT <n>" once it listens and ends when its standard input closes.
"""
import argparse
import os
import re
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

LOCK = threading.Lock()
STATE = {"body": "1.0.0.0", "status": 200, "repeat": 1, "fail": 0, "reverse": 0.0, "throttle": 0.0, "fail_range": None, "ignore_ranges": False}
REQUESTS = []
RANGE = re.compile(r"^\s*bytes\s*=\s*(\d+)-(\d*)\s*$", re.IGNORECASE)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    root = "."

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.serve(head=False)

    def do_HEAD(self):
        self.serve(head=True)

    def reply(self, status, body=b"", headers=None, head=False):
        self.send_response(status)
        for key, value in (headers or {}).items():
            self.send_header(key, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if not head:
            self.wfile.write(body)

    def serve(self, head):
        url = urllib.parse.urlparse(self.path)
        if url.path == "/_control":
            with LOCK:
                for key, value in urllib.parse.parse_qsl(url.query, keep_blank_values=True):
                    if key == "reset":
                        STATE.update(body="1.0.0.0", status=200, repeat=1, fail=0, reverse=0.0, throttle=0.0, fail_range=None,
                                     ignore_ranges=False)
                        del REQUESTS[:]
                    elif key == "body":
                        STATE["body"] = value
                    elif key in ("status", "repeat"):
                        STATE[key] = int(value)
                    elif key == "fail":
                        STATE["fail"] = int(value)
                    elif key in ("reverse", "throttle"):
                        STATE[key] = float(value)
                    elif key == "fail_range":
                        STATE["fail_range"] = int(value) if value else None
                    elif key == "ignore_ranges":
                        STATE["ignore_ranges"] = value == "1"
            return self.reply(200, b"ok")
        if url.path == "/_requests":
            with LOCK:
                text = "".join("%s %s %s\n" % entry for entry in REQUESTS)
            return self.reply(200, text.encode("utf-8"))

        with LOCK:
            REQUESTS.append((self.command, self.path, self.headers.get("Range", "-")))
        if url.path == "/verinfo.php":
            with LOCK:
                failing = STATE["fail"] != 0
                if STATE["fail"] > 0:
                    STATE["fail"] -= 1
                body = STATE["body"].encode("utf-8") * STATE["repeat"]
                status = STATE["status"]
            if failing:
                return self.reply(500, b"failing on purpose", head=head)
            headers = {"Content-Type": "text/plain; charset=utf-8"}
            if status in (301, 302, 303, 307, 308):
                headers["Location"] = "/portal/login"
            return self.reply(status, body, headers, head)
        if url.path.startswith("/files/"):
            return self.serve_file(os.path.basename(url.path), head)
        return self.reply(404, b"not found", head=head)

    def serve_file(self, name, head):
        path = os.path.join(self.root, name)
        if not name or not os.path.isfile(path):
            return self.reply(404, b"not found", head=head)
        with open(path, "rb") as f:
            data = f.read()
        size = len(data)
        wanted = self.headers.get("Range")
        with LOCK:
            if STATE["ignore_ranges"]:
                wanted = None
        status, start, end, headers = 200, 0, size - 1, {}
        if wanted:
            match = RANGE.match(wanted)
            if not match or int(match.group(1)) >= size:
                return self.reply(416, b"", {"Content-Range": "bytes */%d" % size}, head)
            start = int(match.group(1))
            end = min(int(match.group(2)) if match.group(2) else size - 1, size - 1)
            status = 206
            headers["Content-Range"] = "bytes %d-%d/%d" % (start, end, size)
            with LOCK:
                fail_range, reverse = STATE["fail_range"], STATE["reverse"]
            if fail_range is not None and start == fail_range:
                return self.reply(500, b"failing on purpose", head=head)
            time.sleep(reverse * (size - start) / size)
        body = data[start:end + 1]
        self.send_response(status)
        for key, value in headers.items():
            self.send_header(key, value)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if head:
            return
        with LOCK:
            throttle = STATE["throttle"]
        try:
            for at in range(0, len(body), 65536):
                self.wfile.write(body[at:at + 65536])
                self.wfile.flush()
                if throttle:
                    time.sleep(throttle)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped the download


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=".")
    args = parser.parse_args()
    Handler.root = args.root
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print("PORT %d" % server.server_address[1], flush=True)
    while os.read(sys.stdin.fileno(), 4096):
        pass
    server.shutdown()


if __name__ == "__main__":
    main()
