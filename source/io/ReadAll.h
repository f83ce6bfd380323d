#pragma once

#include <cstdint>
#include <vector>

namespace io {

class InputStream;

/// Reads everything that is left of `stream`. A stream that knows its length is read in one
/// call; one that does not is read in pieces of up to 1024 bytes until a read brings nothing.
/// The result holds exactly the bytes read, even when fewer came than the stream announced.
std::vector<uint8_t> readAll(InputStream& stream);

/// Reads into `buffer` until `count` bytes have come or a read brings nothing (streams may
/// deliver less than asked before their end); returns the bytes read.
int readUpTo(InputStream& stream, void* buffer, int count);

} // namespace io
