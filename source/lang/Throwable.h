#pragma once

#include "lang/Format.h"

#include <exception>
#include <string>

namespace lang {

/// Root of the engine's exceptions: carries a `lang::Format` and the message made from it
/// once, at construction. `what()` is that message.
class Throwable : public std::exception {
public:
    Throwable() = default;
    /// Formats the message now; throws `lang::FormatException` if the format is malformed.
    explicit Throwable(const Format& format);
    ~Throwable() override;

    /// The format the message was made from, for callers that format it again.
    const Format& format() const { return m_format; }
    /// The formatted message.
    const std::string& message() const { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

    /// Shows the message in a modal box titled "C++ Exception Generated!" with Abort, Retry
    /// and Ignore. Abort ends the process with exit code -1; the others return. Main thread.
    void showMessageBox() const;

private:
    Format m_format;
    std::string m_message;
};

} // namespace lang
