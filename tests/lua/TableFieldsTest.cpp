// Field access to many tables through interned keys.
#include "lua/TableFields.h"
#include "lua/LuaState.h"
#include "lua/LuaTable.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kKeys[] = {"x", "flag", "missing"};
enum { kX, kFlag, kMissing };

TEST(TableFieldsTest, AddressesTheSelectedTableAndRestoresTheStack) {
    lua::LuaState state;
    const lua::LuaTable first(state);
    const lua::LuaTable second(state);
    first.set("flag", 1.0f);
    second.set("x", "2.5");
    const int top = state.getTop();
    {
        lua::TableFields fields(state, kKeys);
        fields.select(first);
        fields.set(kX, 7.0f);
        EXPECT_FALSE(fields.isTrue(kFlag)) << "only the boolean true is true";
        fields.select(second);
        EXPECT_EQ(fields.getNumber(kX), 2.5f) << "numeric strings read as numbers";
        fields.set(kFlag, true);
        EXPECT_TRUE(fields.isTrue(kFlag));
        EXPECT_TRUE(fields.isNil(kMissing));
        EXPECT_FALSE(fields.isNil(kX));
    }
    EXPECT_EQ(state.getTop(), top);
    EXPECT_EQ(first.getNumber("x"), 7.0f);
    EXPECT_TRUE(second.getBoolean("flag"));
    EXPECT_TRUE(second.isNil("missing"));
}

} // namespace
