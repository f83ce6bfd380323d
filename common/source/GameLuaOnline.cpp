// The online checks: the updater, the lists of the maker's installed games and the download
// confirmation, and the frame's hand-over of their answers to the scripts.
#include "GameLua.h"

#include "DownloadConfirmation.h"
#include "GameList.h"
#include "framework/App.h"
#include "framework/OSInterface.h"
#include "lang/Exception.h"
#include "lang/Log.h"
#include "pf/Launcher.h"

#include <optional>

namespace {

/// The global that holds the address of the game's download-confirmation service.
constexpr const char* kConfirmationService = "DOWNLOAD_TRACKING_URL_BASE";

bool isInstalled(const std::string& name) { return pf::Launcher().canOpen(name); }

/// What a list fetched from the server says; nothing (logged) for a text that is no JSON.
std::optional<InstalledGames> readServerList(const std::string& response) {
    try {
        return GameList(response).installed(isInstalled);
    } catch (const lang::Exception&) {
        lang::log::write("Game", __FILE__, "GameLua::update", __LINE__, lang::log::Warning,
                         "Received an invalid game list JSON from the server");
        return std::nullopt;
    }
}

} // namespace

void GameLua::registerOnlineNatives() {
    registerMethod("checkForUpdates", &GameLua::checkForUpdates);
    registerMethod("callVersionUpdater", &GameLua::callVersionUpdater);
    registerMethod("checkInstalledAppsOnline", &GameLua::checkInstalledAppsOnline);
    registerMethod("checkInstalledAppsOffline", &GameLua::checkInstalledAppsOffline);
    registerMethod("postDownloadTracking", &GameLua::postDownloadTracking);
}

// checkForUpdates(): on a later frame "updateAvailable"(bool) once the updater has answered
void GameLua::checkForUpdates() { m_online.checkForUpdates(); }

// callVersionUpdater(): starts the updater for the user, without waiting
void GameLua::callVersionUpdater() { m_online.callVersionUpdater(); }

// checkInstalledAppsOnline(address): on a later frame "setInstalledApps"(names, count, response)
void GameLua::checkInstalledAppsOnline(const std::string& address) { m_online.checkInstalledApps(address); }

// checkInstalledAppsOffline(list): "setInstalledAppsOffline"(names) at once
void GameLua::checkInstalledAppsOffline(const std::string& list) {
    callScript("setInstalledAppsOffline", {GameList::installedIn(list, isInstalled).names});
}

// postDownloadTracking(d, i, b): confirms a download to the service DOWNLOAD_TRACKING_URL_BASE;
// once it has, every frame sets settings.downloadTrackingCallDone = true
void GameLua::postDownloadTracking(const std::string& d, const std::string& i, const std::string& b) {
    const std::string service = getString(kConfirmationService);
    if (service.empty()) {
        LOG_WARNING("Game", "postDownloadTracking: no service address in %s", kConfirmationService);
        return;
    }
    m_online.confirmDownload(downloadConfirmationAddress(service, d, i, b));
}

void GameLua::deliverOnlineResults() {
    // Which frame an answer arrives in depends on the network: a replay could not repeat it.
    if (m_app.os().runOptions().reproducible)
        return;
    if (const std::optional<std::string> response = m_online.takeInstalledAppsResponse())
        if (const std::optional<InstalledGames> games = readServerList(*response))
            callScript("setInstalledApps", {games->names, games->gameCount, *response});
    if (const std::optional<bool> available = m_online.takeUpdateAnswer())
        callScript("updateAvailable", {*available});
    if (m_online.hasConfirmedDownload() && isTable("settings"))
        getTable("settings").set("downloadTrackingCallDone", true);
}
