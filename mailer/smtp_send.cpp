#include "mailer/smtp_send.h"

#include <curl/curl.h>
#include <strings.h>

#include <algorithm>
#include <memory>

#include "mailer/addresses.h"

namespace vx {
namespace {

constexpr long kConnectTimeoutSeconds = 30;

// What the SMTP dialogue has reached, as libcurl's trace shows it. The farewell after a
// failure (QUIT, 221) is left out, so the command and the reply that failed stay in view.
struct Dialogue {
  std::string lastCommand;  // without its line end
  std::string lastReply;    // the last reply line
  bool repliesSeen = false;
  bool usedTls = false;
  bool closing = false;
};

std::string WithoutLineEnd(const char* data, size_t size) {
  std::string text(data, size);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return ::strncasecmp(text.c_str(), prefix, std::char_traits<char>::length(prefix)) == 0;
}

int OnTrace(CURL*, curl_infotype type, char* data, size_t size, void* user) {
  auto& dialogue = *static_cast<Dialogue*>(user);
  if (dialogue.closing) return 0;
  if (type == CURLINFO_HEADER_OUT) {
    const std::string command = WithoutLineEnd(data, size);
    if (StartsWith(command, "QUIT")) dialogue.closing = true;
    else dialogue.lastCommand = command;
  } else if (type == CURLINFO_HEADER_IN) {
    dialogue.lastReply = WithoutLineEnd(data, size);
    dialogue.repliesSeen = true;
    if (StartsWith(dialogue.lastCommand, "STARTTLS") && StartsWith(dialogue.lastReply, "220")) {
      dialogue.usedTls = true;
    }
  }
  return 0;
}

struct Upload {
  const std::string& data;
  size_t offset = 0;
};

size_t OnRead(char* buffer, size_t size, size_t count, void* user) {
  auto& upload = *static_cast<Upload*>(user);
  const size_t n = std::min(size * count, upload.data.size() - upload.offset);
  upload.data.copy(buffer, n, upload.offset);
  upload.offset += n;
  return n;
}

// The address inside "RCPT TO:<address>" or "MAIL FROM:<address>".
std::string AddressInCommand(const std::string& command) {
  const size_t open = command.find('<');
  const size_t close = command.find('>', open);
  if (open == std::string::npos || close == std::string::npos) return command;
  return command.substr(open + 1, close - open - 1);
}

bool IsRefusal(const std::string& reply) { return !reply.empty() && (reply[0] == '4' || reply[0] == '5'); }

SendOutcome Classify(CURLcode result, const char* error, const Dialogue& dialogue, const MailerOptions& options) {
  SendOutcome outcome;
  outcome.usedTls = dialogue.usedTls;
  const std::string reason = *error ? error : curl_easy_strerror(result);
  if (result == CURLE_OK) {
    outcome.code = ExitCode::Sent;
    outcome.verdict = "accepted by the server: " + dialogue.lastReply;
  } else if (!dialogue.repliesSeen && (result == CURLE_COULDNT_CONNECT || result == CURLE_COULDNT_RESOLVE_HOST ||
                                       result == CURLE_OPERATION_TIMEDOUT)) {
    outcome.code = ExitCode::NoConnection;
    outcome.verdict = "error: cannot connect to " + ServerText(options) + ": " + reason;
  } else if (result == CURLE_LOGIN_DENIED) {
    outcome.code = ExitCode::LoginFailed;
    outcome.verdict = "error: the server refused the login for " + options.user + ": " + dialogue.lastReply;
  } else if (IsRefusal(dialogue.lastReply) && StartsWith(dialogue.lastCommand, "RCPT")) {
    outcome.code = ExitCode::RecipientRejected;
    outcome.verdict = "error: recipient " + AddressInCommand(dialogue.lastCommand) +
                      " rejected by the server, the mail was sent to nobody: " + dialogue.lastReply;
  } else if (IsRefusal(dialogue.lastReply) && StartsWith(dialogue.lastCommand, "MAIL")) {
    outcome.code = ExitCode::MailRejected;
    outcome.verdict = "error: sender " + AddressInCommand(dialogue.lastCommand) +
                      " rejected by the server: " + dialogue.lastReply;
  } else if (IsRefusal(dialogue.lastReply) && StartsWith(dialogue.lastCommand, "DATA")) {
    outcome.code = ExitCode::MailRejected;
    outcome.verdict = "error: message rejected by the server: " + dialogue.lastReply;
  } else {
    outcome.code = ExitCode::TransferFailed;
    outcome.verdict = "error: sending failed: " + reason;
    if (!dialogue.lastReply.empty()) outcome.verdict += " (last reply: " + dialogue.lastReply + ")";
  }
  return outcome;
}

struct CurlCleanup {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListCleanup {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

std::string ServerText(const MailerOptions& options) {
  const bool ipv6 = options.host.find(':') != std::string::npos;
  return (ipv6 ? "[" + options.host + "]" : options.host) + ":" + std::to_string(options.port);
}

SendOutcome SendMail(const MailerOptions& options, const std::string& message) {
  std::unique_ptr<CURL, CurlCleanup> curl(curl_easy_init());
  if (!curl) return {ExitCode::TransferFailed, "error: the SMTP library could not be set up", false};

  std::unique_ptr<curl_slist, ListCleanup> recipients;
  for (const auto& recipient : options.recipients) {
    const std::string address = "<" + EnvelopeAddress(recipient) + ">";
    curl_slist* list = curl_slist_append(recipients.get(), address.c_str());
    if (!list) return {ExitCode::TransferFailed, "error: out of memory", false};
    recipients.release();
    recipients.reset(list);
  }
  const std::string url = "smtp://" + ServerText(options);
  const std::string from = "<" + EnvelopeAddress(options.sender) + ">";
  Upload upload{message};
  Dialogue dialogue;
  char error[CURL_ERROR_SIZE] = "";

  CURL* handle = curl.get();
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp");
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(handle, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  if (!options.caFile.empty()) curl_easy_setopt(handle, CURLOPT_CAINFO, options.caFile.c_str());
  if (!options.user.empty()) {
    curl_easy_setopt(handle, CURLOPT_USERNAME, options.user.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, options.password.c_str());
  }
  curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.c_str());
  curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());
  curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
  curl_easy_setopt(handle, CURLOPT_READFUNCTION, OnRead);
  curl_easy_setopt(handle, CURLOPT_READDATA, &upload);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, OnTrace);
  curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &dialogue);
  curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);

  return Classify(curl_easy_perform(handle), error, dialogue, options);
}

}  // namespace vx
