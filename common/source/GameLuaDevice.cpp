// Device and platform natives: the accelerometer, the display language, local notifications,
// other programs, what the machine is, videos and achievements. Their frame and activation steps.
#include "GameLua.h"

#include "game/Resources.h"
#include "pf/Launcher.h"
#include "pf/Locale.h"
#include "pf/TryOpen.h"

#include <string>
#include <vector>

namespace {

/// The text group whose languages decide the display language.
constexpr const char* kBasicTexts = "TEXTS_BASIC";
/// How much of each accelerometer reading the filtered value takes in.
constexpr float kAccelerationSmoothing = 0.2f;

} // namespace

void GameLua::registerDeviceNatives() {
    registerMethod("unlockAchievement", &GameLua::doNothing);
    registerMethod("setAccelerometerActive", &GameLua::setAccelerometerActive);
    registerMethod("getCurrentLocale", &GameLua::getCurrentLocale);
    registerMethod("setNotificationsEnabled", &GameLua::setNotificationsEnabled);
    registerMethod("addNotificationAfter", &GameLua::addNotificationAfter);
    registerMethod("removeNotification", &GameLua::removeNotification);
    registerMethod("removeAllNotifications", &GameLua::removeAllNotifications);
    registerMethod("setNotificationCallback", &GameLua::setNotificationCallback);
    registerMethod("openProgram", &GameLua::openProgram);
    registerMethod("canOpenProgram", &GameLua::canOpenProgram);
    registerMethod("getOSName", &GameLua::getOSName);
    registerMethod("getOSVersion", &GameLua::getOSVersion);
    registerMethod("getModel", &GameLua::getModel);
    registerMethod("getManufacturer", &GameLua::getManufacturer);
    registerMethod("playVideo", &GameLua::playVideo);
}

// setAccelerometerActive(active)
void GameLua::setAccelerometerActive(bool active) {
    active ? m_accelerometer.enable() : m_accelerometer.disable();
    m_filteredAcceleration = 0.0f;
}

// getCurrentLocale(): the user's first language that "TEXTS_BASIC" has (else "en_EN") becomes
// the only loaded and the current language
void GameLua::getCurrentLocale() {
    const auto& sets = m_resources.textGroupSets();
    const auto basic = sets.find(kBasicTexts);
    const std::vector<std::string> available =
        basic != sets.end() ? basic->second->languages() : std::vector<std::string>{};
    const std::string language = pf::chooseLanguage(pf::preferredLanguages(), available);
    m_resources.loadLocale(kBasicTexts, language);
    m_resources.useLocale(language);
}

// setNotificationsEnabled(enabled): false drops every scheduled notification
void GameLua::setNotificationsEnabled(bool enabled) {
    if (!enabled)
        m_notifications.cancelAll();
}

// addNotificationAfter(id, seconds, text, action): due after that many seconds of running game;
// an id already scheduled keeps its first notification
void GameLua::addNotificationAfter(int id, int seconds, const std::string& text, const std::string& action) {
    m_notifications.schedule({id, seconds, text, action});
}

// removeNotification(id)
void GameLua::removeNotification(int id) { m_notifications.cancel(id); }

// removeAllNotifications()
void GameLua::removeAllNotifications() { m_notifications.cancelAll(); }

// setNotificationCallback(function): the name of the script function called with (id, text,
// action) for each notification that comes due; "" for none
void GameLua::setNotificationCallback(const std::string& function) { m_notificationCallback = function; }

// openProgram(address) -> whether the desktop's opener started (a failure is logged)
bool GameLua::openProgram(const std::string& program) { return pf::tryOpen(program); }

// canOpenProgram(name) -> false: desktop programs announce no names
bool GameLua::canOpenProgram(const std::string& program) { return pf::Launcher().canOpen(program); }

// getOSName() -> "Linux"
std::string GameLua::getOSName() { return m_deviceInfo.osName; }

// getOSVersion() -> the kernel's release
std::string GameLua::getOSVersion() { return m_deviceInfo.osVersion; }

// getModel() -> "Unknown"
std::string GameLua::getModel() { return m_deviceInfo.model; }

// getManufacturer() -> "Unknown"
std::string GameLua::getManufacturer() { return m_deviceInfo.manufacturer; }

// playVideo(file): the desktop plays no videos
void GameLua::playVideo(const std::string& file) { m_videoPlayer.play(file); }

void GameLua::deliverDueNotifications(float dt) {
    for (const pf::LocalNotification& due : m_notifications.advance(dt))
        if (!m_notificationCallback.empty())
            callScript(m_notificationCallback.c_str(), {due.id, due.text, due.action});
}

void GameLua::readAccelerometer() {
    if (m_accelerometer.isEnabled())
        m_filteredAcceleration = m_accelerometer.read().x * kAccelerationSmoothing +
                                 m_filteredAcceleration * (1.0f - kAccelerationSmoothing);
}

void GameLua::applyNotificationSettings() {
    // Only a platform that keeps such switches answers; a desktop keeps none.
    for (const char* key : {"notifications", "gamenotifications"})
        if (m_appSettings.findBoolean(key) == false) {
            m_notifications.cancelAll();
            return;
        }
}
