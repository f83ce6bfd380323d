// Theme layers read from the theme tables of "blockTable".
#include "ThemeLayerLua.h"

#include "lua/LuaTable.h"

namespace {

float numberOr(const lua::LuaTable& table, const lua::TableKey& key, float fallback) {
    return table.isNumber(key) ? table.getNumber(key) : fallback;
}

bool isParticleLayer(const lua::LuaTable& table) { return table.isString(1) && table.getString(1) == "particles"; }

/// The entries both lists' sprite layers share.
ThemeLayer readSpriteLayer(const lua::LuaTable& table) {
    ThemeLayer layer;
    layer.name = table.getString(1);
    layer.spriteName = table.getString(2);
    layer.spriteParallax = numberOr(table, 3, 1.0f);
    layer.parallax = numberOr(table, 4, 1.0f);
    layer.velocity = numberOr(table, "v", 0.0f);
    layer.wobbleAmplitude = numberOr(table, "scaleWobbleY", 0.0f);
    return layer;
}

ThemeLayer particleLayer() {
    ThemeLayer layer;
    layer.name = "particles";
    layer.deferred = true;
    return layer;
}

} // namespace

ThemeLayer readBackgroundLayer(const lua::LuaTable& table) {
    if (table.isTable("rect")) {
        const lua::LuaTable rect = table.getTable("rect");
        ThemeLayer layer;
        layer.name = table.getString(1);
        layer.colourOnly = true;
        layer.colour = {roundColourByte(rect.getNumber("r")), roundColourByte(rect.getNumber("g")),
                        roundColourByte(rect.getNumber("b")), roundColourByte(rect.getNumber("a"))};
        return layer;
    }
    if (isParticleLayer(table))
        return particleLayer();
    ThemeLayer layer = readSpriteLayer(table);
    layer.tiled = table.isBoolean(5) ? table.getBoolean(5) : true;
    layer.extent = numberOr(table, 6, 4.0f);
    return layer;
}

ThemeLayer readForegroundLayer(const lua::LuaTable& table) {
    if (isParticleLayer(table))
        return particleLayer();
    ThemeLayer layer = readSpriteLayer(table);
    layer.water = table.isBoolean("water") && table.getBoolean("water");
    return layer;
}

ThemeColour readThemeColour(const lua::LuaTable& theme, const char* key) {
    const lua::LuaTable colour = theme.getTable(key);
    return {colour.getNumber("r"), colour.getNumber("g"), colour.getNumber("b")};
}
