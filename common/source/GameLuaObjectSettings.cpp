// What an object is to contact handling and drawing: collision filter, sensor,
// visibility, scale, sprite, sounds, texture and the numbered object parameters.
#include "GameLua.h"
#include "NativeErrors.h"
#include "game/Resources.h"
#include "lang/Log.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

enum ObjectParameter { kBodyType = 2, kScreenScale = 5, kFlag6 = 6, kPassThrough = 7 };

bool isOne(float value) { return std::trunc(value) == 1.0f; }

} // namespace

void GameLua::registerObjectSettingNatives() {
    registerMethod("setVisible", &GameLua::setVisible);
    registerMethod("setFilterCategory", &GameLua::setFilterCategory);
    registerMethod("setFilterMask", &GameLua::setFilterMask);
    registerMethod("setSensor", &GameLua::setSensor);
    registerMethod("setSprite", &GameLua::setSprite);
    registerMethod("setRollingSound", &GameLua::setRollingSound);
    registerMethod("setTexture", &GameLua::setTexture);
    registerMethod("setObjectParameter", &GameLua::setObjectParameter);
    registerMethod("setScale", &GameLua::setScale);
}

// setFilterCategory(name, bits): the low 16 bits replace every fixture's category
void GameLua::setFilterCategory(const std::string& name, int category) {
    objectNamed(name, "setFilterCategory").body.setFilterCategory(static_cast<std::uint16_t>(category));
}

// setFilterMask(name, bits): the low 16 bits replace every fixture's mask
void GameLua::setFilterMask(const std::string& name, int mask) {
    objectNamed(name, "setFilterMask").body.setFilterMask(static_cast<std::uint16_t>(mask));
}

// setSensor(name, sensor)
void GameLua::setSensor(const std::string& name, bool sensor) { objectNamed(name, "setSensor").body.setSensor(sensor); }

// setVisible(name, visible)
void GameLua::setVisible(const std::string& name, bool visible) { objectNamed(name, "setVisible").visible = visible; }

// setScale(name, sx, sy): the sprite's drawing scale
void GameLua::setScale(const std::string& name, float scaleX, float scaleY) {
    GameObject& object = objectNamed(name, "setScale");
    object.scaleX = scaleX;
    object.scaleY = scaleY;
}

// setSprite(name, sprite): a sprite that cannot be found is logged
void GameLua::setSprite(const std::string& name, const std::string& sprite) {
    GameObject& object = objectNamed(name, "setSprite");
    object.table.set("sprite", sprite);
    object.spriteName = sprite;
    resolveSprite(object);
}

// setRollingSound(name, sound): the looping sound while the object rolls
void GameLua::setRollingSound(const std::string& name, const std::string& sound) {
    objectNamed(name, "setRollingSound").rollingSound = sound;
}

// setTexture(name, texture): the plain sprite shown through the object's sprite; one that cannot
// be found is logged
void GameLua::setTexture(const std::string& name, const std::string& texture) {
    GameObject& object = objectNamed(name, "setTexture");
    object.textureName = texture;
    object.texture = m_resources.findSprite(texture);
    if (!object.texture)
        LOG_WARNING("Game", "Texture %s not found for game object %s", texture.c_str(), name.c_str());
}

// setObjectParameter(name, id, value): 2 body type (0 static, else dynamic), 5 screen scale,
// 6 flag6, 7 pass-through; other ids do nothing
void GameLua::setObjectParameter(const std::string& name, int id, float value) {
    GameObject& object = objectNamed(name, "setObjectParameter");
    switch (id) {
    case kBodyType:
        namingNative("setObjectParameter",
                     [&] { object.body.setType(value == 0.0f ? BodyType::Static : BodyType::Dynamic); });
        break;
    case kScreenScale:
        std::fill(std::begin(object.screenScale), std::end(object.screenScale), value);
        break;
    case kFlag6:
        object.flag6 = isOne(value);
        break;
    case kPassThrough:
        object.passThrough = isOne(value);
        object.passThroughAngle =
            2.0f * std::numbers::pi_v<float> * std::uniform_real_distribution<float>(0.0f, 1.0f)(m_random);
        object.passThroughTime = 0.0f;
        object.passThroughParticles = object.table.getString("passThroughParticles");
        object.passThroughSound = object.table.getString("passThroughSound");
        break;
    default:
        break;
    }
}
