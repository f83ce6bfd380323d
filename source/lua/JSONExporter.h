#pragma once

#include "lua/LuaTableVisitor.h"

#include <string>
#include <utility>
#include <vector>

namespace lua {

/// Writes a walked table as JSON text: `table.accept(exporter)`, then `exporter.finish()`.
/// A table is an array when its first entry has a number key and an object otherwise (tables
/// that mix both are not supported); an empty table is "{}". Numbers use "%.16g".
class JSONExporter : public LuaTableVisitor {
public:
    JSONExporter();
    ~JSONExporter() override;

    /// The JSON document, complete once `finish` was called.
    const std::string& text() const { return m_text; }

    void booleanAtIndex(int index, bool value) override;
    void numberAtIndex(int index, double value) override;
    void stringAtIndex(int index, const char* value) override;
    void booleanAtKey(const char* key, bool value) override;
    void numberAtKey(const char* key, double value) override;
    void stringAtKey(const char* key, const char* value) override;
    void beginTable(const char* key) override;
    void endTable() override;
    void finish() override;

private:
    /// Opens the array ("[") or separates (","), counting the elements.
    void beginElement();
    /// Opens the object ("{") or separates (","), then writes the quoted key and ':'.
    void beginMember(const char* key);
    void appendNumber(double value);
    void appendString(const char* text);

    std::string m_text;
    bool m_first = true;
    int m_index = -1;
    std::vector<std::pair<bool, int>> m_saved;
};

} // namespace lua
