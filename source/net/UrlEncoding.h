#pragma once

#include <string>

namespace net {

/// `value` percent-encoded for a query or path component: every byte but letters, digits and
/// "-._~" becomes "%XX", so the value can neither end its field nor add others.
std::string percentEncoded(const std::string& value);

} // namespace net
