#!/usr/bin/env python3
"""A real SMTP server (aiosmtpd) on 127.0.0.1 for the tests.

It demands AUTH LOGIN before any mail, stores each message it accepts in the mailbox folder
as <n>.eml (the raw DATA, dot-stuffing undone) with <n>.envelope beside it (login, sender and
recipients, one per line), and prints "PORT <n>" once it listens. It ends when its standard
input closes, so it never outlives the test that started it.
"""
import argparse
import asyncio
import logging
import os
import sys

from aiosmtpd.smtp import SMTP, AuthResult


class Mailbox:
    def __init__(self, directory):
        self.directory = directory
        self.count = 0

    def _write(self, name, data):
        path = os.path.join(self.directory, name)
        with open(path + ".tmp", "wb") as out:
            out.write(data)
        os.replace(path + ".tmp", path)

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        login = session.login_data.decode("utf-8", "replace") if session.login_data else ""
        lines = [login, envelope.mail_from] + list(envelope.rcpt_tos)
        self._write("%d.envelope" % self.count, ("\n".join(lines) + "\n").encode("utf-8"))
        self._write("%d.eml" % self.count, envelope.original_content)
        return "250 OK: queued as %d" % self.count


class LongLineSMTP(SMTP):
    # The client sends attachments in base64 lines of 8000 characters.
    line_length_limit = 16384


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mailbox", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--refuse", choices=["535", "550"], help="answer every login with this code")
    args = parser.parse_args()
    logging.basicConfig(level=logging.ERROR)

    def authenticator(server, session, envelope, mechanism, auth_data):
        if args.refuse == "550":
            return AuthResult(success=False, handled=False, message="550 5.7.1 Account disabled")
        if args.refuse != "535" and auth_data.login == args.user.encode() \
                and auth_data.password == args.password.encode():
            return AuthResult(success=True, auth_data=auth_data)
        return AuthResult(success=False, handled=False)

    handler = Mailbox(args.mailbox)
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(loop.create_server(
        lambda: LongLineSMTP(handler, hostname="loopback", authenticator=authenticator, auth_required=True,
                             auth_require_tls=False, loop=loop),
        host="127.0.0.1", port=0))
    print("PORT %d" % server.sockets[0].getsockname()[1], flush=True)

    def stdin_readable():
        if not os.read(sys.stdin.fileno(), 4096):
            loop.stop()

    loop.add_reader(sys.stdin.fileno(), stdin_readable)
    loop.run_forever()
    server.close()


if __name__ == "__main__":
    main()
