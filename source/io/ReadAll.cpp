#include "io/ReadAll.h"

#include "io/InputStream.h"

#include <algorithm>

namespace io {

std::vector<uint8_t> readAll(InputStream& stream) {
    std::vector<uint8_t> bytes;
    const int known = stream.available();
    if (known >= 0) {
        bytes.resize(static_cast<size_t>(known));
        // The announced length is a promise that a file truncated meanwhile can break:
        // never hand out the zeros beyond what was read.
        bytes.resize(static_cast<size_t>(std::max(0, stream.read(bytes.data(), known))));
        return bytes;
    }
    constexpr int kPiece = 1024;
    size_t filled = 0;
    for (;;) {
        bytes.resize(filled + kPiece);
        const int got = std::max(0, stream.read(bytes.data() + filled, kPiece));
        // A short piece is not the end for streams that deliver what has arrived so far
        // (sockets, pipes): only an empty read is.
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

int readUpTo(InputStream& stream, void* buffer, int count) {
    auto* out = static_cast<uint8_t*>(buffer);
    int done = 0;
    while (done < count) {
        const int got = stream.read(out + done, count - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

} // namespace io
