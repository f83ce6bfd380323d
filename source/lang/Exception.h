#pragma once

#include "lang/Throwable.h"

namespace lang {

/// General failures (host, cursors, renderer results) and the base of every module's exception.
class Exception : public Throwable {
public:
    using Throwable::Throwable;
    ~Exception() override;
};

/// Raised by `lang::Format` for a malformed placeholder.
class FormatException : public Exception {
public:
    using Exception::Exception;
    ~FormatException() override;
};

} // namespace lang
