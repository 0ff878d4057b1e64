"""aiosmtpd handler for the tests: keeps every accepted mail as it came over the wire, together
with a view decoded by Python's own mail parser, and rejects the recipients named on its
command line.

    python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtp_recorder.Recorder DIR [REJECTED...]

DIR must not exist; mail number N (from 1) lands in DIR/NNNN/ with the files
raw, envelope-from, envelope-to, tls, headers, charset, body and defects.
"""
import email
import email.policy
import pathlib


class Recorder:
    def __init__(self, folder, rejected):
        self.folder = pathlib.Path(folder)
        self.folder.mkdir()
        self.rejected = {address.lower() for address in rejected}
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        if not args:
            parser.error("Recorder needs the mail folder")
        return cls(args[0], args[1:])

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
