#pragma once

#include <string>

namespace net {
struct HttpResponse;
}

/// The address that confirms a download to the game's online service: `endpoint` (one trailing
/// "/" dropped) + "/confirm/?d=" + d + "&i=" + i + "&b=" + b, where each value is percent-encoded
/// (all but letters, digits and "-._~"), so that no value can end its field or add others.
std::string downloadConfirmationAddress(const std::string& endpoint, const std::string& d, const std::string& i,
                                        const std::string& b);

/// Whether the service confirmed the download: status 200 and a body of exactly "DNL_OK", or
/// exactly "DNL_ERR_DLTRK" (the download was known already).
bool isDownloadConfirmed(const net::HttpResponse& response);
