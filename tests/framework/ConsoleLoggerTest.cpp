#include "framework/ConsoleLogger.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

lang::log::Record record(const char* file, const char* category, int level, const char* message) {
    lang::log::Record r;
    r.file = file;
    r.line = 42;
    r.level = level;
    r.category = category;
    r.message = message;
    return r;
}

TEST(ConsoleLoggerTest, LineFormats) {
    using framework::ConsoleLogger;
    EXPECT_EQ(ConsoleLogger::line(record(nullptr, "Host", lang::log::Error, "bare {0} text")), "bare {0} text");
    EXPECT_EQ(ConsoleLogger::line(record("a/b.cpp", "", lang::log::Warning, "no category")),
              "a/b.cpp(42): [WARNING]: no category\n");
    EXPECT_EQ(ConsoleLogger::line(record("a/b.cpp", "Renderer", lang::log::Info, "braces {0} and \\ stay")),
              "a/b.cpp(42): [INFO] (Renderer): braces {0} and \\ stay\n");
    EXPECT_EQ(ConsoleLogger::line(record("x.cpp", "", 17, "odd level")), "x.cpp(42): [UNKNOWN]: odd level\n");
}

TEST(ConsoleLoggerTest, WritesWhileRegistered) {
    std::FILE* out = std::tmpfile();
    {
        framework::ConsoleLogger logger(out);
        LOG_ERROR("Host", "value %d", 7);
    }
    LOG_ERROR("Host", "after removal");
    std::rewind(out);
    char text[256] = {};
    const std::size_t size = std::fread(text, 1, sizeof text - 1, out);
    std::fclose(out);
    const std::string written(text, size);
    EXPECT_NE(written.find("): [ERROR] (Host): value 7\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("after removal"), std::string::npos);
    EXPECT_EQ(written.rfind(__FILE__, 0), 0u) << written;
}

} // namespace
