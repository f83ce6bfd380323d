#include "UrlEncoding.h"

#include <curl/curl.h>
#include <memory>
#include <new>

namespace net {

std::string percentEncoded(const std::string& value) {
    const std::unique_ptr<char, decltype(&curl_free)> encoded(
        curl_easy_escape(nullptr, value.data(), static_cast<int>(value.size())), curl_free);
    if (!encoded)
        throw std::bad_alloc();
    return encoded.get();
}

} // namespace net
