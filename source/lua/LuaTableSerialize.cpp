// The text form of saved tables: Lua assignments that `lua::SavedTableReader` reads back
// (and that Lua itself would run, with the table as the environment, to the same effect).
#include "lua/LuaTable.h"

#include "io/OutputStream.h"
#include "lua/LuaState.h"
#include "lua/NumberText.h"
#include "lua/SavedTableSyntax.h"
#include "lua/StackGuard.h"
#include "lua/TableDepth.h"

#include <lua.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace lua {

namespace {

/// The letter of the escape of a byte that has a named one in a Lua string literal, else 0.
char namedEscape(char byte) {
    for (const auto& [escaped, letter] : kNamedEscapes)
        if (escaped == byte)
            return letter;
    return 0;
}

bool isWritableKey(int type) { return type == LUA_TBOOLEAN || type == LUA_TNUMBER || type == LUA_TSTRING; }

bool isWritableValue(int type) { return isWritableKey(type) || type == LUA_TTABLE; }

/// Writes tables piece by piece straight to the stream.
class SavedTableWriter {
public:
    SavedTableWriter(LuaState& state, lua_State* interpreter, io::OutputStream& output)
        : m_state(state), m_interpreter(interpreter), m_output(output) {}

    /// The entries of the table at the absolute index `table`.
    void writeTable(int table, int indent, bool nested) {
        checkTableDepth(++m_depth);
        StackGuard guard(m_state, m_interpreter, 2);
        Layout layout;
        lua_pushnil(m_interpreter);
        while (lua_next(m_interpreter, table)) {
            const int value = lua_gettop(m_interpreter);
            writeEntry(value - 1, value, indent, nested, layout);
            lua_pop(m_interpreter, 1);
        }
        if (layout.arrayMode)
            write("\n");
        --m_depth;
    }

private:
    struct Layout {
        /// Entries 1, 2, 3... so far, written on one line.
        bool arrayMode = true;
        bool firstLine = true;
        int expected = 1;
    };

    std::string_view stringAt(int index) const {
        size_t length = 0;
        const char* text = lua_tolstring(m_interpreter, index, &length);
        return {text, length};
    }

    void writeEntry(int key, int value, int indent, bool nested, Layout& layout) {
        const int keyType = lua_type(m_interpreter, key);
        if (!isWritableKey(keyType) || !isWritableValue(lua_type(m_interpreter, value)))
            return;
        const bool identifier = keyType == LUA_TSTRING && isIdentifier(stringAt(key));
        // The top level holds only "name = value" lines.
        if (!nested && !identifier)
            return;
        if (layout.arrayMode && keyType == LUA_TNUMBER &&
            static_cast<float>(lua_tonumber(m_interpreter, key)) == static_cast<float>(layout.expected)) {
            if (layout.firstLine)
                writeBlanks(indent);
            writeValue(value, indent);
            write(",");
            ++layout.expected;
            layout.firstLine = false;
            return;
        }
        if (layout.arrayMode) {
            layout.arrayMode = false;
            if (!layout.firstLine)
                write("\n");
        }
        // The fixed entries of `lua::LuaObject` tables.
        if (keyType == LUA_TSTRING && (stringAt(key) == "_G" || stringAt(key) == "this"))
            return;
        writeBlanks(indent);
        if (identifier) {
            write(stringAt(key));
        } else {
            write("[");
            writeValue(key, indent);
            write("]");
        }
        write(" = ");
        writeValue(value, indent);
        write(nested ? ",\n" : "\n");
        layout.firstLine = false;
    }

    void writeValue(int index, int indent) {
        switch (lua_type(m_interpreter, index)) {
        case LUA_TBOOLEAN:
            write(lua_toboolean(m_interpreter, index) ? "true" : "false");
            break;
        case LUA_TNUMBER:
            writeNumber(static_cast<float>(lua_tonumber(m_interpreter, index)));
            break;
        case LUA_TSTRING:
            writeString(stringAt(index));
            break;
        case LUA_TTABLE:
            write("{\n");
            writeTable(index, indent + 4, true);
            writeBlanks(indent);
            write("}");
            break;
        default:
            break;
        }
    }

    /// The shortest text that reads back as the same float (`lua::numberText`); NaN and the
    /// infinities are written as expressions.
    void writeNumber(float value) {
        if (std::isnan(value)) {
            write("0/0");
            return;
        }
        if (std::isinf(value)) {
            write(value > 0 ? "1/0" : "-1/0");
            return;
        }
        write(numberText(value));
    }

    /// Printable bytes as they are, named escapes, and every other byte as its decimal value;
    /// three digits when a digit follows, which would otherwise continue the escape.
    void writeString(std::string_view text) {
        write("\"");
        size_t plainStart = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            const char letter = namedEscape(text[i]);
            if (!letter && byte >= 32 && byte <= 126)
                continue;
            write(text.substr(plainStart, i - plainStart));
            char escape[8] = {'\\', letter, 0};
            if (!letter) {
                const bool digitFollows = i + 1 < text.size() && isDigit(text[i + 1]);
                std::snprintf(escape, sizeof escape, digitFollows ? "\\%03u" : "\\%u", byte);
            }
            write(escape);
            plainStart = i + 1;
        }
        write(text.substr(plainStart));
        write("\"");
    }

    void writeBlanks(int count) {
        static constexpr std::string_view kBlanks = "                                ";
        for (; count > 0; count -= static_cast<int>(kBlanks.size()))
            write(kBlanks.substr(0, std::min(static_cast<size_t>(count), kBlanks.size())));
    }

    void write(std::string_view piece) {
        if (!piece.empty())
            m_output.write(piece.data(), static_cast<int>(piece.size()));
    }

    LuaState& m_state;
    lua_State* m_interpreter;
    io::OutputStream& m_output;
    int m_depth = 0;
};

} // namespace

void LuaTable::serialize(io::OutputStream& output, int indent, bool nested) const {
    lua_State* L = interpreter();
    StackGuard guard(*m_state, L, 1);
    push();
    SavedTableWriter(*m_state, L, output).writeTable(lua_gettop(L), indent, nested);
}

} // namespace lua
