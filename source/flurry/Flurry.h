#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

#include <map>
#include <string>

namespace flurry {

/// The analytics session the game reports to. Scripts are written for platforms that have an
/// analytics service; here the session takes every call and passes it to the attached service,
/// and without one the calls have no outside effect. Main thread only.
class Flurry : public lang::Object {
public:
    /// Event parameters: names to values, both texts.
    using Parameters = std::map<std::string, std::string>;

    /// An analytics service a build attaches.
    class Impl : public lang::Object {
    public:
        ~Impl() override;
        /// Opens a session for the service key `key`.
        virtual void startSession(const std::string& key) = 0;
        virtual void endSession() = 0;
        virtual void logEvent(const std::string& name, const Parameters& parameters) = 0;
    };

    /// A session that reports to `service`; null for none.
    explicit Flurry(lang::Ref<Impl> service = nullptr);
    ~Flurry() override;

    /// Starts a session under the service key `key`.
    void startSession(const std::string& key);
    /// Ends the session; the application does this once at shut-down.
    void endSession();
    /// Reports the event `name` with `parameters`.
    void logEvent(const std::string& name, const Parameters& parameters = {});

private:
    lang::Ref<Impl> m_service;
};

} // namespace flurry
