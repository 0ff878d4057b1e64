#pragma once
// A real SMTP server for tests: aiosmtpd on 127.0.0.1 and a free port, run by /usr/bin/python3
// with the recording handler in tests/support/smtp_recorder.py. Every accepted mail is kept
// as it came over the wire and as Python's mail parser decodes it. The server is stopped and
// its folder removed when the object ends.
#include <optional>
#include <string>
#include <vector>

#include "tests/support/background_process.h"

namespace vxtest {

struct SmtpServerOptions {
  // RCPT TO for these addresses (compared without regard to case) is answered with 550.
  std::vector<std::string> rejectedRecipients;
  // Offers STARTTLS with a self-signed certificate for 127.0.0.1 and requires it before
  // MAIL FROM, so a mail arrives only through TLS. CertificateFile() names the certificate.
  bool startTls = false;
  // When set, AUTH PLAIN takes this user and password (offered only after STARTTLS, so set
  // startTls too) and MAIL FROM is refused with 530 until the session has logged in.
  std::string login = {};
  std::string password = {};
};

// One accepted mail.
struct ReceivedMail {
  std::string raw;                      // the bytes after DATA, dot-unstuffed, line ends as sent
  std::string envelopeFrom;             // MAIL FROM
  std::vector<std::string> envelopeTo;  // accepted RCPT TO, in order
  bool tls = false;                     // the mail came over STARTTLS
  std::string login;                    // the user the session logged in as, or empty
  std::vector<std::pair<std::string, std::string>> headers;  // decoded (UTF-8), in order
  std::string charset;                  // of the text body, lower case
  std::string body;                     // the text body decoded to UTF-8, line ends "\n"
  std::string defects;                  // what the parser found wrong, one per line; empty if none

  // The decoded value of the first header with this name (any case), or nothing.
  std::optional<std::string> Header(const std::string& name) const;
  // How many headers carry this name (any case).
  int HeaderCount(const std::string& name) const;
};

class SmtpServer {
 public:
  SmtpServer();
  explicit SmtpServer(SmtpServerOptions options);
  ~SmtpServer();
  SmtpServer(const SmtpServer&) = delete;
  SmtpServer& operator=(const SmtpServer&) = delete;

  int Port() const { return port_; }
  // "127.0.0.1:PORT", the form the mailer's -server option takes.
  std::string Host() const;
  // The raw messages received so far, in order of arrival.
  std::vector<std::string> Messages() const;
  // The received mails with their decoded view, in order of arrival.
  std::vector<ReceivedMail> Mails() const;
  // The server's certificate (PEM) when it offers STARTTLS, else empty.
  const std::string& CertificateFile() const { return certificate_; }
  // Stops the server; the port then refuses connections. Received mails stay readable.
  void Stop();

 private:
  void Start(const SmtpServerOptions& options);
  std::vector<std::string> MailFolders() const;

  std::string root_;  // the server's own temporary folder
  std::string mailDir_;
  std::string certificate_;
  int port_ = 0;
  std::optional<BackgroundProcess> process_;
};

}  // namespace vxtest
