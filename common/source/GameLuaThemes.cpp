// Theme layers: drawing them, the sprites the scripts place on them, their colours and offsets,
// and finding every picture again after sprite sheets were reloaded.
#include "GameLua.h"

#include "ThemeLayerPainter.h"
#include "ThemeSpriteDrift.h"
#include "ThemeSprites.h"
#include "game/Resources.h"
#include "lang/Exception.h"
#include "lang/Log.h"
#include "renderer/Context.h"

namespace {

/// The layer found for `index`, or a script error naming the native when there is none.
ThemeLayer& existingLayer(ThemeLayer* layer, int index, const char* native) {
    if (!layer)
        throw lang::Exception(lang::Format("{0}: there is no theme layer {1}", native, index));
    return *layer;
}

/// `layers[index]`, or a script error naming the native.
ThemeLayer& layerIn(std::vector<ThemeLayer>& layers, int index, const char* native) {
    const bool inRange = index >= 0 && static_cast<std::size_t>(index) < layers.size();
    return existingLayer(inRange ? &layers[static_cast<std::size_t>(index)] : nullptr, index, native);
}

SceneCamera cameraOf(const GameLua::View& view) {
    return {view.topLeftX, view.topLeftY, view.worldScale, view.simulationScale};
}

} // namespace

void GameLua::registerThemeNatives() {
    registerMethod("drawBackgroundNative", &GameLua::drawBackgroundNative);
    registerMethod("drawForegroundNative", &GameLua::drawForegroundNative);
    registerMethod("drawLayer", &GameLua::drawLayer);
    registerMethod("createThemeSprite", &GameLua::createThemeSprite);
    registerMethod("modifyThemeSprite", &GameLua::modifyThemeSprite);
    registerMethod("removeThemeSprite", &GameLua::removeThemeSprite);
    registerMethod("setThemeRectColour", &GameLua::setThemeRectColour);
    registerMethod("setThemeForegroundOffsetY", &GameLua::setThemeForegroundOffsetY);
    registerMethod("native_reloadIngameSprites", &GameLua::native_reloadIngameSprites);
}

ThemeLayer& GameLua::themeLayer(int index, const char* native) {
    return existingLayer(themeLayerAt(m_backgroundLayers, m_foregroundLayers, index), index, native);
}

// drawBackgroundNative(): the background layers in order
void GameLua::drawBackgroundNative() {
    ThemeLayerPainter painter(m_context, cameraOf(m_view));
    for (const ThemeLayer& layer : m_backgroundLayers)
        painter.draw(layer);
}

// drawForegroundNative(): the ground below the first foreground layer, then the foreground layers
void GameLua::drawForegroundNative() {
    ThemeLayerPainter painter(m_context, cameraOf(m_view));
    if (!m_foregroundLayers.empty())
        painter.fillGround(m_foregroundLayers.front(), m_groundColour);
    for (const ThemeLayer& layer : m_foregroundLayers)
        painter.draw(layer);
}

// drawLayer(index): one layer, background layers first, then foreground layers
void GameLua::drawLayer(int index) {
    ThemeLayerPainter(m_context, cameraOf(m_view)).draw(themeLayer(index, "drawLayer"));
}

// createThemeSprite(name, sprite, x, y, extra, px, py, angle, layer): extra is the horizontal
// drift velocity; a sprite that is not loaded is logged and draws nothing
void GameLua::createThemeSprite(const std::string& name, const std::string& sprite, float x, float y, float extra,
                                float px, float py, float angle, int layer) {
    ThemeLayer& target = themeLayer(layer, "createThemeSprite");
    ResolvedSprite picture = ResolvedSprite::find(m_resources, sprite);
    if (!picture)
        LOG_WARNING("Game", "Sprite %s not found for theme sprite %s", sprite.c_str(), name.c_str());
    target.themeSprites.push_back({std::move(picture), sprite, x, y, extra, px, py, angle, name});
}

// modifyThemeSprite(name, x, y, px, py, angle, layer): the first sprite of that name; its
// picture and drift stay
void GameLua::modifyThemeSprite(const std::string& name, float x, float y, float px, float py, float angle, int layer) {
    ThemeSprite* placed = findThemeSprite(themeLayer(layer, "modifyThemeSprite"), name);
    if (!placed)
        return;
    placed->x = x;
    placed->y = y;
    placed->px = px;
    placed->py = py;
    placed->angle = angle;
}

// removeThemeSprite(name, layer): the first sprite of that name
void GameLua::removeThemeSprite(const std::string& name, int layer) {
    ::removeThemeSprite(themeLayer(layer, "removeThemeSprite"), name);
}

// setThemeRectColour(layer, r, g, b, a): components 0..255 of a background layer's colour
void GameLua::setThemeRectColour(int layer, float red, float green, float blue, float alpha) {
    layerIn(m_backgroundLayers, layer, "setThemeRectColour").colour = {roundColourByte(red), roundColourByte(green),
                                                                       roundColourByte(blue), roundColourByte(alpha)};
}

// setThemeForegroundOffsetY(layer, offset): layer pixels, of a foreground layer
void GameLua::setThemeForegroundOffsetY(int layer, float offset) {
    layerIn(m_foregroundLayers, layer, "setThemeForegroundOffsetY").offsetY = offset;
}

// native_reloadIngameSprites(): every object's sprite and texture and every theme picture are
// found again, after sheets were reloaded
void GameLua::native_reloadIngameSprites() {
    for (auto& [name, object] : m_objects) {
        resolveSprite(*object);
        object->texture = object->textureName.empty() ? nullptr : m_resources.findSprite(object->textureName);
    }
    for (std::vector<ThemeLayer>* layers : {&m_backgroundLayers, &m_foregroundLayers})
        for (ThemeLayer& layer : *layers)
            resolveThemeLayer(layer, m_resources);
}

void GameLua::driftThemeSprites(float dt) {
    ::driftThemeSprites(m_backgroundLayers,
                        {dt, m_view.simulationScale, static_cast<float>(m_context.width()), m_view.worldScale});
}
