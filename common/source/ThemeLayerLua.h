#pragma once

#include "ThemeLayer.h"

namespace lua {
class LuaTable;
}

/// Builds a background layer from its table in a theme's "bgLayers": a colour fill when "rect"
/// holds a table (numbers "r", "g", "b", "a"), a particle layer when [1] is "particles", else
/// a sprite layer. Sprite measurements are left to the caller.
ThemeLayer readBackgroundLayer(const lua::LuaTable& table);
/// Builds a foreground layer from its table in a theme's "fgLayers": a particle layer, or a
/// sprite layer that "water" = true marks as water. Sprite measurements are left to the caller.
ThemeLayer readForegroundLayer(const lua::LuaTable& table);
/// The colour under `key` of a theme (a table of numbers "r", "g", "b"). Raises
/// `lua::LuaException` when there is no table.
ThemeColour readThemeColour(const lua::LuaTable& theme, const char* key);
