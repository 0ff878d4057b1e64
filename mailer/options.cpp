#include "mailer/options.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace vx {
namespace {

enum class Field { To, Subject, From, Server, Port, User, Password, Charset, CaFile };

// The options that take a value, matched without regard to case as the outside mailer does.
const std::map<std::string, Field>& ValueOptions() {
  static const std::map<std::string, Field> options = {
      {"-to", Field::To},     {"-s", Field::Subject},   {"-f", Field::From},
      {"-server", Field::Server}, {"-port", Field::Port}, {"-u", Field::User},
      {"-pw", Field::Password},   {"-charset", Field::Charset}, {"-cacert", Field::CaFile}};
  return options;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return text;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

std::vector<std::string> SplitRecipients(const std::string& list) {
  std::vector<std::string> recipients;
  size_t start = 0;
  for (;;) {
    const size_t comma = list.find(',', start);
    const std::string item = Trimmed(list.substr(start, comma - start));
    if (!item.empty()) recipients.push_back(item);
    if (comma == std::string::npos) return recipients;
    start = comma + 1;
  }
}

// A port number from 1 to 65535, digits only.
std::optional<int> ParsePort(const std::string& text) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const int port = std::atoi(text.c_str());
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

// Host names and IPv4 addresses: letters, digits, '.', '-', '_'. Nothing else may reach the
// server address, so a value cannot add a user, a path or another protocol to it.
bool IsHostName(const std::string& text) {
  return !text.empty() && text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                 "0123456789.-_") == std::string::npos;
}

bool IsIpv6Address(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789abcdefABCDEF:.") == std::string::npos;
}

// HOST, HOST:PORT, [IPV6] or [IPV6]:PORT.
bool ParseServer(const std::string& value, MailerOptions& options) {
  std::string host = value;
  std::string port;
  if (!value.empty() && value.front() == '[') {
    const size_t close = value.find(']');
    if (close == std::string::npos) return false;
    host = value.substr(1, close - 1);
    const std::string rest = value.substr(close + 1);
    if (!rest.empty() && rest.front() != ':') return false;
    if (!rest.empty()) port = rest.substr(1);
    if (!IsIpv6Address(host) || (!rest.empty() && port.empty())) return false;
  } else {
    const size_t colon = value.find(':');
    if (colon != std::string::npos) {
      host = value.substr(0, colon);
      port = value.substr(colon + 1);
      if (port.empty()) return false;
    }
    if (!IsHostName(host)) return false;
  }
  options.host = host;
  if (!port.empty()) {
    const auto number = ParsePort(port);
    if (!number) return false;
    options.port = *number;
  }
  return true;
}

// Charset names are MIME tokens: letters, digits and a few marks, never a quote or a ';'.
bool IsCharsetName(const std::string& text) {
  return !text.empty() && text.size() <= 40 &&
         text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.:+") ==
             std::string::npos;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

ParsedCommandLine Failure(ExitCode code, std::string error) {
  ParsedCommandLine result;
  result.failure = code;
  result.error = std::move(error);
  return result;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  std::map<Field, std::string> values;
  std::optional<std::string> bodyFile;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string name = Lower(arg);
    if (name == "--help" || name == "-h" || name == "-?" || name == "/?") {
      ParsedCommandLine result;
      result.help = true;
      return result;
    }
    if (const auto option = ValueOptions().find(name); option != ValueOptions().end()) {
      if (i + 1 >= args.size()) return Failure(ExitCode::WrongCall, "option " + arg + " needs a value");
      if (values.count(option->second)) return Failure(ExitCode::WrongCall, "option " + arg + " is given twice");
      values[option->second] = args[++i];
    } else if (arg.size() > 1 && arg.front() == '-') {
      return Failure(ExitCode::WrongCall, "unknown option " + arg);
    } else if (bodyFile) {
      return Failure(ExitCode::WrongCall, "unexpected argument " + arg + " (the body file is " + *bodyFile + ")");
    } else {
      bodyFile = arg;
    }
  }

  if (!bodyFile) return Failure(ExitCode::WrongCall, "missing the body file (the first argument)");
  for (const auto& [field, option] : {std::pair{Field::To, "-to"}, {Field::From, "-f"}, {Field::Server, "-server"}}) {
    if (!values.count(field)) return Failure(ExitCode::WrongCall, std::string("missing option ") + option);
  }

  for (const auto& [field, what] : {std::pair{Field::To, "the recipient"}, {Field::Subject, "the subject"},
                                    {Field::From, "the sender"}}) {
    if (values.count(field) && HasLineBreak(values[field])) {
      return Failure(ExitCode::LineBreakInHeader, std::string(what) + " must not contain a line break (CR or LF)");
    }
  }

  MailerOptions options;
  options.bodyFile = *bodyFile;
  options.recipients = SplitRecipients(values[Field::To]);
  if (options.recipients.empty()) return Failure(ExitCode::WrongCall, "option -to names no recipient");
  options.subject = values[Field::Subject];
  options.sender = Trimmed(values[Field::From]);
  if (options.sender.empty()) return Failure(ExitCode::WrongCall, "option -f names no sender");
  if (!ParseServer(values[Field::Server], options)) {
    return Failure(ExitCode::WrongCall,
                   "option -server needs HOST or HOST:PORT, not \"" + values[Field::Server] + "\"");
  }
  if (values.count(Field::Port)) {
    const auto port = ParsePort(values[Field::Port]);
    if (!port) return Failure(ExitCode::WrongCall, "option -port needs a number from 1 to 65535");
    options.port = *port;
  }
  if (values.count(Field::Charset)) {
    if (!IsCharsetName(values[Field::Charset])) {
      return Failure(ExitCode::WrongCall, "option -charset needs a charset name such as utf-8");
    }
    options.charset = values[Field::Charset];
  }
  options.user = values.count(Field::User) ? values[Field::User] : Environment("VXMAIL_USER");
  options.password = values.count(Field::Password) ? values[Field::Password] : Environment("VXMAIL_PASSWORD");
  options.caFile = values.count(Field::CaFile) ? values[Field::CaFile] : Environment("VXMAIL_CACERT");

  ParsedCommandLine result;
  result.options = std::move(options);
  return result;
}

}  // namespace vx
