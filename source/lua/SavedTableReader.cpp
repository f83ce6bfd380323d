// A parser of the saved-table text that builds the tables through the raw C interface.
#include "lua/SavedTableReader.h"

#include "lua/LuaException.h"
#include "lua/LuaState.h"
#include "lua/SavedTableSyntax.h"
#include "lua/StackGuard.h"
#include "lua/TableDepth.h"

#include <lua.hpp>

#include <cmath>
#include <cstdlib>
#include <string>

namespace lua {

namespace {

/// One pass over the text; every value read is pushed onto the Lua stack.
class Parser {
public:
    Parser(LuaState& state, lua_State* interpreter, std::string_view text, const std::string& name)
        : m_state(state), m_interpreter(interpreter), m_text(text), m_name(name) {}

    /// The assignments, into the table at the absolute index `table`.
    void readAssignments(int table) {
        for (skipSpace(); m_at < m_text.size(); skipSpace()) {
            pushName();
            expect('=');
            pushValue(1);
            lua_rawset(m_interpreter, table);
        }
    }

private:
    [[noreturn]] void fail(const char* what) const {
        throw LuaException(
            lang::Format("Saved table {0} is malformed at byte {1}: {2}", m_name, std::to_string(m_at), what));
    }

    /// The next byte, or 0 at the end (a zero byte outside a string is refused anyway).
    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    void skipSpace() {
        static constexpr std::string_view kSpace = " \t\n\r\v\f";
        while (m_at < m_text.size() && kSpace.find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
    }

    void expect(char token) {
        skipSpace();
        if (peek() != token)
            fail(token == '=' ? "'=' expected" : token == ']' ? "']' expected" : "'}' or ',' expected");
        ++m_at;
    }

    std::string_view word() {
        const size_t start = m_at;
        while (isNameStart(peek()) || isDigit(peek()))
            ++m_at;
        return m_text.substr(start, m_at - start);
    }

    void pushName() {
        const size_t start = m_at;
        const std::string_view name = word();
        if (!isIdentifier(name)) {
            m_at = start;
            fail("a name expected");
        }
        lua_pushlstring(m_interpreter, name.data(), name.size());
    }

    /// Pushes the value that starts here; `depth` is that of the table it goes into.
    void pushValue(int depth) {
        skipSpace();
        const char c = peek();
        if (c == '{')
            pushTable(depth + 1);
        else if (c == '"')
            pushString();
        else if (c == '-' || c == '.' || isDigit(c))
            lua_pushnumber(m_interpreter, readNumber());
        else if (startsBoolean())
            lua_pushboolean(m_interpreter, word() == "true");
        else
            fail("a value expected");
    }

    void pushTable(int depth) {
        checkTableDepth(depth);
        // The table, a key and a value at each level.
        m_state.checkStack(3);
        ++m_at;
        lua_newtable(m_interpreter);
        const int table = lua_gettop(m_interpreter);
        lua_Number next = 1;
        for (skipSpace(); peek() != '}'; skipSpace()) {
            if (peek() == '[') {
                ++m_at;
                pushKey(depth);
                expect(']');
                expect('=');
                pushValue(depth);
                lua_rawset(m_interpreter, table);
            } else if (isNameStart(peek()) && !startsBoolean()) {
                pushName();
                expect('=');
                pushValue(depth);
                lua_rawset(m_interpreter, table);
            } else {
                lua_pushnumber(m_interpreter, next++);
                pushValue(depth);
                lua_rawset(m_interpreter, table);
            }
            skipSpace();
            if (peek() != ',')
                break;
            ++m_at;
        }
        expect('}');
    }

    /// A number, string or boolean; a NaN is no key.
    void pushKey(int depth) {
        skipSpace();
        if (peek() == '{')
            fail("a table is no key");
        pushValue(depth);
        if (lua_type(m_interpreter, -1) == LUA_TNUMBER && std::isnan(lua_tonumber(m_interpreter, -1)))
            fail("NaN is no key");
    }

    bool startsBoolean() const {
        for (const std::string_view literal : {"true", "false"}) {
            if (m_text.substr(m_at, literal.size()) == literal) {
                const char after = m_at + literal.size() < m_text.size() ? m_text[m_at + literal.size()] : '\0';
                if (!isNameStart(after) && !isDigit(after))
                    return true;
            }
        }
        return false;
    }

    /// An optional minus sign, a decimal numeral, and for NaN and the infinities "/0".
    lua_Number readNumber() {
        const bool negative = peek() == '-';
        if (negative) {
            ++m_at;
            skipSpace();
        }
        lua_Number value = readNumeral();
        skipSpace();
        if (peek() == '/') {
            ++m_at;
            skipSpace();
            if (readNumeral() != 0 || (value != 0 && value != 1))
                fail("only 0/0, 1/0 and -1/0 are divisions");
            value = value == 0 ? NAN : HUGE_VAL;
        }
        return negative ? -value : value;
    }

    /// Digits with an optional decimal point and exponent, as "%g" writes them.
    lua_Number readNumeral() {
        const size_t start = m_at;
        while (isDigit(peek()) || peek() == '.')
            ++m_at;
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            while (isDigit(peek()))
                ++m_at;
        }
        const std::string numeral(m_text.substr(start, m_at - start));
        char* end = nullptr;
        const lua_Number value = std::strtod(numeral.c_str(), &end);
        if (numeral.empty() || end != numeral.c_str() + numeral.size() || isNameStart(peek()) || isDigit(peek()))
            fail("a malformed number");
        return value;
    }

    void pushString() {
        ++m_at;
        m_buffer.clear();
        for (;;) {
            if (m_at >= m_text.size() || peek() == '\n' || peek() == '\r')
                fail("an unfinished string");
            const char c = m_text[m_at++];
            if (c == '"')
                break;
            m_buffer += c == '\\' ? readEscape() : c;
        }
        lua_pushlstring(m_interpreter, m_buffer.data(), m_buffer.size());
    }

    char readEscape() {
        const char c = peek();
        for (const auto& [byte, letter] : kNamedEscapes) {
            if (c == letter) {
                ++m_at;
                return byte;
            }
        }
        if (!isDigit(c))
            fail("an invalid escape");
        unsigned value = 0;
        for (int digits = 0; digits < 3 && isDigit(peek()); ++digits)
            value = value * 10 + static_cast<unsigned>(m_text[m_at++] - '0');
        if (value > 255)
            fail("an escape above 255");
        return static_cast<char>(value);
    }

    LuaState& m_state;
    lua_State* m_interpreter;
    std::string_view m_text;
    const std::string& m_name;
    size_t m_at = 0;
    std::string m_buffer;
};

} // namespace

LuaTable SavedTableReader::read(LuaState& state, std::string_view text, const std::string& name) {
    LuaTable table(state);
    lua_State* L = state.interpreter();
    StackGuard guard(state, L, 3);
    table.push();
    Parser(state, L, text, name).readAssignments(lua_gettop(L));
    return table;
}

} // namespace lua
