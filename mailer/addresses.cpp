#include "mailer/addresses.h"

#include "mailer/mime.h"

namespace vx {
namespace {

// Where "<address>" begins, when the value ends with one.
size_t AngleStart(const std::string& value) {
  if (value.empty() || value.back() != '>') return std::string::npos;
  return value.rfind('<');
}

std::string TrimmedEnd(const std::string& text) {
  const auto last = text.find_last_not_of(" \t");
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

}  // namespace

std::string EnvelopeAddress(const std::string& value) {
  const size_t start = AngleStart(value);
  if (start == std::string::npos) return value;
  return value.substr(start + 1, value.size() - start - 2);
}

std::string AddressHeaderValue(const std::string& value) {
  const size_t start = AngleStart(value);
  if (start == std::string::npos || start == 0) return value;
  const std::string name = TrimmedEnd(value.substr(0, start));
  return HeaderValue(name) + " " + value.substr(start);
}

std::string DomainOf(const std::string& address) {
  const size_t at = address.rfind('@');
  return at == std::string::npos ? std::string() : address.substr(at + 1);
}

}  // namespace vx
