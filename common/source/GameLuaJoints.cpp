// Joints the scripts make between two objects: Box2D distance, weld, revolute and prismatic
// joints, and links that only tie two objects' lifetimes together. Each is recorded by name, and
// its definition, defaults filled in, is the script table "objects.joints"[name].
#include "FiniteNumbers.h"
#include "GameLua.h"
#include "NativeErrors.h"
#include "lang/Exception.h"
#include "lua/LuaState.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

namespace {

/// A link: no Box2D joint, only the records.
constexpr int kLinkType = 5;

/// One key of a joint definition and its default; flags are booleans, the rest numbers.
struct JointSetting {
    const char* key;
    bool flag;
    float fallback;
};

constexpr JointSetting kPlacement[] = {
    {"x1", false, 0.0f}, {"y1", false, 0.0f}, {"x2", false, 0.0f}, {"y2", false, 0.0f}};
constexpr JointSetting kDistance[] = {
    {"frequency", false, 4.0f}, {"dampingRatio", false, 0.5f}, {"collideConnected", true, 0.0f}};
constexpr JointSetting kWeld[] = {{"collideConnected", true, 0.0f}};
constexpr JointSetting kRevolute[] = {{"motor", true, 0.0f},          {"motorSpeed", false, 0.0f},
                                      {"maxTorque", false, 10000.0f}, {"limit", true, 0.0f},
                                      {"lowerLimit", false, 0.0f},    {"upperLimit", false, 3.1415927f},
                                      {"backAndForth", true, 0.0f},   {"collideConnected", true, 0.0f}};
constexpr JointSetting kPrismatic[] = {{"motor", true, 1.0f},          {"motorSpeed", false, 0.0f},
                                       {"maxTorque", false, 10000.0f}, {"limit", true, 0.0f},
                                       {"lowerLimit", false, 0.0f},    {"upperLimit", false, 3.1415927f},
                                       {"backAndForth", true, 1.0f},   {"collideConnected", true, 0.0f},
                                       {"worldAxisX", false, 1.0f},    {"worldAxisY", false, 0.0f}};
constexpr JointSetting kLink[] = {{"destroyTimer", false, 1.0f}};
/// The settings of each joint type, 1 to 5.
constexpr std::span<const JointSetting> kSettings[] = {{}, kDistance, kWeld, kRevolute, kPrismatic, kLink};

/// The number under `key`, checked to be finite for the physics world; none when it is absent.
std::optional<float> numberAt(const lua::LuaTable& table, const char* key, const char* native) {
    if (!table.isNumber(key))
        return std::nullopt;
    const float value = table.getNumber(key);
    requireFinite(native, {value});
    return value;
}

std::optional<bool> flagAt(const lua::LuaTable& table, const char* key) {
    if (table.isNil(key))
        return std::nullopt;
    return table.getBoolean(key);
}

void copySettings(const lua::LuaTable& from, const lua::LuaTable& to, std::span<const JointSetting> settings) {
    for (const JointSetting& setting : settings) {
        if (setting.flag)
            to.set(setting.key, flagAt(from, setting.key).value_or(setting.fallback != 0.0f));
        else
            to.set(setting.key, numberAt(from, setting.key, "createJoint").value_or(setting.fallback));
    }
}

/// The joint type 1 to 5 of a definition; anything else is a script error.
int jointType(const lua::LuaTable& definition) {
    const float type = definition.getNumber("type");
    if (!(type >= 1.0f && type < kLinkType + 1.0f))
        throw lang::Exception(lang::Format("createJoint: joint type {0} is not 1 to 5", type));
    return static_cast<int>(type);
}

/// A new table of what `definition` says about a joint of `type`, defaults filled in and the
/// coordType rounded half up (0 to 2).
lua::LuaTable filledDefinition(lua::LuaState& lua, const lua::LuaTable& definition, int type) {
    // Only 0 to 2 place anything; the rest would be a joint placed by chance.
    const float coordType = std::floor(definition.getNumber("coordType") + 0.5f);
    if (!(coordType >= 0.0f && coordType <= 2.0f))
        throw lang::Exception(lang::Format("createJoint: coordType {0} is not 0, 1 or 2", coordType));
    const lua::LuaTable filled(lua);
    for (const char* key : {"name", "end1", "end2"})
        filled.set(key, definition.getString(key));
    filled.set("type", type);
    filled.set("coordType", coordType);
    copySettings(definition, filled, kPlacement);
    copySettings(definition, filled, kSettings[type]);
    return filled;
}

Vector2 pointAt(const lua::LuaTable& table, const char* x, const char* y) {
    return {table.getNumber(x), table.getNumber(y)};
}

float distance(Vector2 a, Vector2 b) { return std::hypot(b.x - a.x, b.y - a.y); }

/// Anchors and length of a distance joint. coordType 0: the body origins; 1: the world points
/// given as arguments 2 to 5 of the call, the anchors offset from the origins without rotation;
/// 2: the body-local points ("x1", "y1") and ("x2", "y2") of the table.
void placeDistanceJoint(JointDefinition& joint, int coordType, const lua::LuaTable& filled, lua::LuaState& lua) {
    const Vector2 originA = joint.bodyA.position();
    const Vector2 originB = joint.bodyB.position();
    Vector2 endA = originA;
    Vector2 endB = originB;
    if (coordType == 1) {
        endA = {lua.toNumber(2), lua.toNumber(3)};
        endB = {lua.toNumber(4), lua.toNumber(5)};
        requireFinite("createJoint", {endA.x, endA.y, endB.x, endB.y});
        joint.localAnchorA = {endA.x - originA.x, endA.y - originA.y};
        joint.localAnchorB = {endB.x - originB.x, endB.y - originB.y};
    } else if (coordType == 2) {
        joint.localAnchorA = pointAt(filled, "x1", "y1");
        joint.localAnchorB = pointAt(filled, "x2", "y2");
        endA = joint.bodyA.worldPoint(joint.localAnchorA);
        endB = joint.bodyB.worldPoint(joint.localAnchorB);
    }
    joint.length = distance(endA, endB);
}

/// The Box2D joint a filled-in definition of type 1 to 4 describes. Weld, revolute and prismatic
/// joints are anchored at end1's body-local point ("x1", "y1"), by default its origin: that keeps
/// the three kinds alike and lets a script pin a hinge anywhere on the first object.
JointDefinition physicalJoint(int type, const lua::LuaTable& filled, PhysicsBody end1, PhysicsBody end2, int coordType,
                              lua::LuaState& lua) {
    JointDefinition joint;
    joint.kind = static_cast<JointKind>(type);
    joint.bodyA = end1;
    joint.bodyB = end2;
    joint.collideConnected = filled.getBoolean("collideConnected");
    if (joint.kind == JointKind::Distance) {
        joint.frequency = filled.getNumber("frequency");
        joint.dampingRatio = filled.getNumber("dampingRatio");
        placeDistanceJoint(joint, coordType, filled, lua);
        return joint;
    }
    joint.worldAnchor = end1.worldPoint(pointAt(filled, "x1", "y1"));
    if (joint.kind == JointKind::Weld)
        return joint;
    joint.motor = filled.getBoolean("motor");
    joint.motorSpeed = filled.getNumber("motorSpeed");
    joint.maxMotorTorque = filled.getNumber("maxTorque");
    joint.limit = filled.getBoolean("limit");
    joint.lowerLimit = filled.getNumber("lowerLimit");
    joint.upperLimit = filled.getNumber("upperLimit");
    if (joint.kind == JointKind::Prismatic)
        joint.axis = pointAt(filled, "worldAxisX", "worldAxisY");
    return joint;
}

/// The motor and limit keys a parameter table gives.
struct MotorParameters {
    explicit MotorParameters(const lua::LuaTable& table)
        : motor(flagAt(table, "motor")), speed(numberAt(table, "motorSpeed", kNative)),
          torque(numberAt(table, "maxTorque", kNative)), limit(flagAt(table, "limit")),
          lower(numberAt(table, "lowerLimit", kNative)), upper(numberAt(table, "upperLimit", kNative)) {}

    /// Applies what is given to `joint`; a single limit keeps the other.
    void applyTo(PhysicsJoint joint) const {
        if (lower || upper)
            namingNative(kNative, [&] {
                joint.setLimits(lower.value_or(joint.lowerLimit()), upper.value_or(joint.upperLimit()));
            });
        if (motor)
            joint.enableMotor(*motor);
        if (speed)
            joint.setMotorSpeed(*speed);
        if (torque)
            joint.setMaxMotorTorque(*torque);
        if (limit)
            joint.enableLimit(*limit);
    }

    void writeTo(const lua::LuaTable& table) const {
        write(table, "motor", motor);
        write(table, "motorSpeed", speed);
        write(table, "maxTorque", torque);
        write(table, "limit", limit);
        write(table, "lowerLimit", lower);
        write(table, "upperLimit", upper);
    }

    static constexpr const char* kNative = "setJointParameters";
    std::optional<bool> motor;
    std::optional<float> speed;
    std::optional<float> torque;
    std::optional<bool> limit;
    std::optional<float> lower;
    std::optional<float> upper;

private:
    template <class T> static void write(const lua::LuaTable& table, const char* key, const std::optional<T>& value) {
        if (value)
            table.set(key, *value);
    }
};

} // namespace

void GameLua::registerJointNatives() {
    registerMethod("createJoint", &GameLua::createJoint);
    registerMethod("setJointParameters", &GameLua::setJointParameters);
    registerMethod("checkJointLimits", &GameLua::checkJointLimits);
    registerMethod("destroyJoint", &GameLua::destroyJoint);
}

// createJoint(definition [, x1, y1, x2, y2]): the world points place a distance joint of coordType 1
int GameLua::createJoint(lua::LuaState& lua) {
    const lua::LuaTable definition = lua.toTable(1);
    const int type = jointType(definition);
    const std::string name = definition.getString("name");
    if (findJoint(name) || std::ranges::any_of(m_links, [&](const JointRecord& link) { return link.name == name; }))
        throw lang::Exception(lang::Format("createJoint: a joint named \"{0}\" already exists", name));
    const GameObject& end1 = objectNamed(definition.getString("end1"), "createJoint");
    const GameObject& end2 = objectNamed(definition.getString("end2"), "createJoint");
    const lua::LuaTable filled = filledDefinition(lua, definition, type);
    const int coordType = static_cast<int>(filled.getNumber("coordType"));
    const lua::LuaTable joints = m_objectsTable.getTable("joints");
    JointRecord record{name, end1.name, end2.name, coordType, {}};
    if (type == kLinkType) {
        m_links.push_back(std::move(record));
    } else {
        const JointDefinition joint = physicalJoint(type, filled, end1.body, end2.body, coordType, lua);
        record.joint = namingNative("createJoint", [&] { return m_world->createJoint(joint); });
        m_joints.push_back(std::move(record));
    }
    joints.set(name, filled);
    return 0;
}

// setJointParameters({name = ..., motor, motorSpeed, maxTorque, limit, lowerLimit, upperLimit,
// frequency}): applies what a revolute, prismatic or distance joint takes and writes it to the
// joint's table; unknown names are ignored
void GameLua::setJointParameters(lua::LuaTable parameters) {
    const JointRecord* record = findJoint(parameters.getString("name"));
    if (!record || record->joint.kind() == JointKind::Weld)
        return;
    const lua::LuaTable joints = m_objectsTable.getTable("joints");
    if (!joints.isTable(record->name))
        joints.set(record->name, lua::LuaTable(state()));
    const lua::LuaTable stored = joints.getTable(record->name);
    PhysicsJoint joint = record->joint;
    if (joint.kind() == JointKind::Distance) {
        if (const auto hertz = numberAt(parameters, "frequency", MotorParameters::kNative)) {
            joint.setSpring(*hertz, stored.getNumber("dampingRatio"));
            stored.set("frequency", *hertz);
        }
        return;
    }
    const MotorParameters motor(parameters);
    motor.applyTo(joint);
    motor.writeTo(stored);
}

// checkJointLimits(name): a motor that has reached the limit it runs towards turns back;
// unknown names are ignored
void GameLua::checkJointLimits(const std::string& name) {
    const JointRecord* record = findJoint(name);
    if (!record)
        return;
    PhysicsJoint joint = record->joint;
    if (!joint.isLimitEnabled() || !joint.isMotorEnabled())
        return;
    const float speed = joint.motorSpeed();
    const float value = joint.value();
    if ((speed > 0.0f && value >= joint.upperLimit()) || (speed < 0.0f && value <= joint.lowerLimit()))
        joint.setMotorSpeed(-speed);
}

// destroyJoint(name): the joint or link of that name; nothing for an unknown name
void GameLua::destroyJoint(const std::string& name) {
    const auto joint = std::ranges::find(m_joints, name, &JointRecord::name);
    if (joint != m_joints.end()) {
        m_world->destroyJoint(joint->joint);
        m_joints.erase(joint);
    }
    std::erase_if(m_links, [&](const JointRecord& link) { return link.name == name; });
    m_objectsTable.getTable("joints").setNil(name);
}

JointRecord* GameLua::findJoint(const std::string& name) {
    const auto found = std::ranges::find(m_joints, name, &JointRecord::name);
    return found == m_joints.end() ? nullptr : &*found;
}

void GameLua::mirrorJoints() {
    if (m_joints.empty())
        return;
    const lua::LuaTable joints = m_objectsTable.getTable("joints");
    for (const JointRecord& record : m_joints) {
        if (record.joint.kind() == JointKind::Weld || !joints.isTable(record.name))
            continue;
        const lua::LuaTable table = joints.getTable(record.name);
        const Vector2 a = record.joint.anchorA();
        const Vector2 b = record.joint.anchorB();
        table.set("x1", a.x);
        table.set("y1", a.y);
        table.set("x2", b.x);
        table.set("y2", b.y);
    }
}
