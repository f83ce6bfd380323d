#include "lang/Mutex.h"

#include <mutex>

namespace lang {

class Mutex::MutexImpl : public Object {
public:
    std::recursive_mutex mutex;
};

Mutex::Mutex() : m_impl(new MutexImpl) {}

Mutex::~Mutex() = default;

void Mutex::lock() { m_impl->mutex.lock(); }

void Mutex::unlock() { m_impl->mutex.unlock(); }

} // namespace lang
