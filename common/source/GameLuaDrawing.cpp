// Drawing natives.
#include "GameLua.h"

#include "ColourBytes.h"
#include "NineSliceBox.h"
#include "game/AnchorPoint.h"
#include "game/Resources.h"
#include "lang/Truncate.h"
#include "lua/LuaState.h"
#include "renderer/Context.h"

#include <cstdint>

namespace {

/// A colour of components 0..255 (not scaled), 0xAARRGGBB.
std::uint32_t byteColour(float red, float green, float blue, float alpha) {
    return packArgb(byteComponent(alpha), byteComponent(red), byteComponent(green), byteComponent(blue));
}

float numberOr(const lua::LuaTable& table, const char* key, float fallback) {
    return table.isNumber(key) ? table.getNumber(key) : fallback;
}

std::string nameOr(const lua::LuaTable& table, const char* key) {
    return table.isString(key) ? table.getString(key) : std::string();
}

NineSlicePieces readPieces(const lua::LuaTable& table) {
    return {nameOr(table, "topLeft"),    nameOr(table, "topMiddle"),    nameOr(table, "topRight"),
            nameOr(table, "left"),       nameOr(table, "center"),       nameOr(table, "right"),
            nameOr(table, "bottomLeft"), nameOr(table, "bottomMiddle"), nameOr(table, "bottomRight")};
}

/// A colour table ("red", "green", "blue", "alpha", 0..1; alpha defaults to 1), 0xAARRGGBB.
std::uint32_t readUnitColour(const lua::LuaTable& table) {
    return packArgb(unitComponent(numberOr(table, "alpha", 1.0f)), unitComponent(numberOr(table, "red", 0.0f)),
                    unitComponent(numberOr(table, "green", 0.0f)), unitComponent(numberOr(table, "blue", 0.0f)));
}

} // namespace

void GameLua::registerDrawingNatives() {
    registerMethod("drawRect", &GameLua::drawRect);
    registerMethod("setRenderState", &GameLua::setRenderState);
    registerMethod("drawLine2D", &GameLua::drawLine2D);
    registerMethod("drawRectLines", &GameLua::drawRectLines);
    registerMethod("drawTexturedRect", &GameLua::drawTexturedRect);
    registerMethod("drawBoxNative", &GameLua::drawBoxNative);
}

// drawRect(r, g, b, a, x1, y1, x2, y2, keepState): components 0..1; the corners in pixels
void GameLua::drawRect(float red, float green, float blue, float alpha, float x1, float y1, float x2, float y2,
                       bool keepState) {
    if (!keepState)
        m_context.state() = gr::RenderState();
    const std::uint32_t colour =
        packArgb(unitComponent(alpha), unitComponent(red), unitComponent(green), unitComponent(blue));
    m_context.fillRect(colour, x1, y1, static_cast<float>(lang::truncateTo<int>(x2 - x1)),
                       static_cast<float>(lang::truncateTo<int>(y2 - y1)));
}

// setRenderState(x, y [, sx, sy [, angle [, pivotX, pivotY [, alpha]]]]): each group is written
// only when all its arguments are given
int GameLua::setRenderState(lua::LuaState& lua) {
    const int given = lua.getTop();
    gr::RenderState& state = m_context.state();
    if (given >= 2) {
        state.translateX = lua.toNumber(1);
        state.translateY = lua.toNumber(2);
    }
    if (given >= 4) {
        state.scaleX = lua.toNumber(3);
        state.scaleY = lua.toNumber(4);
    }
    if (given >= 5)
        state.setAngle(lua.toNumber(5));
    if (given >= 7) {
        state.pivotX = lua.toNumber(6);
        state.pivotY = lua.toNumber(7);
    }
    if (given >= 8)
        state.alpha = lua.toNumber(8);
    return 0;
}

// drawLine2D(x1, y1, x2, y2, width, r, g, b, a): components 0..255
void GameLua::drawLine2D(float x1, float y1, float x2, float y2, float width, float red, float green, float blue,
                         float alpha) {
    m_context.drawLine(byteColour(red, green, blue, alpha), x1, y1, x2, y2, width);
}

// drawRectLines(x1, y1, x2, y2, width, r, g, b, a): the outline as four lines; components 0..255
void GameLua::drawRectLines(float x1, float y1, float x2, float y2, float width, float red, float green, float blue,
                            float alpha) {
    const std::uint32_t colour = byteColour(red, green, blue, alpha);
    m_context.drawLine(colour, x1, y1, x2, y1, width);
    m_context.drawLine(colour, x1, y1, x1, y2, width);
    m_context.drawLine(colour, x1, y2, x2, y2, width);
    m_context.drawLine(colour, x2, y1, x2, y2, width);
}

// drawTexturedRect(sprite, x, y, width, height): the plain sprite's image stretched over the
// rectangle whose top-left corner is (x, y); nothing for a name that is not a loaded plain sprite
void GameLua::drawTexturedRect(const std::string& sprite, float x, float y, float width, float height) {
    if (const game::Sprite* found = m_resources.findSprite(sprite))
        found->drawScaled(m_context, x, y, width, height, {game::VerticalAnchor::Top, game::HorizontalAnchor::Left});
}

// drawBoxNative(pieces, x, y, width, height, hanchor, vanchor [, colour]): a nine-slice box of
// the sprites pieces names ("topLeft" ... "bottomRight"), placed at (x, y) by the anchor names;
// colour ("red", "green", "blue", "alpha", 0..1) fills a box without "center"
int GameLua::drawBoxNative(lua::LuaState& lua) {
    const NineSlicePieces pieces = readPieces(lua.toTable(1));
    const float width = lua.toNumber(4);
    const float height = lua.toNumber(5);
    game::Anchors anchors{game::VerticalAnchor::Top, game::HorizontalAnchor::Left};
    for (int slot : {6, 7})
        game::applyAnchorName(anchors, lua.isString(slot) ? lua.toString(slot) : "");
    // A box has no pivot: the pivot anchors mean its top-left corner.
    const game::AnchorOffset offset =
        game::anchorOffset(anchors, lang::truncateTo<int>(width), lang::truncateTo<int>(height), 0, 0);
    const BoxRect box{lua.toNumber(2) - static_cast<float>(offset.x), lua.toNumber(3) - static_cast<float>(offset.y),
                      width, height};
    const std::optional<std::uint32_t> fill =
        lua.getTop() >= 8 && lua.isTable(8) ? std::optional(readUnitColour(lua.toTable(8))) : std::nullopt;
    drawNineSliceBox(m_context, m_resources, pieces, box, fill);
    return 0;
}
