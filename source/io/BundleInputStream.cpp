#include "io/BundleInputStream.h"

#include "io/FileInputStream.h"
#include "io/VirtualFileSystem.h"

namespace io {

BundleInputStream::BundleInputStream(const std::string& path)
    : InputStream(lang::Ref<InputStream>(new FileInputStream(getBundleFile(path)))) {}

BundleInputStream::~BundleInputStream() = default;

} // namespace io
