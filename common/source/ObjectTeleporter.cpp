#include "ObjectTeleporter.h"

#include "GameObject.h"

#include <utility>

namespace {

/// `id` with its leading `oldName` replaced by `newName`.
std::string renamed(const std::string& id, const std::string& oldName, const std::string& newName) {
    return id.starts_with(oldName) ? newName + id.substr(oldName.size()) : id;
}

} // namespace

ObjectTeleporter::ObjectTeleporter(GameObject& object, std::string id, Vector2 exitPosition, Vector2 exitVelocity,
                                   float exitAngle)
    : m_object(object), m_id(std::move(id)), m_exitPosition(exitPosition), m_exitVelocity(exitVelocity),
      m_exitAngle(exitAngle) {}

ObjectTeleporter::ObjectTeleporter(const ObjectTeleporter& other, GameObject& object)
    : m_object(object), m_id(renamed(other.m_id, other.m_object.name, object.name)),
      m_exitPosition(other.m_exitPosition), m_exitVelocity(other.m_exitVelocity), m_exitAngle(other.m_exitAngle) {}

bool ObjectTeleporter::update(float) {
    teleport();
    return true;
}

std::unique_ptr<ObjectTeleporter> ObjectTeleporter::cloneFor(GameObject& object) const {
    return std::unique_ptr<ObjectTeleporter>(new ObjectTeleporter(*this, object));
}

void ObjectTeleporter::teleport() {
    m_object.render = {m_exitPosition.x, m_exitPosition.y, m_exitAngle};
    for (Pose& pose : m_object.stepPoses) {
        pose.x = m_exitPosition.x;
        pose.y = m_exitPosition.y;
    }
    PhysicsBody& body = m_object.body;
    if (body.type() != BodyType::Static)
        body.setLinearVelocity(m_exitVelocity);
    body.setTransform(m_exitPosition, m_exitAngle);
}
