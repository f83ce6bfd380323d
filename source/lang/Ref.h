#pragma once

#include <cstddef>
#include <utility>

namespace lang {

/// A counted reference to a `lang::Object` (or subclass): holding one keeps the object
/// alive. Null is allowed. Not thread-safe, like the count it changes.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(T* object) : m_object(object) { acquire(); }
    Ref(const Ref& other) : m_object(other.m_object) { acquire(); }
    Ref(Ref&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    template <class U>
    Ref(const Ref<U>& other) : m_object(other.get()) { acquire(); }
    ~Ref() { drop(); }

    Ref& operator=(const Ref& other) { return *this = other.m_object; }
    Ref& operator=(Ref&& other) noexcept {
        if (this != &other) {
            drop();
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }
    Ref& operator=(T* object) {
        // Acquire first: assigning an object to a reference that already holds it must not free it.
        if (object)
            object->addReference();
        drop();
        m_object = object;
        return *this;
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    friend bool operator==(const Ref& a, const Ref& b) { return a.m_object == b.m_object; }
    friend bool operator==(const Ref& a, std::nullptr_t) { return a.m_object == nullptr; }

private:
    void acquire() {
        if (m_object)
            m_object->addReference();
    }
    void drop() {
        if (m_object)
            std::exchange(m_object, nullptr)->release();
    }

    T* m_object = nullptr;
};

} // namespace lang
