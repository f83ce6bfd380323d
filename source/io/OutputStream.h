#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

#include <string>

namespace io {

/// A counted sink of bytes. The base class forwards every operation to a target: the
/// delegate when it has one, else its source stream. Concrete streams override the
/// operations instead. A stream is used by one thread at a time.
class OutputStream : public lang::Object {
public:
    /// Forwards to `delegate`, which is borrowed: the caller keeps it alive longer than this stream.
    explicit OutputStream(OutputStream* delegate);
    /// Forwards to `source` and keeps a counted reference to it.
    explicit OutputStream(lang::Ref<OutputStream> source);
    ~OutputStream() override;

    /// Writes `count` bytes from `buffer`; returns the number written.
    virtual int write(const void* buffer, int count);
    /// The stream's name, used in every error message about it.
    virtual std::string toString();

protected:
    /// For streams that override every operation themselves.
    OutputStream();

private:
    OutputStream& target();

    lang::Ref<OutputStream> m_source;
    OutputStream* m_delegate = nullptr;
};

} // namespace io
