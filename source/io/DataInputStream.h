#pragma once

#include "io/DataInput.h"
#include "io/InputStream.h"

namespace io {

/// A `io::DataInput` over another stream, which the caller keeps alive (it is not counted).
/// The stream operations go to that stream, and so does the name used in messages.
class DataInputStream : public InputStream, public DataInput {
public:
    /// Reads from `stream`, borrowed for the lifetime of this view.
    explicit DataInputStream(InputStream& stream);
    ~DataInputStream() override;

    int skip(int count) override;
    int read(void* buffer, int count) override;
    int readFully(void* buffer, int count) override;
    bool readBoolean() override;
    int8_t readByte() override;
    char readChar() override;
    std::string readChars(int count) override;
    double readDouble() override;
    float readFloat() override;
    int32_t readInt() override;
    int16_t readShort() override;
    int readUTF(char* buffer, int size) override;
    std::string readUTF() override;

private:
    /// Reads `bytes` bytes as one big-endian number.
    uint64_t readBigEndian(int bytes);
    /// The length of a string; raises for a negative one.
    int readUTFLength();
};

} // namespace io
