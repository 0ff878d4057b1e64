#include "tests/support/smtp_server.h"

#include <stdlib.h>
#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/free_port.h"

namespace fs = std::filesystem;

namespace vxtest {
namespace {

constexpr int kStartAttempts = 5;
constexpr auto kStartTimeout = std::chrono::seconds(10);

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A self-signed certificate for 127.0.0.1, made fresh for the server.
void MakeCertificate(const std::string& certificate, const std::string& key, const std::string& log) {
  BackgroundProcess openssl({"/usr/bin/openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                             "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
                             "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", certificate},
                            log);
  if (openssl.Wait() != 0) throw std::runtime_error("openssl could not make a certificate: " + ReadFile(log));
}

}  // namespace

std::optional<std::string> ReceivedMail::Header(const std::string& name) const {
  for (const auto& [key, value] : headers) {
    if (::strcasecmp(key.c_str(), name.c_str()) == 0) return value;
  }
  return std::nullopt;
}

int ReceivedMail::HeaderCount(const std::string& name) const {
  return static_cast<int>(std::count_if(headers.begin(), headers.end(), [&](const auto& header) {
    return ::strcasecmp(header.first.c_str(), name.c_str()) == 0;
  }));
}

SmtpServer::SmtpServer() : SmtpServer(SmtpServerOptions{}) {}

SmtpServer::SmtpServer(SmtpServerOptions options) {
  std::string pattern = (fs::temp_directory_path() / "vxsmtp-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern + "/";
  try {
    Start(options);
  } catch (...) {
    std::error_code ec;
    fs::remove_all(root_, ec);
    throw;
  }
}

SmtpServer::~SmtpServer() {
  Stop();
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void SmtpServer::Start(const SmtpServerOptions& options) {
  const std::string log = root_ + "server.log";
  std::vector<std::string> tlsArgs;
  if (options.startTls) {
    certificate_ = root_ + "cert.pem";
    MakeCertificate(certificate_, root_ + "key.pem", log);
    tlsArgs = {"--tlscert", certificate_, "--tlskey", root_ + "key.pem"};
  }
  const std::map<std::string, std::string> env = {{"PYTHONPATH", VX_SOURCE_DIR "/tests/support"},
                                                  {"PYTHONDONTWRITEBYTECODE", "1"}};
  // The port may be taken between choosing and binding it; then the server ends and we retry.
  for (int attempt = 1; attempt <= kStartAttempts; ++attempt) {
    port_ = FreePort();
    mailDir_ = root_ + "mail" + std::to_string(attempt);
    std::vector<std::string> argv = {"/usr/bin/python3", "-m", "aiosmtpd", "-n", "-l",
                                     "127.0.0.1:" + std::to_string(port_)};
    argv.insert(argv.end(), tlsArgs.begin(), tlsArgs.end());
    argv.insert(argv.end(), {"-c", "smtp_recorder.Recorder", mailDir_});
    argv.insert(argv.end(), options.rejectedRecipients.begin(), options.rejectedRecipients.end());
    if (!options.login.empty()) argv.push_back("login=" + options.login + ":" + options.password);
    process_.emplace(argv, log, env);
    if (process_->WaitUntilListening(port_, kStartTimeout)) return;
    process_.reset();
  }
  throw std::runtime_error("the SMTP test server did not start: " + ReadFile(log));
}

std::string SmtpServer::Host() const { return "127.0.0.1:" + std::to_string(port_); }

void SmtpServer::Stop() {
  if (process_) process_->Stop();
}

std::vector<std::string> SmtpServer::MailFolders() const {
  std::vector<std::string> folders;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(mailDir_, ec)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() && name.find('.') == std::string::npos) folders.push_back(entry.path().string());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

std::vector<std::string> SmtpServer::Messages() const {
  std::vector<std::string> messages;
  for (const auto& folder : MailFolders()) messages.push_back(ReadFile(folder + "/raw"));
  return messages;
}

std::vector<ReceivedMail> SmtpServer::Mails() const {
  std::vector<ReceivedMail> mails;
  for (const auto& folder : MailFolders()) {
    ReceivedMail mail;
    mail.raw = ReadFile(folder + "/raw");
    mail.envelopeFrom = ReadFile(folder + "/envelope-from");
    mail.envelopeTo = Lines(ReadFile(folder + "/envelope-to"));
    mail.tls = ReadFile(folder + "/tls") == "yes";
    mail.login = ReadFile(folder + "/login");
    for (const auto& line : Lines(ReadFile(folder + "/headers"))) {
      const auto colon = line.find(": ");
      if (colon != std::string::npos) mail.headers.emplace_back(line.substr(0, colon), line.substr(colon + 2));
    }
    mail.charset = ReadFile(folder + "/charset");
    mail.body = ReadFile(folder + "/body");
    mail.defects = ReadFile(folder + "/defects");
    mails.push_back(std::move(mail));
  }
  return mails;
}

}  // namespace vxtest
