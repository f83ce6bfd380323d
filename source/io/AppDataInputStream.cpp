#include "io/AppDataInputStream.h"

#include "io/FileInputStream.h"
#include "io/VirtualFileSystem.h"

namespace io {

AppDataInputStream::AppDataInputStream(const std::string& path)
    : InputStream(lang::Ref<InputStream>(new FileInputStream(getAppDataFile(path)))) {}

AppDataInputStream::~AppDataInputStream() = default;

} // namespace io
