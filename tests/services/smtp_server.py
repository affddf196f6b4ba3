#!/usr/bin/env python3
"""A real SMTP server (aiosmtpd) on 127.0.0.1 for the tests.

It demands AUTH LOGIN before any mail, stores each message it accepts in the mailbox folder
as <n>.eml (the raw DATA, dot-stuffing undone) with <n>.envelope beside it (login, sender and
recipients, one per line), and prints "PORT <n>" once it listens. It ends when its standard
input closes, so it never outlives the test that started it.

Every command it reads goes to <mailbox>/commands as "<verb> tls|plain", and a line it does
not understand (such as a message body sent after a refused DATA) as "stray plain" or
"stray tls".
"""
import argparse
import asyncio
import logging
import os
import ssl
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


class LoopbackSMTP(SMTP):
    # The client sends attachments in base64 lines of 8000 characters.
    line_length_limit = 16384

    def __init__(self, handler, options, **kwargs):
        super().__init__(handler, **kwargs)
        self.options = options
        for verb, method in list(self._smtp_methods.items()):
            self._smtp_methods[verb] = self._recorded(verb, method)

    def _security(self):
        return "tls" if self._tls_protocol else "plain"

    def _record(self, line):
        with open(os.path.join(self.options.mailbox, "commands"), "a") as out:
            out.write(line + "\n")

    def _recorded(self, verb, method):
        async def wrapper(arg):
            self._record("%s %s" % (verb, self._security()))
            refused = self.options.refuse_command
            if refused == verb and verb in ("MAIL", "RCPT", "DATA"):
                await self.push("554 5.7.1 %s refused on purpose" % verb)
                return
            await method(arg)
        return wrapper

    async def push(self, status):
        if isinstance(status, str) and status.startswith("500 Error: command"):
            self._record("stray " + self._security())
        if not self.options.split:
            return await super().push(status)
        # Each reply line in two packets, the second a little later, as a slow link delivers it.
        data = (status if isinstance(status, bytes) else status.encode("utf-8")) + b"\r\n"
        half = max(1, len(data) // 2)
        self._writer.write(data[:half])
        await self._writer.drain()
        await asyncio.sleep(0.02)
        self._writer.write(data[half:])
        await self._writer.drain()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mailbox", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--refuse", choices=["535", "550"], help="answer every login with this code")
    parser.add_argument("--refuse-command", choices=["MAIL", "RCPT", "DATA"], help="answer this command with 554")
    parser.add_argument("--split", action="store_true", help="send every reply line in two packets")
    parser.add_argument("--starttls", nargs=2, metavar=("CERT", "KEY"), help="offer STARTTLS with this pair")
    parser.add_argument("--auth-needs-tls", action="store_true", help="offer AUTH only after STARTTLS")
    args = parser.parse_args()
    logging.basicConfig(level=logging.ERROR)

    def authenticator(server, session, envelope, mechanism, auth_data):
        if args.refuse == "550":
            return AuthResult(success=False, handled=False, message="550 5.7.1 Account disabled")
        if args.refuse != "535" and auth_data.login == args.user.encode() \
                and auth_data.password == args.password.encode():
            return AuthResult(success=True, auth_data=auth_data)
        return AuthResult(success=False, handled=False)

    tls_context = None
    if args.starttls:
        tls_context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        tls_context.load_cert_chain(*args.starttls)
    handler = Mailbox(args.mailbox)
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    server = loop.run_until_complete(loop.create_server(
        lambda: LoopbackSMTP(handler, args, hostname="loopback", authenticator=authenticator, auth_required=True,
                             auth_require_tls=args.auth_needs_tls, tls_context=tls_context, loop=loop),
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
