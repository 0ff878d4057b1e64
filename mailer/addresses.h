#pragma once
// Mail addresses as the command line gives them: "user@host" or "Name <user@host>".
#include <string>

namespace vx {

// The address the SMTP envelope takes: the text between "<" and ">" when there is one,
// else the whole value.
std::string EnvelopeAddress(const std::string& value);

// The value for a From or To header: a display name outside printable ASCII becomes encoded
// words; everything else stays as given.
std::string AddressHeaderValue(const std::string& value);

// The domain of an address (the text after its last "@"), or empty.
std::string DomainOf(const std::string& address);

}  // namespace vx
