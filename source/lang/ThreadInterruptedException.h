#pragma once

#include "lang/Exception.h"

namespace lang {

/// Thrown by a thread's body to end the thread quietly; any other exception leaving a thread's
/// body ends the process.
class ThreadInterruptedException : public Exception {
public:
    using Exception::Exception;
    ~ThreadInterruptedException() override;
};

} // namespace lang
