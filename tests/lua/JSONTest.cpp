#include "LuaTestSupport.h"

#include "lang/Exception.h"
#include "lua/JSONExporter.h"
#include "lua/JSONImporter.h"
#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using lua::JSONExporter;
using lua::JSONImporter;
using lua::LuaException;
using lua::LuaState;
using lua::LuaTable;
using luatest::run;

namespace {

std::string exported(LuaState& state, const std::string& constructor) {
    run(state, "exported = " + constructor);
    JSONExporter exporter;
    luatest::global(state, "exported").accept(exporter);
    exporter.finish();
    return exporter.text();
}

TEST(JSONExporter, WritesArraysObjectsAndValues) {
    LuaState state;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{}", "{}"},
        {"{1, 2, 3}", "[1,2,3]"},
        {"{a = true}", "{\"a\":true}"},
        {"{0.1}", "[0.1000000014901161]"},
        {"{-2.5e10, 1/0 > 0}", "[-24999999488,true]"},
        {"{0/0, 1/0, -1/0, 2}", "[null,null,null,2]"},
        {"{n = 0/0}", "{\"n\":null}"},
        {"{a = {}}", "{\"a\":{}}"},
        {"{{}, {b = 'x'}, {1, {false}}}", "[{},{\"b\":\"x\"},[1,[false]]]"},
        {"{_G = _G, f = print, n = 1}", "{\"n\":1}"},
    };
    for (const auto& [constructor, json] : cases)
        EXPECT_EQ(exported(state, constructor), json) << constructor;
    EXPECT_EQ(state.getTop(), 0);
}

TEST(JSONExporter, EscapesKeysAndStrings) {
    LuaState state;
    EXPECT_EQ(exported(state, "{'a/b'}"), "[\"a\\/b\"]");
    EXPECT_EQ(exported(state, "{'tab\\there'}"), "[\"tab\\there\"]");
    EXPECT_EQ(exported(state, "{'\\1\\31\\127 \\b\\f\\n\\r'}"), "[\"\\u0001\\u001f\x7F \\b\\f\\n\\r\"]");
    EXPECT_EQ(exported(state, "{['q\"\\\\'] = 'caf\\195\\169'}"), "{\"q\\\"\\\\\":\"caf\xC3\xA9\"}");
}

TEST(JSONExporter, RefusesKeysOfOtherTypesAndEndlessNesting) {
    LuaState state;
    run(state, "t = {[true] = 1} cycle = {} cycle.self = cycle");
    JSONExporter exporter;
    EXPECT_EQ(luatest::messageOf([&] { luatest::global(state, "t").accept(exporter); }),
              "Excepted type NUMBER at stack position -2 but found BOOLEAN (call stack not available)");
    EXPECT_THROW(luatest::global(state, "cycle").accept(exporter), LuaException);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(JSONImporter, BuildsTablesFromObjectsAndArrays) {
    LuaState state;
    LuaTable root(state);
    root.set("kept", "yes");
    JSONImporter::import(R"({"a":[1,null,3],"b":{"c":"x"},"n":0.1,"t":true,"f":false,"z":null,
                             "u":"\u00e9\n","deep":[[1,2],[{"k":[]}]]})",
                         root);
    const LuaTable a = root.getTable("a");
    EXPECT_EQ(a.getNumber(1), 1);
    EXPECT_TRUE(a.isNil(2));
    EXPECT_EQ(a.getNumber(3), 3);
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(root.getTable("b").getString("c"), "x");
    EXPECT_EQ(root.getNumber("n"), 0.1f);
    EXPECT_TRUE(root.getBoolean("t"));
    EXPECT_TRUE(root.isBoolean("f"));
    EXPECT_FALSE(root.getBoolean("f"));
    EXPECT_TRUE(root.isNil("z"));
    EXPECT_EQ(root.getString("u"), "\xC3\xA9\n");
    EXPECT_EQ(root.getTable("deep").getTable(1).getNumber(2), 2);
    EXPECT_EQ(root.getTable("deep").getTable(2).getTable(1).getTable("k").count(), 0);
    EXPECT_EQ(root.getString("kept"), "yes");
    EXPECT_EQ(state.getTop(), 0);
}

TEST(JSONImporter, InvalidTextRaisesWhereParsingFailedAndChangesNothing) {
    LuaState state;
    LuaTable root(state);
    EXPECT_EQ(luatest::messageOf<lang::Exception>([&] { JSONImporter::import(R"({"a":1, "b":tru})", root); }),
              "JSON parsing failed here: tru}");
    EXPECT_EQ(root.count(), 0);
    EXPECT_THROW(JSONImporter::import("", root), lang::Exception);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(JSONImporter, ATopLevelArrayHasNoNamesToStoreUnder) {
    LuaState state;
    LuaTable root(state);
    EXPECT_EQ(luatest::messageOf([&] { JSONImporter::import("[1,2]", root); }),
              "table index is nil (call stack not available)");
    EXPECT_THROW(JSONImporter::import("[[1]]", root), LuaException);
    EXPECT_EQ(root.count(), 0);
    EXPECT_EQ(state.getTop(), 0);
}

TEST(JSONImporter, ReadsBackWhatTheExporterWrote) {
    LuaState state;
    luatest::loadHelpers(state);
    const std::string json =
        exported(state, "{name = 'red \\\"bird\\\"/\\1', score = 1234567, ratio = 0.25, alive = false,"
                        " levels = {{id = 1, stars = {3, 2}}, {id = 2, stars = {}}}, empty = {}}");
    LuaTable copy(state);
    JSONImporter::import(json, copy);
    EXPECT_TRUE(luatest::deepEqual(state, luatest::global(state, "exported"), copy)) << json;
}

} // namespace
