// Texts of the user interface: text objects and line breaking.
#include "GameLua.h"

#include "LineBreaking.h"
#include "game/Anchor.h"
#include "game/LuaArguments.h"
#include "game/Resources.h"
#include "lua/LuaState.h"
#include "renderer/Context.h"

#include <cmath>

struct GameLua::TextPlacement {
    /// The text's position on the screen, pixels.
    gr::Point position;
    /// Multiplies the text's own coordinates (and its lines').
    float scale = 1.0f;
    /// The text's scale times the call's, on each axis: what the render state gets.
    float scaleX = 1.0f, scaleY = 1.0f;
    /// Radians.
    float angle = 0.0f;
};

namespace {

float numberOr(const lua::LuaTable& table, const char* key, float fallback) {
    return table.isNumber(key) ? table.getNumber(key) : fallback;
}

/// The anchors of a text or line table ("hanchor", "vanchor"); top left when not given.
game::Anchors anchorsOf(const lua::LuaTable& table) {
    game::Anchors anchors{game::VerticalAnchor::Top, game::HorizontalAnchor::Left};
    game::applyAnchorName(anchors, table.getString("hanchor"));
    game::applyAnchorName(anchors, table.getString("vanchor"));
    return anchors;
}

/// A span on one axis, pixels.
struct Span {
    float from;
    float to;
    bool overlaps(float low, float high) const { return to > low && from < high; }
};

/// Where a line of `width` pixels drawn at `x` lies horizontally.
Span horizontalSpan(float x, float width, game::HorizontalAnchor anchor) {
    if (anchor == game::HorizontalAnchor::Right)
        return {x - width, x};
    if (anchor == game::HorizontalAnchor::HCenter)
        return {x - width / 2.0f, x + width / 2.0f};
    return {x, x + width};
}

/// Where a line drawn at `y` lies vertically, from the font's ascent and descent (scaled).
Span verticalSpan(float y, float ascent, float descent, game::VerticalAnchor anchor) {
    const float height = ascent + descent;
    switch (anchor) {
    case game::VerticalAnchor::Top:
        return {y, y + height};
    case game::VerticalAnchor::VCenter:
        return {y - height / 2.0f, y + height / 2.0f};
    case game::VerticalAnchor::Bottom:
        return {y - height, y};
    default:
        return {y - ascent, y + descent};
    }
}

} // namespace

void GameLua::registerTextNatives() {
    registerMethod("drawUITextNative", &GameLua::drawUITextNative);
    registerMethod("clipText", &GameLua::clipText);
}

// drawUITextNative(text, offsetX, offsetY [, sx, sy [, angle [, scale]]]): a text object; a
// clipped one has its lines draw themselves
int GameLua::drawUITextNative(lua::LuaState& lua) {
    const lua::LuaTable text = lua.toTable(1);
    const float offsetX = lua.toNumber(2);
    const float offsetY = lua.toNumber(3);
    if (text.isBoolean("visible") && !text.getBoolean("visible"))
        return 0;
    TextPlacement placement;
    placement.scale = game::optionalNumber(lua, 7, 1.0f);
    placement.position.x = text.getNumber("x") * placement.scale + offsetX;
    placement.position.y = text.getNumber("y") * placement.scale + offsetY;
    placement.scaleX = numberOr(text, "scaleX", 1.0f) * placement.scale * game::optionalNumber(lua, 4, 1.0f);
    placement.scaleY = numberOr(text, "scaleY", 1.0f) * placement.scale * game::optionalNumber(lua, 5, 1.0f);
    placement.angle = game::optionalNumber(lua, 6, 0.0f);
    m_resources.useFont(text.isString("font") ? text.getString("font") : "FONT_BASIC");
    if (text.getBoolean("clipped"))
        drawClippedLines(text, placement);
    else
        drawTextObject(text, placement);
    return 0;
}

void GameLua::drawClippedLines(const lua::LuaTable& text, const TextPlacement& placement) {
    if (!text.isTable("lines"))
        return;
    const lua::LuaTable lines = text.getTable("lines");
    lua::LuaState& lua = state();
    const float width = static_cast<float>(m_context.width());
    const float height = static_cast<float>(m_context.height());
    const float ascent = static_cast<float>(m_resources.fontMaxAscending()) * placement.scaleY;
    const float descent = static_cast<float>(m_resources.fontMaxDescending()) * placement.scaleY;
    for (int i = 1; lines.isTable(i); ++i) {
        const lua::LuaTable line = lines.getTable(i);
        const game::Anchors anchors = anchorsOf(line);
        const std::string localised = m_resources.getString(line.getString("group"), line.getString("text"));
        const float lineWidth = static_cast<float>(m_resources.stringWidth(localised)) * placement.scaleX;
        const Span across =
            horizontalSpan(placement.position.x + line.getNumber("x") * placement.scale, lineWidth, anchors.horizontal);
        const Span down = verticalSpan(placement.position.y + line.getNumber("y") * placement.scale, ascent, descent,
                                       anchors.vertical);
        if (!across.overlaps(0.0f, width) || !down.overlaps(0.0f, height))
            continue;
        // line:draw(x, y, sx, sy, angle), found as the scripts would (a class may supply it).
        lua.pushTable(line);
        lua.pushString("draw");
        lua.getTable(-2);
        lua.pushTable(line);
        for (const float value :
             {placement.position.x, placement.position.y, placement.scaleX, placement.scaleY, placement.angle})
            lua.pushNumber(value);
        lua.call(6, 0, "draw");
        lua.pop(1);
    }
}

void GameLua::drawTextObject(const lua::LuaTable& text, const TextPlacement& placement) {
    // A text scaled to nothing shows nothing, and its position cannot be divided by the scale.
    if (placement.scaleX == 0.0f || placement.scaleY == 0.0f)
        return;
    float x = placement.position.x / placement.scaleX;
    float y = placement.position.y / placement.scaleY;
    if (text.getBoolean("floorCoordinates")) {
        x = std::floor(x);
        y = std::floor(y);
    }
    const gr::SavedRenderState saved(m_context.state());
    gr::RenderState& renderState = m_context.state();
    if (text.isNumber("alpha") && text.getNumber("alpha") < 1.0f)
        renderState.alpha = text.getNumber("alpha");
    renderState.scaleX = placement.scaleX;
    renderState.scaleY = placement.scaleY;
    renderState.setAngle(placement.angle);
    if (text.isNumber("rotationPivotX") && text.isNumber("rotationPivotY")) {
        renderState.pivotX = text.getNumber("rotationPivotX");
        renderState.pivotY = text.getNumber("rotationPivotY");
    }
    m_resources.drawString(text.getString("group"), text.getString("text"), x, y, anchorsOf(text));
}

// clipText(group, id, maxWidth): the localised text broken into lines no wider than maxWidth in
// the current font, into the global clippedText ("lines", "widestLine")
void GameLua::clipText(const std::string& group, const std::string& id, float maxWidth) {
    const std::string text = maxWidth > 0.0f ? m_resources.getString(group, id) : std::string();
    const BrokenText broken =
        breakLines(text, maxWidth, [this](const std::string& piece) { return m_resources.stringWidth(piece); });
    lua::LuaTable lines(state());
    for (std::size_t i = 0; i < broken.lines.size(); ++i)
        lines.set(static_cast<int>(i) + 1, broken.lines[i]);
    m_clippedText.set("lines", lines);
    m_clippedText.set("widestLine", broken.widestLine);
}
