#include "LuaTestSupport.h"

#include "io/IOException.h"
#include "lua/LuaObject.h"
#include "lua/SavedTableReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using lua::LuaState;
using lua::LuaTable;
using luatest::run;
using luatest::serialized;
using testing::AnyOf;

namespace {

/// The text of the global table `name`, built by `source`.
std::string textOf(LuaState& state, const std::string& source, int indent = 0, bool nested = false) {
    run(state, "t = " + source);
    return serialized(luatest::global(state, "t"), indent, nested);
}

/// Serialises `table` and reads the text back into a fresh table.
LuaTable reloaded(LuaState& state, const LuaTable& table) {
    return lua::SavedTableReader::read(state, serialized(table), "reloaded.lua");
}

TEST(Serialize, WritesAssignmentsWithNestedConstructors) {
    LuaState state;
    EXPECT_EQ(textOf(state, "{b = {1, 2, x = 's'}}"), "b = {\n    1,2,\n    x = \"s\",\n}\n");
    EXPECT_EQ(textOf(state, "{}"), "\n");
    EXPECT_EQ(textOf(state, "{a = {}}"), "a = {\n\n}\n");
    EXPECT_EQ(textOf(state, "{a = {{1}, {}}}"), "a = {\n    {\n        1,\n    },{\n\n    },\n}\n");
    EXPECT_EQ(textOf(state, "{10, 20, [4] = 40}", 4, true), "    10,20,\n    [4] = 40,\n");
    EXPECT_THAT(textOf(state, "{flag = true, off = false}"),
                AnyOf("flag = true\noff = false\n", "off = false\nflag = true\n"));
}

TEST(Serialize, KeysThatAreNoNamesStayOutOfTheTopLevelOnly) {
    LuaState state;
    EXPECT_EQ(textOf(state, "{[1] = 1, ['end'] = 2, ['my key'] = 3, ['9lives'] = 4}"), "\n");
    EXPECT_EQ(textOf(state, "{n = {[1] = 1}}"), "n = {\n    1,\n}\n");
    EXPECT_EQ(textOf(state, "{n = {['end'] = 2}}"), "n = {\n    [\"end\"] = 2,\n}\n");
    EXPECT_EQ(textOf(state, "{n = {['my key'] = 3}}"), "n = {\n    [\"my key\"] = 3,\n}\n");
    EXPECT_THAT(
        textOf(state, "{n = {[true] = 1, [2.5] = 'x'}}"),
        AnyOf("n = {\n    [true] = 1,\n    [2.5] = \"x\",\n}\n", "n = {\n    [2.5] = \"x\",\n    [true] = 1,\n}\n"));
    EXPECT_EQ(textOf(state, "{n = {[-1] = 1}}"), "n = {\n    [-1] = 1,\n}\n");
    EXPECT_EQ(textOf(state, "{_private9 = 1}"), "_private9 = 1\n");
}

TEST(Serialize, LeavesOutWhatItCannotWrite) {
    LuaState state;
    EXPECT_EQ(textOf(state, "{f = print, co = coroutine.create(function() end), n = {print, [print] = 1}}"),
              "n = {\n\n}\n");
    lua::LuaObject object(state);
    object.set("score", 3);
    EXPECT_EQ(serialized(object), "score = 3\n") << "no _G, this or native address";
    EXPECT_EQ(textOf(state, "{n = {_G = 1, this = 2, 5}}"), "n = {\n    5,\n}\n");
}

TEST(Serialize, EscapesStringsByteByByte) {
    LuaState state;
    EXPECT_EQ(textOf(state, "{s = '\\1' .. '2'}"), "s = \"\\0012\"\n");
    EXPECT_EQ(textOf(state, "{s = '\\200a'}"), "s = \"\\200a\"\n");
    EXPECT_EQ(textOf(state, "{s = '\\0\\255'}"), "s = \"\\0\\255\"\n");
    EXPECT_EQ(textOf(state, "{s = '\\a\\b\\t\\n\\v\\f\\r\"\\'\\\\ ~\\127'}"),
              "s = \"\\a\\b\\t\\n\\v\\f\\r\\\"\\'\\\\ ~\\127\"\n");
}

TEST(Serialize, NumbersReadBackAsTheSameFloat) {
    LuaState state;
    EXPECT_EQ(textOf(state, "{n = 0.1}"), "n = 0.1\n");
    EXPECT_EQ(textOf(state, "{n = 1e30}"), "n = 1e+30\n");
    EXPECT_EQ(textOf(state, "{n = 0/0}"), "n = 0/0\n");
    EXPECT_EQ(textOf(state, "{n = -1/0}"), "n = -1/0\n");
    // "%g" alone would write 1.23457e+06 and lose the last digit.
    EXPECT_EQ(textOf(state, "{n = 1234567}"), "n = 1234567\n");
    EXPECT_EQ(textOf(state, "{n = 16777217}"), "n = 16777216\n") << "the float it crosses as";

    const std::vector<float> values = {0.1f,
                                       1234567.f,
                                       7654321.f,
                                       123456.7f,
                                       3.14159274f,
                                       -2.5e-8f,
                                       1e-45f,
                                       1e30f,
                                       3.40282347e38f,
                                       -1.17549435e-38f,
                                       16777215.f,
                                       0.3f,
                                       -0.f,
                                       std::numeric_limits<float>::denorm_min(),
                                       std::numeric_limits<float>::infinity(),
                                       -std::numeric_limits<float>::infinity()};
    LuaTable table(state);
    for (size_t i = 0; i < values.size(); ++i)
        table.set("n" + std::to_string(i), values[i]);
    table.set("nan", std::nanf(""));
    const LuaTable copy = reloaded(state, table);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(copy.getNumber("n" + std::to_string(i)), values[i]) << serialized(table);
    EXPECT_TRUE(std::isnan(copy.getNumber("nan")));
}

TEST(Serialize, RoundTripsNestedTablesAndEveryByte) {
    LuaState state;
    luatest::loadHelpers(state);
    run(state,
        "bytes = {} for i = 0, 255 do bytes[#bytes + 1] = string.char(i) .. '7' end\n"
        "t = {all = table.concat(bytes), list = {1, 2, 3, {4, {5, 'six'}}}, mixed = {1, 2, x = {y = {z = true}}},\n"
        "     keys = {['end'] = 1, ['a b'] = 2, [true] = 3, [false] = 4, [-3] = 5, [0.5] = 6, [''] = 7},\n"
        "     sparse = {[1] = 'a', [3] = 'c'}, holes = {1, nil, 3, nil, nil, 6, [-1] = {[true] = {}}},\n"
        "     empty = {}, quote = 'say \"hi\"\\n\\\\', big = 3e38, tiny = -1e-38, yes = true, no = false,\n"
        "     escapes = '\\a\\b\\t\\n\\v\\f\\r\\\"\\'\\\\\\0001\\200x\\255'}");
    const LuaTable original = luatest::global(state, "t");
    EXPECT_TRUE(luatest::deepEqual(state, original, reloaded(state, original))) << serialized(original);
    EXPECT_EQ(state.getTop(), 0);
}

/// Accepts a number of bytes, then fails like a full disk.
class FullDisk : public io::OutputStream {
public:
    explicit FullDisk(int room) : m_room(room) {}
    int write(const void*, int count) override {
        m_room -= count;
        if (m_room < 0)
            throw io::IOException(lang::Format("Failed to write {0} bytes to {1}", count, "full"));
        return count;
    }
    std::string toString() override { return "full"; }

private:
    int m_room;
};

TEST(Serialize, AWriteFailureComesOutAndLeavesTheStack) {
    LuaState state;
    run(state, "t = {a = {b = {c = {d = 'deep enough'}}}}");
    state.pushString("bottom");
    FullDisk disk(20);
    EXPECT_THROW(luatest::global(state, "t").serialize(disk), io::IOException);
    EXPECT_EQ(state.getTop(), 1);
}

TEST(Serialize, NestingIsBoundedSoThatATableContainingItselfFails) {
    LuaState state;
    luatest::loadHelpers(state);
    // 200 levels, the table itself included, are written and read back; 201 are neither.
    const std::string chain = "local t = deep for i = 1, 199 do t.next = {} t = t.next end";
    run(state, "deep = {} " + chain);
    const LuaTable deep = luatest::global(state, "deep");
    EXPECT_TRUE(luatest::deepEqual(state, deep, reloaded(state, deep)));
    run(state, "deep = {next = deep}");
    EXPECT_EQ(luatest::messageOf([&] { reloaded(state, luatest::global(state, "deep")); }),
              "Tables nested deeper than 200 levels (does a table contain itself?)");
    const auto nested = [](int levels) { return "a = " + std::string(levels, '{') + std::string(levels, '}'); };
    EXPECT_EQ(lua::SavedTableReader::read(state, nested(199), "deep.lua").count(), 1);
    EXPECT_EQ(luatest::messageOf([&] { lua::SavedTableReader::read(state, nested(200), "deep.lua"); }),
              "Tables nested deeper than 200 levels (does a table contain itself?)");

    run(state, "t = {} t.again = {t}");
    io::ByteArrayOutputStream sink;
    EXPECT_EQ(luatest::messageOf([&] { luatest::global(state, "t").serialize(sink); }),
              "Tables nested deeper than 200 levels (does a table contain itself?)");
    EXPECT_EQ(state.getTop(), 0);
}

TEST(SavedTableReader, ReadsTheWritersSyntaxWithAnySpacing) {
    LuaState state;
    luatest::loadHelpers(state);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "{}"},
        {" \t\r\n\v\f", "{}"},
        {"a=1 b =-2.5e+3\tc\n=\n- 1 / 0", "{a = 1, b = -2500, c = -1/0}"},
        {"n = {1 , 2,\n[ 4 ]= 4 , x = .5, [\"y z\"] = \"\\0651\", [true] = false, [-1e-2] = {}}",
         "{n = {1, 2, [4] = 4, x = 0.5, ['y z'] = 'A1', [true] = false, [-0.01] = {}}}"},
        {"a = {true, false,}", "{a = {true, false}}"},
        {"a = 1 a = 2", "{a = 2}"},
        {"trueish = {falsely = 1}", "{trueish = {falsely = 1}}"},
    };
    for (const auto& [text, expected] : cases) {
        run(state, "expected = " + expected);
        EXPECT_TRUE(luatest::deepEqual(state, luatest::global(state, "expected"),
                                       lua::SavedTableReader::read(state, text, "case.lua")))
            << text;
    }
    EXPECT_EQ(state.getTop(), 0);
}

TEST(SavedTableReader, RefusesAnythingButData) {
    LuaState state;
    const std::vector<std::string> refused = {
        // What an attacker would like to run: 4 GB of memory, a search that never ends.
        "a = (\"x\"):rep(2^30)",
        "a = (\"a\"):rep(26):find((\"a*\"):rep(26) .. \"b\")",
        std::string("\x1bLua\x51\x00\x01\x04\x08\x04\x08\x00", 12),
        "a = f()",
        "a = b",
        "a = 1 + 1",
        "a = 2/3",
        "a = - -1",
        "a = 0x10",
        "a = 1e",
        "a = 1.2.3",
        "a = 1b",
        "a = inf",
        "a = nil",
        "a = 'single'",
        "a = [[long]]",
        "a = \"\\q\"",
        "a = \"\\256\"",
        "a = \"two\nlines\"",
        "a = \"unfinished",
        "a = {1, 2",
        "a = {1; 2}",
        "a = {,}",
        "a = {[{}] = 1}",
        "a = {[0/0] = 1}",
        "a = {[1] 1}",
        "a = {end = 1}",
        "a = 1 -- a comment",
        "a",
        "a =",
        "end = 1",
        "a.b = 1",
        "local a = 1",
        "return {}",
        "a = 1;",
        "\"a\" = 1",
    };
    for (const std::string& text : refused) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(lua::SavedTableReader::read(state, text, "bad.lua"), lua::LuaException) << text;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100)) << text;
    }
    EXPECT_EQ(luatest::messageOf([&] { lua::SavedTableReader::read(state, "a = 1\nb = f()", "bad.lua"); }),
              "Saved table bad.lua is malformed at byte 10: a value expected");
    EXPECT_EQ(state.getTop(), 0);
}

} // namespace
