#pragma once

#include "lang/Log.h"

#include <cstdio>

namespace framework {

/// Writes every log record to standard error, one line each: "FILE(LINE): [LEVEL]: MESSAGE",
/// or "FILE(LINE): [LEVEL] (CATEGORY): MESSAGE" when the record has a category, or the message
/// alone when it has no file. Registered for as long as it exists; any thread.
class ConsoleLogger : public lang::log::Listener {
public:
    /// Writes to `out` (standard error unless a test wants the lines).
    explicit ConsoleLogger(std::FILE* out = stderr) : m_out(out) {}
    ~ConsoleLogger() override;

    void log(const lang::log::Record& record) override;

    /// The text written for `record`.
    static std::string line(const lang::log::Record& record);

private:
    std::FILE* m_out;
};

} // namespace framework
