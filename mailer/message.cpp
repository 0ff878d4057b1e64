#include "mailer/message.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "mailer/addresses.h"
#include "mailer/mime.h"
#include "platform/text.h"

namespace vx {
namespace {

// "Fri, 11 Dec 2026 08:30:00 +0100": English names whatever the locale, local time.
std::string DateHeader(std::time_t now) {
  static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  ::localtime_r(&now, &local);
  const long offsetMinutes = local.tm_gmtoff / 60;
  const long absMinutes = std::labs(offsetMinutes);
  char text[64];
  std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", kDays[local.tm_wday],
                local.tm_mday, kMonths[local.tm_mon], local.tm_year + 1900, local.tm_hour, local.tm_min,
                local.tm_sec, offsetMinutes < 0 ? '-' : '+', absMinutes / 60, absMinutes % 60);
  return text;
}

bool IsDomainName(const std::string& text) {
  return !text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                 "0123456789.-") == std::string::npos;
}

// "<time.pid.random@domain>", the domain taken from the sender when it has a plain one.
std::string MessageId(const MailerOptions& options, std::time_t now) {
  std::random_device device;
  const unsigned long long random = (static_cast<unsigned long long>(device()) << 32) | device();
  std::string domain = DomainOf(EnvelopeAddress(options.sender));
  if (!IsDomainName(domain)) domain = "vxmail.localhost";
  char text[96];
  std::snprintf(text, sizeof text, "<%lld.%ld.%016llx@", static_cast<long long>(now), static_cast<long>(::getpid()),
                random);
  return text + domain + ">";
}

std::string ToHeader(const MailerOptions& options) {
  std::string value;
  for (const auto& recipient : options.recipients) {
    if (!value.empty()) value += ",\r\n ";
    value += AddressHeaderValue(recipient);
  }
  return value;
}

}  // namespace

std::string BodyCharset(const MailerOptions& options, std::string_view body) {
  if (!options.charset.empty()) return options.charset;
  return IsValidUtf8(body) ? "utf-8" : "windows-1252";
}

std::string BuildMessage(const MailerOptions& options, std::string_view body, std::time_t now) {
  std::string message;
  message += "Date: " + DateHeader(now) + "\r\n";
  message += "From: " + AddressHeaderValue(options.sender) + "\r\n";
  message += "To: " + ToHeader(options) + "\r\n";
  message += "Subject: " + HeaderValue(options.subject) + "\r\n";
  message += "Message-ID: " + MessageId(options, now) + "\r\n";
  message += "MIME-Version: 1.0\r\n";
  message += "Content-Type: text/plain; charset=" + BodyCharset(options, body) + "\r\n";
  message += "Content-Transfer-Encoding: quoted-printable\r\n";
  message += "\r\n";
  message += QuotedPrintable(body);
  return message;
}

}  // namespace vx
