#pragma once

#include "lang/Exception.h"

namespace io {

/// Raised by streams, path names and the virtual file system; the message names the file or stream.
class IOException : public lang::Exception {
public:
    using Exception::Exception;
    ~IOException() override;
};

} // namespace io
