#include "HttpFileInputStream.h"

#include "io/ByteArrayInputStream.h"

#include <cstdint>
#include <vector>

namespace net {

namespace {

HttpResponse getWithDefaults(const std::string& url) {
    HttpRequest request;
    return request.get(url);
}

} // namespace

HttpFileInputStream::HttpFileInputStream(const std::string& url) : HttpFileInputStream(url, getWithDefaults(url)) {}

HttpFileInputStream::HttpFileInputStream(const std::string& url, HttpRequest& request)
    : HttpFileInputStream(url, request.get(url)) {}

// Every operation, the name included, is forwarded to the byte-array stream named after the
// address asked for (not the one redirects ended at, which the caller never named).
HttpFileInputStream::HttpFileInputStream(const std::string& url, const HttpResponse& response)
    : io::InputStream(lang::Ref<io::InputStream>(
          new io::ByteArrayInputStream(std::vector<uint8_t>(response.body.begin(), response.body.end()), url))),
      m_status(response.status) {}

HttpFileInputStream::~HttpFileInputStream() = default;

} // namespace net
