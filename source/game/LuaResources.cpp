// The "res" methods: argument forms of the scripts turned into registry calls.
#include "game/LuaResources.h"

#include "game/LuaArguments.h"

#include "lua/LuaState.h"
#include "lua/LuaType.h"
#include "pf/TryOpen.h"

#include <cmath>
#include <initializer_list>

namespace game {

namespace {

/// The index of a query's name: the scripts call queries as `res.f(name)` or `res:f(name)`.
int queriedName(const lua::LuaState& lua) { return lua.getTop() == 1 ? 1 : 2; }

/// Applies the anchor names at the given argument positions; absent and nil ones change nothing.
Anchors readAnchors(lua::LuaState& lua, Anchors anchors, std::initializer_list<int> indices) {
    for (const int index : indices) {
        if (lua.getType(index) == lua::LuaType::String)
            applyAnchorName(anchors, lua.toString(index));
    }
    return anchors;
}

int pushNumbers(lua::LuaState& lua, std::initializer_list<int> values) {
    for (const int value : values)
        lua.pushNumber(static_cast<float>(value));
    return static_cast<int>(values.size());
}

} // namespace

LuaResources::LuaResources(lua::LuaState& state, gr::Context& context) : lua::LuaObject(state), m_resources(context) {
    registerLoading();
    registerQueries();
    registerDrawing();
    registerAudio();
    state.getGlobals().set("res", *this);
}

LuaResources::~LuaResources() = default;

void LuaResources::registerLoading() {
    registerMethod("setPath", &LuaResources::setPath);
    registerMethod("createSpriteSheet", &LuaResources::createSpriteSheet);
    registerMethod("createCompoSpriteSet", &LuaResources::createCompoSpriteSet);
    registerMethod("createBitmapFont", &LuaResources::createBitmapFont);
    registerMethod("createSystemFont", &LuaResources::createSystemFont);
    registerMethod("createTextGroupSet", &LuaResources::createTextGroupSet);
    registerMethod("captureSprite", &LuaResources::captureSprite);
    registerMethod("releaseSpriteSheet", &LuaResources::releaseSpriteSheet);
    registerMethod("releaseCompoSpriteSet", &LuaResources::releaseCompoSpriteSet);
    registerMethod("releaseFont", &LuaResources::releaseFont);
    registerMethod("releaseTextGroupSet", &LuaResources::releaseTextGroupSet);
    registerMethod("loadLocale", &LuaResources::loadLocale);
    registerMethod("useLocale", &LuaResources::useLocale);
    registerMethod("getLocale", &LuaResources::getLocale);
    registerMethod("useFont", &LuaResources::useFont);
    registerMethod("openURL", &LuaResources::openURL);
}

void LuaResources::registerQueries() {
    registerMethod("getAvailableSystemFonts", &LuaResources::getAvailableSystemFonts);
    registerMethod("getClipRect", &LuaResources::getClipRect);
    registerMethod("getString", &LuaResources::getString);
    registerMethod("getSpriteBounds", &LuaResources::getSpriteBounds);
    registerMethod("getSpritePivot", &LuaResources::getSpritePivot);
    registerMethod("getCompoSpriteBounds", &LuaResources::getCompoSpriteBounds);
    registerMethod("getCompoSpriteData", &LuaResources::getCompoSpriteData);
    registerMethod("getStringWidth", &LuaResources::getStringWidth);
    registerMethod("getFontMaxAscending", &LuaResources::getFontMaxAscending);
    registerMethod("getFontMaxDescending", &LuaResources::getFontMaxDescending);
    registerMethod("getFontLeading", &LuaResources::getFontLeading);
    registerMethod("getFontTracking", &LuaResources::getFontTracking);
    registerMethod("getFontHeight", &LuaResources::getFontHeight);
}

void LuaResources::registerDrawing() {
    registerMethod("drawSprite", &LuaResources::drawSprite);
    registerMethod("drawCompoSprite", &LuaResources::drawSprite);
    registerMethod("drawString", &LuaResources::drawString);
    registerMethod("setClipRect", &LuaResources::setClipRect);
}

// setPath(path)
void LuaResources::setPath(const std::string& path) { m_resources.setPath(path); }

// createSpriteSheet(file [, reload = false [, loadTexture = true]])
int LuaResources::createSpriteSheet(lua::LuaState& lua) {
    m_resources.createSpriteSheet(lua.toString(1), optionalFlag(lua, 2, false), optionalFlag(lua, 3, true));
    return 0;
}

// createCompoSpriteSet(file [, reload = false])
int LuaResources::createCompoSpriteSet(lua::LuaState& lua) {
    m_resources.createCompoSpriteSet(lua.toString(1), optionalFlag(lua, 2, false));
    return 0;
}

// createBitmapFont(file [, reload = false])
int LuaResources::createBitmapFont(lua::LuaState& lua) {
    m_resources.createBitmapFont(lua.toString(1), optionalFlag(lua, 2, false));
    return 0;
}

// createSystemFont(name, family, size, a, r, g, b, style [, reload = false])
int LuaResources::createSystemFont(lua::LuaState& lua) {
    m_resources.createSystemFont(lua.toString(1), lua.toString(2), lua.toInteger(3), lua.toInteger(4),
                                 lua.toInteger(5), lua.toInteger(6), lua.toInteger(7), lua.toInteger(8),
                                 optionalFlag(lua, 9, false));
    return 0;
}

// createTextGroupSet(file [, reload = false]): the set's languages are read at once
int LuaResources::createTextGroupSet(lua::LuaState& lua) {
    m_resources.createTextGroupSet(lua.toString(1), optionalFlag(lua, 2, false));
    return 0;
}

// captureSprite(name)
void LuaResources::captureSprite(const std::string& name) { m_resources.captureSprite(name); }

// releaseSpriteSheet(file [, textureOnly = false])
int LuaResources::releaseSpriteSheet(lua::LuaState& lua) {
    m_resources.releaseSpriteSheet(lua.toString(1), optionalFlag(lua, 2, false));
    return 0;
}

// releaseCompoSpriteSet(file)
void LuaResources::releaseCompoSpriteSet(const std::string& file) { m_resources.releaseCompoSpriteSet(file); }

// releaseFont(file or name)
void LuaResources::releaseFont(const std::string& name) { m_resources.releaseFont(name); }

// releaseTextGroupSet(file)
void LuaResources::releaseTextGroupSet(const std::string& file) { m_resources.releaseTextGroupSet(file); }

// loadLocale(set, language): "ALL" loads every language of the set
void LuaResources::loadLocale(const std::string& set, const std::string& language) {
    m_resources.loadLocale(set, language);
}

// useLocale(language)
void LuaResources::useLocale(const std::string& language) { m_resources.useLocale(language); }

// getLocale() -> language
std::string LuaResources::getLocale() { return m_resources.locale(); }

// useFont(name): an unknown name changes nothing
void LuaResources::useFont(const std::string& name) { m_resources.useFont(name); }

// openURL(url): the desktop's opener shows the address (a failure is logged)
void LuaResources::openURL(const std::string& url) { pf::tryOpen(url); }

// getAvailableSystemFonts() -> {family, ...}
lua::LuaTable LuaResources::getAvailableSystemFonts() {
    lua::LuaTable families(state());
    int index = 0;
    for (const std::string& family : m_resources.availableSystemFonts())
        families.set(++index, family);
    return families;
}

// drawSprite([res,] name, x, y [, anchor [, anchor [, width, height]]]): pivot on (x, y) by default
int LuaResources::drawSprite(lua::LuaState& lua) {
    const int first = lua.getType(2) == lua::LuaType::String ? 2 : 1;
    const Anchors anchors = readAnchors(lua, Anchors{}, {first + 3, first + 4});
    std::optional<std::pair<float, float>> size;
    if (lua.isNumber(first + 5) && lua.isNumber(first + 6))
        size = std::pair{lua.toNumber(first + 5), lua.toNumber(first + 6)};
    m_resources.drawSprite(lua.toString(first), lua.toNumber(first + 1), lua.toNumber(first + 2), anchors, size);
    return 0;
}

// drawString(set, key, x, y [, anchor [, anchor]]): top left on (x, y) by default
int LuaResources::drawString(lua::LuaState& lua) {
    const Anchors anchors = readAnchors(lua, {VerticalAnchor::Top, HorizontalAnchor::Left}, {5, 6});
    m_resources.drawString(lua.toString(1), lua.toString(2), lua.toNumber(3), lua.toNumber(4), anchors);
    return 0;
}

// setClipRect(x, y, width, height)
void LuaResources::setClipRect(float x, float y, float width, float height) {
    m_resources.setClipRect({static_cast<int>(std::trunc(x)), static_cast<int>(std::trunc(y)),
                             static_cast<int>(std::trunc(x + width)), static_cast<int>(std::trunc(y + height))});
}

// getClipRect() -> x, y, width, height
int LuaResources::getClipRect(lua::LuaState& lua) {
    const ClipRect& rect = m_resources.clipRect();
    return pushNumbers(lua, {rect.x0, rect.y0, rect.x1 - rect.x0, rect.y1 - rect.y0});
}

// getString(set, key) -> the string in the current language; the key for an unknown set
std::string LuaResources::getString(const std::string& set, const std::string& key) {
    return m_resources.getString(set, key);
}

// getSpriteBounds([res,] name) -> width, height
int LuaResources::getSpriteBounds(lua::LuaState& lua) {
    const auto [width, height] = m_resources.spriteBounds(lua.toString(queriedName(lua)));
    return pushNumbers(lua, {width, height});
}

// getSpritePivot([res,] name) -> x, y
int LuaResources::getSpritePivot(lua::LuaState& lua) {
    const auto [x, y] = m_resources.spritePivot(lua.toString(queriedName(lua)));
    return pushNumbers(lua, {x, y});
}

// getCompoSpriteBounds([res,] name) -> left, top, right, bottom relative to the pivot
int LuaResources::getCompoSpriteBounds(lua::LuaState& lua) {
    const PivotBox box = m_resources.compoSpriteBounds(lua.toString(queriedName(lua)));
    return pushNumbers(lua, {box.left, box.top, box.right, box.bottom});
}

// getCompoSpriteData(name) -> {{sprite, x, y}, ...}
lua::LuaTable LuaResources::getCompoSpriteData(const std::string& name) {
    lua::LuaTable parts(state());
    int index = 0;
    for (const CompoSprite::Part& part : m_resources.compoSpriteData(name)) {
        lua::LuaTable entry(state());
        entry.set(1, part.spriteName);
        entry.set(2, part.x);
        entry.set(3, part.y);
        parts.set(++index, entry);
    }
    return parts;
}

// getStringWidth(text) -> pixels in the current font
int LuaResources::getStringWidth(const std::string& text) { return m_resources.stringWidth(text); }

// getFontMaxAscending() -> pixels
int LuaResources::getFontMaxAscending() { return m_resources.fontMaxAscending(); }

// getFontMaxDescending() -> pixels
int LuaResources::getFontMaxDescending() { return m_resources.fontMaxDescending(); }

// getFontLeading() -> pixels
int LuaResources::getFontLeading() { return m_resources.fontLeading(); }

// getFontTracking() -> pixels
int LuaResources::getFontTracking() { return m_resources.fontTracking(); }

// getFontHeight() -> max ascending plus max descending
int LuaResources::getFontHeight() { return m_resources.fontHeight(); }

} // namespace game
