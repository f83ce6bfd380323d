#include "lang/Log.h"

#include "lang/Mutex.h"
#include "lang/System.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <set>
#include <vector>

namespace lang::log {

namespace {

// Exists exactly while a listener is registered. Held by shared pointer so that a record being
// handed out keeps it alive even if its last listener is removed from inside `log`.
struct Registry {
    std::set<Listener*> listeners;
    std::vector<char> buffer = std::vector<char>(512);
    Mutex mutex;
};

std::atomic<std::shared_ptr<Registry>> s_registry;

// Formats into the shared buffer, growing it until the whole text fits, and returns the text.
std::string formatMessage(Registry& registry, const char* format, va_list arguments) {
    MutexLock lock(registry.mutex);
    std::vector<char>& buffer = registry.buffer;
    for (;;) {
        va_list attempt;
        va_copy(attempt, arguments);
        const int length = std::vsnprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (length < 0)
            buffer.resize(buffer.size() * 2); // too small, and no hint how much is needed
        else if (static_cast<std::size_t>(length) >= buffer.size())
            buffer.resize(static_cast<std::size_t>(length) + 1);
        else
            return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
}

} // namespace

const char* levelName(int level) {
    static const char* const kNames[] = {"AUDIT", "ERROR", "WARNING", "INFO", "DEBUG", "VERBOSE"};
    return level >= Audit && level <= Verbose ? kNames[level] : "UNKNOWN";
}

Listener::Listener() {
    std::shared_ptr<Registry> registry = s_registry.load();
    if (!registry) {
        registry = std::make_shared<Registry>();
        s_registry.store(registry);
    }
    registry->listeners.insert(this);
}

Listener::~Listener() {
    std::shared_ptr<Registry> registry = s_registry.load();
    registry->listeners.erase(this);
    if (registry->listeners.empty())
        s_registry.store(nullptr);
}

bool enabled() { return s_registry.load() != nullptr; }

void write(const char* category, const char* file, const char* function, int line, int level, const char* format, ...) {
    const std::shared_ptr<Registry> registry = s_registry.load();
    if (!registry)
        return;

    Record record;
    record.time = System::wallTimeMillis();
    record.file = file;
    record.function = function;
    record.line = line;
    record.level = level;
    record.category = category ? category : "";
    va_list arguments;
    va_start(arguments, format);
    record.message = formatMessage(*registry, format, arguments);
    va_end(arguments);

    // Step by address rather than by iterator: a listener may remove itself or another one.
    auto& listeners = registry->listeners;
    for (auto it = listeners.begin(); it != listeners.end();) {
        Listener* const listener = *it;
        listener->log(record);
        it = listeners.upper_bound(listener);
    }
}

} // namespace lang::log
