#pragma once

#include "lua/LuaTable.h"
#include "util/JSONVisitor.h"

#include <string>
#include <vector>

namespace lua {

/// Builds Lua tables from a walked JSON document. The root table receives the members of the
/// top-level object; JSON arrays become tables indexed from 1 (a null leaves a hole), objects
/// become tables with string keys, numbers are stored as 32-bit floats.
class JSONImporter : public util::JSONVisitor {
public:
    /// Fills `root`, which becomes the first, object-mode frame.
    explicit JSONImporter(const LuaTable& root);
    ~JSONImporter() override;

    /// Parses `text` with cJSON and walks the items inside its top-level value into `visitor`.
    /// Invalid JSON raises `lang::Exception` "JSON parsing failed here: {0}" with the text from
    /// the error position on, before any visitor call.
    static void walk(const std::string& text, util::JSONVisitor& visitor);
    /// Parses `text` into `root`. The top-level value must be an object: the unnamed members of
    /// an array would be stored under nil keys, which raises `lua::LuaException`.
    static void import(const std::string& text, const LuaTable& root);

    void nullValue(const char* key) override;
    void booleanValue(const char* key, bool value) override;
    void numberValue(const char* key, double value) override;
    void stringValue(const char* key, const char* value) override;
    void beginObject(const char* key) override;
    void endObject() override;
    void beginArray(const char* key) override;
    void endArray() override;

private:
    struct Frame {
        LuaTable table;
        /// The index of the next array element; -1 in an object.
        int next;
    };

    /// Stores a value in the current frame: under `key` in an object, at the next index in an array.
    template <class Value> void store(const char* key, const Value& value);
    /// Stores a new table and makes it the current frame.
    void open(const char* key, int next);

    std::vector<Frame> m_frames;
};

} // namespace lua
