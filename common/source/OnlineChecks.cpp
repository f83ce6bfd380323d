#include "OnlineChecks.h"

#include "DownloadConfirmation.h"
#include "lang/Log.h"
#include "lang/Throwable.h"
#include "net/HttpRequest.h"

namespace {

/// The response to a GET for `address`, or nothing (logged) when the request fails or is
/// abandoned.
std::optional<net::HttpResponse> fetch(const std::string& address, const std::string& noProxyHosts,
                                       const std::atomic<bool>& abandon) {
    try {
        net::HttpRequest request;
        request.setAbandonFlag(&abandon);
        if (!noProxyHosts.empty())
            request.setNoProxyHosts(noProxyHosts);
        return request.get(address);
    } catch (const lang::Throwable& error) {
        LOG_WARNING("Game", "The request for %s failed: %s", address.c_str(), error.what());
        return std::nullopt;
    }
}

} // namespace

void OnlineChecks::checkForUpdates() {
    if (m_updateChecks.isRunning())
        return;
    m_updateChecks.start([updater = Updater(m_settings.updater, m_settings.updaterLimit)](
                             const std::atomic<bool>& abandon) { return updater.check(abandon); });
}

void OnlineChecks::callVersionUpdater() {
    if (!Updater(m_settings.updater).startInteractive())
        m_updateChecks.clear();
}

void OnlineChecks::checkInstalledApps(const std::string& address) {
    m_installedApps.start([address, noProxy = m_settings.noProxyHosts](const std::atomic<bool>& abandon) {
        const std::optional<net::HttpResponse> response = fetch(address, noProxy, abandon);
        return response ? std::optional<std::string>(response->body) : std::nullopt;
    });
}

void OnlineChecks::confirmDownload(const std::string& address) {
    m_confirmations.start([address, noProxy = m_settings.noProxyHosts](const std::atomic<bool>& abandon) {
        const std::optional<net::HttpResponse> response = fetch(address, noProxy, abandon);
        return std::optional<bool>(response && isDownloadConfirmed(*response));
    });
}
