#pragma once

#include "OnlineJobs.h"
#include "Updater.h"

#include <chrono>
#include <optional>
#include <string>

/// The game's background checks: whether the updater knows of a newer version, the list of the
/// maker's games fetched from an address, and the confirmation of a download. Each kind runs on
/// worker threads (`OnlineJobs`) and leaves its answer for the frame update; nothing here blocks
/// the game thread. Destroying the object abandons every request and updater wait and joins the
/// workers: an HTTP request gives up within about a second, an updater wait at once (the updater
/// program itself is left to end on its own). Game thread only.
class OnlineChecks {
public:
    /// What the checks reach out to.
    struct Settings {
        /// The updater program's path.
        std::string updater;
        /// How long an update check waits for the updater.
        std::chrono::milliseconds updaterLimit = Updater::kDefaultLimit;
        /// Hosts reached without a proxy, as `net::HttpRequest::setNoProxyHosts` takes them; empty
        /// leaves that to the environment.
        std::string noProxyHosts;
    };

    /// Checks with `settings`.
    explicit OnlineChecks(Settings settings) : m_settings(std::move(settings)) {}

    /// Checks started from now on use `settings`; running ones keep theirs.
    void configure(Settings settings) { m_settings = std::move(settings); }

    /// Asks the updater ("/justcheck") on a worker. While an earlier check still runs this does
    /// nothing: that check's answer serves both, and no second updater is started.
    void checkForUpdates();
    /// Starts the updater interactively ("/checknow"), without waiting. When it cannot be
    /// started an update answer not yet taken is dropped.
    void callVersionUpdater();
    /// Fetches `address` on a worker, superseding a fetch still running; the body of any
    /// response becomes the installed-apps response. A failed request leaves none.
    void checkInstalledApps(const std::string& address);
    /// Requests the confirmation address `address` on a worker, superseding one still running.
    void confirmDownload(const std::string& address);

    /// The updater's answer (true: an update exists) not taken yet, taking it.
    std::optional<bool> takeUpdateAnswer() { return m_updateChecks.take(); }
    /// The installed-apps response not taken yet, taking it.
    std::optional<std::string> takeInstalledAppsResponse() { return m_installedApps.take(); }
    /// True once the newest confirmation request has been confirmed; stays so until another
    /// request fails.
    bool hasConfirmedDownload() const { return m_confirmations.latest().value_or(false); }

private:
    Settings m_settings;
    // Declared after the settings, so that the workers are joined first.
    OnlineJobs<bool> m_updateChecks;
    OnlineJobs<std::string> m_installedApps;
    OnlineJobs<bool> m_confirmations;
};
