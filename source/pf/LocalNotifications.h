#pragma once

#include "LocalNotification.h"

#include <vector>

namespace pf {

/// The notifications the game scheduled. A desktop shows none: they are kept until they are
/// cancelled or come due while the game runs, when `advance` hands them back to the game.
/// Game thread only.
class LocalNotifications {
public:
    /// Records `notification` unless one of its id is recorded already; whether it was recorded.
    bool schedule(const LocalNotification& notification);
    /// Forgets the notification of `id`, if any.
    void cancel(int id);
    /// Forgets every notification.
    void cancelAll();
    /// Lets `seconds` of game pass, and takes out and returns the notifications now due, earliest
    /// first (those due at once in the order they were scheduled).
    std::vector<LocalNotification> advance(float seconds);
    /// The recorded notifications, in the order they were scheduled.
    std::vector<LocalNotification> scheduled() const;

private:
    struct Entry {
        LocalNotification notification;
        /// The clock's reading when it is due.
        double due;
    };

    double m_clock = 0.0;
    std::vector<Entry> m_entries;
};

} // namespace pf
