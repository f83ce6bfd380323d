#include "io/AppDataOutputStream.h"

#include "io/VirtualFileSystem.h"

namespace io {

AppDataOutputStream::AppDataOutputStream(const std::string& path) : AtomicFileOutputStream(getAppDataFile(path)) {}

AppDataOutputStream::~AppDataOutputStream() = default;

} // namespace io
