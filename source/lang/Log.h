#pragma once

#include <cstdint>
#include <string>

/// The engine log: records with a category, source position and level, handed to every
/// registered `lang::log::Listener`. With no listener registered a log call costs one check.
namespace lang::log {

/// Severity of a record; lower is more severe.
enum Level { Audit = 0, Error, Warning, Info, Debug, Verbose };

/// The name the log shows for `level`: "AUDIT" ... "VERBOSE", "UNKNOWN" for any other value.
const char* levelName(int level);

/// One log record as listeners receive it.
struct Record {
    std::int64_t time = 0;      ///< milliseconds since 1 January 1970
    const char* file = nullptr; ///< source file of the log call; may be null
    const char* function = "";  ///< function name of the log call
    int line = 0;               ///< source line of the log call
    int level = Info;           ///< a `Level`, or any other value a caller chose
    std::string message;        ///< the formatted message
    std::string category;       ///< for example "System" or "Audio"; may be empty
};

/// Receives every record logged while it exists. Constructing registers it, destroying removes
/// it. Register and remove only while no other thread logs (start-up and shut-down): the set of
/// listeners is read without a lock. Removing a listener from inside `log` is allowed.
class Listener {
public:
    Listener();
    virtual ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    /// Called on the logging thread, possibly from several threads at once.
    virtual void log(const Record& record) = 0;
};

/// True while at least one listener is registered.
bool enabled();

/// Formats the message printf-style and hands the record to every listener in address order.
/// Returns at once, formatting nothing, when no listener is registered. Any thread.
void write(const char* category, const char* file, const char* function, int line, int level, const char* format, ...)
    __attribute__((format(printf, 6, 7)));

} // namespace lang::log

/// Logs with the caller's file, function and line. The arguments are not even evaluated while
/// no listener is registered.
#define LANG_LOG_AT(level, category, ...)                                                                              \
    do {                                                                                                               \
        if (::lang::log::enabled())                                                                                    \
            ::lang::log::write(category, __FILE__, __func__, __LINE__, level, __VA_ARGS__);                            \
    } while (false)

/// Log calls by level, with a category and a printf format checked by the compiler:
/// `LOG_WARNING("Audio", "clip %s not found", name.c_str());`
#define LOG_AUDIT(category, format, ...) LANG_LOG_AT(::lang::log::Audit, category, format __VA_OPT__(, ) __VA_ARGS__)
#define LOG_ERROR(category, format, ...) LANG_LOG_AT(::lang::log::Error, category, format __VA_OPT__(, ) __VA_ARGS__)
#define LOG_WARNING(category, format, ...)                                                                             \
    LANG_LOG_AT(::lang::log::Warning, category, format __VA_OPT__(, ) __VA_ARGS__)
#define LOG_INFO(category, format, ...) LANG_LOG_AT(::lang::log::Info, category, format __VA_OPT__(, ) __VA_ARGS__)
#define LOG_DEBUG(category, format, ...) LANG_LOG_AT(::lang::log::Debug, category, format __VA_OPT__(, ) __VA_ARGS__)
#define LOG_VERBOSE(category, format, ...)                                                                             \
    LANG_LOG_AT(::lang::log::Verbose, category, format __VA_OPT__(, ) __VA_ARGS__)
