#include "HttpRequestException.h"

namespace net {

HttpRequestException::~HttpRequestException() = default;

} // namespace net
