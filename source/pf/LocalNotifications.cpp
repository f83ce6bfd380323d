#include "LocalNotifications.h"

#include <algorithm>

namespace pf {

bool LocalNotifications::schedule(const LocalNotification& notification) {
    const int id = notification.id;
    if (std::any_of(m_entries.begin(), m_entries.end(),
                    [id](const Entry& entry) { return entry.notification.id == id; }))
        return false;
    m_entries.push_back({notification, m_clock + notification.seconds});
    return true;
}

void LocalNotifications::cancel(int id) {
    std::erase_if(m_entries, [id](const Entry& entry) { return entry.notification.id == id; });
}

void LocalNotifications::cancelAll() { m_entries.clear(); }

std::vector<LocalNotification> LocalNotifications::advance(float seconds) {
    m_clock += seconds;
    // Stable: notifications due at the same moment keep the order they were scheduled in.
    const auto firstPending = std::stable_partition(m_entries.begin(), m_entries.end(),
                                                    [this](const Entry& entry) { return entry.due <= m_clock; });
    std::vector<Entry> due(m_entries.begin(), firstPending);
    m_entries.erase(m_entries.begin(), firstPending);
    std::stable_sort(due.begin(), due.end(), [](const Entry& a, const Entry& b) { return a.due < b.due; });
    std::vector<LocalNotification> notifications;
    for (Entry& entry : due)
        notifications.push_back(std::move(entry.notification));
    return notifications;
}

std::vector<LocalNotification> LocalNotifications::scheduled() const {
    std::vector<LocalNotification> notifications;
    for (const Entry& entry : m_entries)
        notifications.push_back(entry.notification);
    return notifications;
}

} // namespace pf
