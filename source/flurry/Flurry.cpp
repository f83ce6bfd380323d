#include "Flurry.h"

namespace flurry {

Flurry::Impl::~Impl() = default;

Flurry::Flurry(lang::Ref<Impl> service) : m_service(std::move(service)) {}

Flurry::~Flurry() = default;

void Flurry::startSession(const std::string& key) {
    if (m_service)
        m_service->startSession(key);
}

void Flurry::endSession() {
    if (m_service)
        m_service->endSession();
}

void Flurry::logEvent(const std::string& name, const Parameters& parameters) {
    if (m_service)
        m_service->logEvent(name, parameters);
}

} // namespace flurry
