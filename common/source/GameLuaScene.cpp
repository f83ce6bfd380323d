// The game scene: objects layer by layer, the flight trajectories, the aiming dots and the
// slingshot's rubber band.
#include "ColliderType.h"
#include "GameLua.h"

#include "game/Resources.h"
#include "lua/LuaTable.h"
#include "renderer/Context.h"

#include <cmath>

namespace {

/// How far apart (pixels, each way) the two images of a pass-through object stand.
constexpr float kPassThroughSpread = 5.0f;
/// Below this (in either direction) the sling's pull does not push the bird.
constexpr float kMinForce = 0.01f;

bool isBird(const GameObject& object) {
    return object.colliderType == collider::kShotBird || object.colliderType == collider::kSinker;
}

/// Multiplies the render state's scale by `factor` and divides its translation by it, so that a
/// picture drawn at position / factor stands where it stood, `factor` times as large.
void magnify(gr::RenderState& state, float factor) {
    state.translateX /= factor;
    state.translateY /= factor;
    state.scaleX *= factor;
    state.scaleY *= factor;
}

} // namespace

void GameLua::registerSceneNatives() {
    registerMethod("drawGameNative", &GameLua::drawGameNative);
    registerMethod("drawSlingScopeNative", &GameLua::drawSlingScopeNative);
    registerMethod("drawRubberband", &GameLua::drawRubberband);
}

// drawGameNative(): every visible object, layer by layer, with the trajectories before the first bird
void GameLua::drawGameNative() {
    gr::RenderState& state = m_context.state();
    // Rotation and pivot go back to the caller's; translation and scale end on the camera's.
    const gr::RenderState callers = state;
    const auto onCamera = [&] {
        state.translateX = -m_view.topLeftX;
        state.translateY = -m_view.topLeftY;
        state.scaleX = state.scaleY = m_view.worldScale;
    };
    bool trajectoriesDrawn = false;
    for (const auto& [layer, names] : m_layers) {
        for (const std::string& name : names) {
            const GameObject* object = findObject(name);
            if (!object || (!object->sprite && !object->compositeSprite) || !object->visible ||
                (object->colliderType == collider::kEditorOnly && !m_editing))
                continue;
            onCamera();
            if (!trajectoriesDrawn && isBird(*object)) {
                state.setAngle(0.0f);
                drawTrajectories();
                trajectoriesDrawn = true;
            }
            drawSceneObject(*object);
        }
        m_maskedImages.finish();
    }
    state = callers;
    onCamera();
}

void GameLua::drawSceneObject(const GameObject& object) {
    gr::RenderState& state = m_context.state();
    float x = object.render.x * kPixelsPerUnit;
    float y = object.render.y * kPixelsPerUnit;
    state.setAngle(object.render.angle);
    if (object.sprite) {
        state.pivotX = static_cast<float>(object.sprite->pivotX());
        state.pivotY = static_cast<float>(object.sprite->pivotY());
    } else {
        state.pivotX = static_cast<float>(object.compositeSprite->pivotX());
        state.pivotY = static_cast<float>(object.compositeSprite->pivotY());
    }
    const bool unscaled = object.scaleX == 1.0f && object.scaleY == 1.0f;
    // A texture that cannot be shown leaves the plain sprite.
    if (object.body.mass() == 0.0f && object.texture && object.sprite &&
        m_maskedImages.add(*object.sprite, *object.texture, x, y))
        return;
    if (object.colliderType == collider::kPassThrough) {
        const float dx = kPassThroughSpread * std::cos(object.passThroughAngle);
        const float dy = kPassThroughSpread * std::sin(object.passThroughAngle);
        drawObjectPicture(object, x - dx, y - dy);
        drawObjectPicture(object, x + dx, y + dy);
        return;
    }
    if (isBird(object) && object.flag6) {
        // A screen space of its own: the bird keeps its place on screen, scaled by its factors.
        const float fx = object.screenScale[0];
        const float fy = object.screenScale[1];
        state.translateX = state.translateY = 0.0f;
        state.scaleX = fx * m_view.worldScale;
        state.scaleY = fy * m_view.worldScale;
        x = (x - m_view.topLeftX) / fx;
        y = (y - m_view.topLeftY) / fy;
    } else if (isBird(object) && !unscaled) {
        magnify(state, object.scaleX);
        x /= object.scaleX;
        y /= object.scaleX;
    } else if (object.colliderType == collider::kBird && unscaled) {
        magnify(state, 2.0f);
        x /= 2.0f;
        y /= 2.0f;
    }
    drawObjectPicture(object, x, y);
}

void GameLua::drawObjectPicture(const GameObject& object, float x, float y) {
    if (object.sprite)
        object.sprite->draw(m_context, x, y, game::kAtPivot);
    else
        object.compositeSprite->draw(m_context, x, y, game::kAtPivot);
}

void GameLua::drawTrajectories() {
    m_trajectories.visitMarks([this](const std::string& sprite, Vector2 position) {
        m_resources.drawSprite(sprite, position.x, position.y, game::kAtPivot);
    });
}

// drawSlingScopeNative(vx, vy, force): the aiming dots of a launch at (vx, vy) world units per
// second from rubberBandPos, the sling pulling the current bird with `force`
void GameLua::drawSlingScopeNative(float vx, float vy, float force) {
    const lua::LuaTable band = getTable("rubberBandPos");
    AimingInput input;
    input.start = {band.getNumber("x"), band.getNumber("y")};
    input.velocity = {vx, vy};
    input.gravityY = m_world->gravity().y;
    input.maxTranslation = PhysicsWorld::maxTranslation();
    input.phase = getNumber("g_sling_scope_animation");
    const GameObject* bird = findObject(getString("currentBirdName"));
    // A bird without mass (made static) cannot be pushed: dividing by its mass would send the
    // dots to infinity.
    if (std::fabs(force) > kMinForce && bird && bird->body.mass() > 0.0f)
        input.pushY = force / bird->body.mass();
    const float factor = getNumber("physicsToWorld");

    gr::RenderState& state = m_context.state();
    const gr::SavedRenderState callers(state);
    for (const AimingDot& dot : aimingDots(input)) {
        state = callers.original();
        magnify(state, dot.shrink);
        m_resources.drawSprite("PARTICLE_SLINGDOT", factor * dot.point.x / dot.shrink,
                               factor * dot.point.y / dot.shrink, game::kAtPivot);
    }
}

// drawRubberband(x1, y1, x2, y2, thickness, sprite): the sprite stretched from (x1, y1) to
// (x2, y2), `thickness` pixels across, centred on that line
void GameLua::drawRubberband(float x1, float y1, float x2, float y2, float thickness, const std::string& sprite) {
    const game::Sprite* band = m_resources.findSprite(sprite);
    if (!band)
        return;
    gr::RenderState& state = m_context.state();
    const gr::SavedRenderState saved(state);
    state.setAngle(std::atan2(y2 - y1, x2 - x1));
    state.pivotX = 0.0f;
    state.pivotY = thickness / 2.0f;
    band->drawScaled(m_context, x1, y1 - thickness / 2.0f, std::hypot(x2 - x1, y2 - y1), thickness,
                     {game::VerticalAnchor::Top, game::HorizontalAnchor::Left});
}
