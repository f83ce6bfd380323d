#include "DownloadConfirmation.h"

#include "net/HttpResponse.h"

namespace {

std::string percentEncoded(const std::string& value) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0xF];
        }
    }
    return encoded;
}

} // namespace

std::string downloadConfirmationAddress(const std::string& endpoint, const std::string& d, const std::string& i,
                                        const std::string& b) {
    const std::string base = endpoint.ends_with('/') ? endpoint.substr(0, endpoint.size() - 1) : endpoint;
    return base + "/confirm/?d=" + percentEncoded(d) + "&i=" + percentEncoded(i) + "&b=" + percentEncoded(b);
}

bool isDownloadConfirmed(const net::HttpResponse& response) {
    return response.status == 200 && (response.body == "DNL_OK" || response.body == "DNL_ERR_DLTRK");
}
