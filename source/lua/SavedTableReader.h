#pragma once

#include "lua/LuaTable.h"

#include <string>
#include <string_view>

namespace lua {

class LuaState;

/// Reads the text that `lua::LuaTable::serialize` writes at the top level, as data: it never
/// runs anything, so a saved table from a folder anyone can write cannot loop, allocate without
/// bound or reach the interpreter's loader. Time and memory are linear in the text's length.
///
/// Accepted: "name = value" assignments separated by white space; values are table
/// constructors (positional elements, "name = value" and "[key] = value" fields with number,
/// string or boolean keys, separated by commas, a trailing comma allowed), strings in double
/// quotes with the escapes the writer emits (\a \b \t \n \v \f \r \" \' \\ and one to three
/// decimal digits up to 255), decimal numbers with an optional minus sign, "1/0", "-1/0" and
/// "0/0", and true or false. Tables nest as deep as the writer allows.
class SavedTableReader {
public:
    /// A new table of `state` holding the assignments of `text`. Anything else in the text
    /// raises `lua::LuaException` "Saved table {0} is malformed at byte {1}: {2}" (`name`,
    /// the offset, what was wrong), or the nesting message of the writer; nothing is kept then.
    static LuaTable read(LuaState& state, std::string_view text, const std::string& name);
};

} // namespace lua
