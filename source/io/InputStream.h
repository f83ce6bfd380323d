#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"

#include <string>

namespace io {

/// A counted source of bytes. The base class forwards every operation to a target: the
/// delegate when it has one, else its source stream. Concrete streams override the
/// operations instead. A stream is used by one thread at a time.
class InputStream : public lang::Object {
public:
    /// Seek origins.
    static constexpr int kSeekSet = 0;
    static constexpr int kSeekCurrent = 1;
    static constexpr int kSeekEnd = 2;

    /// Forwards to `delegate`, which is borrowed: the caller keeps it alive longer than this stream.
    explicit InputStream(InputStream* delegate);
    /// Forwards to `source` and keeps a counted reference to it.
    explicit InputStream(lang::Ref<InputStream> source);
    ~InputStream() override;

    /// Reads up to `count` bytes into `buffer`; returns the number read (0 at the end).
    virtual int read(void* buffer, int count);
    /// Skips up to `count` bytes; returns the number skipped.
    virtual int skip(int count);
    /// Moves to `offset` from `origin` (kSeekSet, kSeekCurrent, kSeekEnd); returns success.
    virtual bool seek(int offset, int origin);
    /// The number of bytes left, or a negative number when unknown.
    virtual int available();
    /// The stream's name, used in every error message about it.
    virtual std::string toString();

protected:
    /// For streams that override every operation themselves.
    InputStream();

private:
    InputStream& target();

    lang::Ref<InputStream> m_source;
    InputStream* m_delegate = nullptr;
};

} // namespace io
