#pragma once

namespace lua {

/// Receives the entries of a table walked by `lua::LuaTable::accept`. Entries under number
/// keys arrive with the key truncated to an int index, entries under string keys with the key;
/// nested tables arrive between `beginTable` and `endTable`. A table holds no nil values, so
/// there is no operation for them.
class LuaTableVisitor {
public:
    virtual ~LuaTableVisitor();

    virtual void booleanAtIndex(int index, bool value) = 0;
    /// Numbers pass through a 32-bit float.
    virtual void numberAtIndex(int index, double value) = 0;
    virtual void stringAtIndex(int index, const char* value) = 0;
    virtual void booleanAtKey(const char* key, bool value) = 0;
    virtual void numberAtKey(const char* key, double value) = 0;
    virtual void stringAtKey(const char* key, const char* value) = 0;
    /// A nested table under `key`, or at an index when `key` is null.
    virtual void beginTable(const char* key) = 0;
    virtual void endTable() = 0;
    /// Called by the owner of the walk once it is over; the walk itself does not.
    virtual void finish() = 0;
};

} // namespace lua
