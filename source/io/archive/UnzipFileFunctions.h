#pragma once

#include <minizip/ioapi.h>

#include <exception>

namespace io {

class InputStream;

/// minizip's file functions over an engine input stream, for `unzOpen2`.
///
/// The archive starts at the stream's beginning; its size is taken when minizip opens it.
/// Exceptions of the stream never cross the C library: a failing read is a short read for
/// minizip, and the exception is kept for `rethrowStreamError` after the library call returns.
class UnzipFileFunctions {
public:
    /// Reads from `source`, which must outlive this object and know its length.
    explicit UnzipFileFunctions(InputStream& source);
    UnzipFileFunctions(const UnzipFileFunctions&) = delete;
    UnzipFileFunctions& operator=(const UnzipFileFunctions&) = delete;

    /// The function table to hand to `unzOpen2`; valid while this object lives.
    zlib_filefunc_def* table() { return &m_table; }
    /// Raises, once, the exception the stream raised inside the last library calls, if any.
    void rethrowStreamError();

private:
    static voidpf ZCALLBACK open(voidpf opaque, const char* name, int mode);
    static uLong ZCALLBACK read(voidpf opaque, voidpf stream, void* buffer, uLong size);
    static uLong ZCALLBACK write(voidpf opaque, voidpf stream, const void* buffer, uLong size);
    static long ZCALLBACK tell(voidpf opaque, voidpf stream);
    static long ZCALLBACK seek(voidpf opaque, voidpf stream, uLong offset, int origin);
    static int ZCALLBACK close(voidpf opaque, voidpf stream);
    static int ZCALLBACK error(voidpf opaque, voidpf stream);

    InputStream& m_source;
    long m_position = 0;
    long m_size = 0;
    std::exception_ptr m_streamError;
    zlib_filefunc_def m_table;
};

} // namespace io
