#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

namespace lang {

/// A recursive mutex: the thread that holds it may lock it again and must unlock it as often.
/// Meets the standard BasicLockable requirements, so `std::lock_guard` works as well as `MutexLock`.
class Mutex {
public:
    /// Owns the operating-system mutex.
    class MutexImpl;

    Mutex();
    ~Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    /// Waits without time limit until this thread holds the mutex.
    void lock();
    /// Releases one level of locking; the caller must hold the mutex.
    void unlock();

private:
    Ref<MutexImpl> m_impl;
};

/// Holds a `Mutex` locked for the lifetime of the guard.
class MutexLock {
public:
    explicit MutexLock(Mutex& mutex) : m_mutex(mutex) { m_mutex.lock(); }
    ~MutexLock() { m_mutex.unlock(); }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

private:
    Mutex& m_mutex;
};

} // namespace lang
