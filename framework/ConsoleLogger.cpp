#include "framework/ConsoleLogger.h"

#include "lang/Format.h"

namespace framework {

ConsoleLogger::~ConsoleLogger() = default;

std::string ConsoleLogger::line(const lang::log::Record& record) {
    if (!record.file)
        return record.message;
    const char* level = lang::log::levelName(record.level);
    if (record.category.empty())
        return lang::Format("{0}({1}): [{2}]: {3}\n", record.file, record.line, level, record.message).toString();
    return lang::Format("{0}({1}): [{2}] ({3}): {4}\n", record.file, record.line, level, record.category,
                        record.message)
        .toString();
}

void ConsoleLogger::log(const lang::log::Record& record) {
    // One write per record keeps lines from different threads apart.
    const std::string text = line(record);
    std::fwrite(text.data(), 1, text.size(), m_out);
    std::fflush(m_out);
}

} // namespace framework
