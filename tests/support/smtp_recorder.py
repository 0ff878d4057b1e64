"""aiosmtpd handler for the tests: keeps every accepted mail as it came over the wire, together
with a view decoded by Python's own mail parser, and rejects the recipients named on its
command line.

    python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtp_recorder.Recorder DIR [REJECTED...] [login=USER:PASSWORD]

With login=..., AUTH PLAIN accepts that user and password (aiosmtpd offers AUTH only after
STARTTLS) and MAIL FROM is refused until the session has logged in.
DIR must not exist; mail number N (from 1) lands in DIR/NNNN/ with the files
raw, envelope-from, envelope-to, tls, login, headers, charset, body and defects.
"""
import base64
import binascii
import email
import email.policy
import pathlib

from aiosmtpd.smtp import MISSING, AuthResult, LoginPassword


class Recorder:
    def __init__(self, folder, rejected, login):
        self.folder = pathlib.Path(folder)
        self.folder.mkdir()
        self.rejected = {address.lower() for address in rejected}
        self.login = login
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        if not args:
            parser.error("Recorder needs the mail folder")
        rejected = [a for a in args[1:] if not a.startswith("login=")]
        logins = [a[len("login="):].encode() for a in args[1:] if a.startswith("login=")]
        login = tuple(logins[-1].split(b":", 1)) if logins else None
        return cls(args[0], rejected, login)

    async def auth_PLAIN(self, server, args):
        if self.login is None:
            return AuthResult(success=False, handled=False)
        if len(args) == 1:
            data = await server.challenge_auth("")
            if data is MISSING:
                return AuthResult(success=False)
        else:
            try:
                data = base64.b64decode(args[1], validate=True)
            except binascii.Error:
                return AuthResult(success=False, handled=False)
        parts = data.split(b"\0")
        if len(parts) == 3 and (parts[1], parts[2]) == self.login:
            return AuthResult(success=True, auth_data=LoginPassword(parts[1], parts[2]))
        return AuthResult(success=False, handled=False)

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if self.login is not None and not session.authenticated:
            return "530 5.7.0 Authentication required"
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() in self.rejected:
            return f"550 5.1.1 <{address}>: Recipient address rejected"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        name = f"{self.count:04d}"
        work = self.folder / (name + ".part")
        work.mkdir()
        raw = envelope.original_content
        message = email.message_from_bytes(raw, policy=email.policy.default)
        defects = [str(d) for d in message.defects]
        headers = []
        for key, value in message.items():
            defects += [f"{key}: {d}" for d in getattr(value, "defects", ())]
            headers.append(f"{key}: {value}")
        try:
            body = message.get_content()
        except Exception as error:  # an undecodable body is a finding, not a server failure
            body = ""
            defects.append(f"body: {error}")
        files = {
            "raw": raw,
            "envelope-from": envelope.mail_from,
            "envelope-to": "\n".join(envelope.rcpt_tos),
            "tls": "yes" if session.ssl is not None else "no",
            "login": session.login_data.decode() if session.authenticated and session.login_data else "",
            "headers": "\n".join(headers),
            "charset": message.get_content_charset() or "",
            # The wire's CR LF line ends become "\n", as in any text Python reads.
            "body": body.replace("\r\n", "\n") if isinstance(body, str) else "",
            "defects": "\n".join(defects),
        }
        for file_name, content in files.items():
            data = content if isinstance(content, bytes) else content.encode("utf-8", "surrogateescape")
            (work / file_name).write_bytes(data)
        # The finished folder appears at once, so a reader never sees half a mail.
        work.rename(self.folder / name)
        return f"250 OK queued as {name}"
