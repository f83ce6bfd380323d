#include "DownloadConfirmation.h"

#include "net/HttpResponse.h"
#include "net/UrlEncoding.h"

std::string downloadConfirmationAddress(const std::string& endpoint, const std::string& d, const std::string& i,
                                        const std::string& b) {
    const std::string base = endpoint.ends_with('/') ? endpoint.substr(0, endpoint.size() - 1) : endpoint;
    return base + "/confirm/?d=" + net::percentEncoded(d) + "&i=" + net::percentEncoded(i) +
           "&b=" + net::percentEncoded(b);
}

bool isDownloadConfirmed(const net::HttpResponse& response) {
    return response.status == 200 && (response.body == "DNL_OK" || response.body == "DNL_ERR_DLTRK");
}
