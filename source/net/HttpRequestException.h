#pragma once

#include "lang/Exception.h"

namespace net {

/// Raised when an HTTP request cannot be made or its transfer fails; the message is libcurl's
/// text for the failure. An HTTP error status is not a failure.
class HttpRequestException : public lang::Exception {
public:
    using Exception::Exception;
    ~HttpRequestException() override;
};

} // namespace net
