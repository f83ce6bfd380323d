#pragma once

namespace lang {

/// Root of every shared engine object: a virtual destructor and a reference count.
/// The count starts at 0; the object deletes itself when the last counted reference
/// (see `lang::Ref`) is dropped. Counting is not atomic: share an object across
/// threads only with outside synchronisation.
class Object {
public:
    Object() = default;
    /// A copy is a new object: it starts with no references of its own.
    Object(const Object&) : m_refs(0) {}
    Object& operator=(const Object&) { return *this; }
    virtual ~Object();

    /// Takes one counted reference.
    void addReference() { ++m_refs; }
    /// Drops one counted reference; destroys the object when none is left.
    void release() {
        if (--m_refs == 0)
            delete this;
    }
    /// The number of counted references held now.
    int references() const { return m_refs; }

private:
    int m_refs = 0;
};

} // namespace lang
