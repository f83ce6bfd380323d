#include "ContactAdapter.h"

#include "ContactHandler.h"

#include <utility>

ContactHandler::~ContactHandler() = default;

void Contact::setEnabled(bool enabled) { m_contact.SetEnabled(enabled); }

GameObject* ContactAdapter::ownerOf(b2Fixture& fixture) {
    return reinterpret_cast<GameObject*>(fixture.GetUserData().pointer);
}

void ContactAdapter::rethrowKept() {
    if (m_kept)
        std::rethrow_exception(std::exchange(m_kept, nullptr));
}

void ContactAdapter::endStep() {
    if (m_handler)
        m_handler->stepEnded();
}

bool ContactAdapter::ShouldCollide(b2Fixture* fixtureA, b2Fixture* fixtureB) {
    const b2Filter& a = fixtureA->GetFilterData();
    const b2Filter& b = fixtureB->GetFilterData();
    if (a.groupIndex == b.groupIndex && a.groupIndex != 0)
        return a.groupIndex > 0;
    if ((a.maskBits & b.categoryBits) == 0 || (b.maskBits & a.categoryBits) == 0)
        return false;
    GameObject* objectA = ownerOf(*fixtureA);
    GameObject* objectB = ownerOf(*fixtureB);
    if (!objectA || !objectB || !m_handler)
        return true;
    return m_handler->shouldCollide(*objectA, *objectB);
}

template <class Call> void ContactAdapter::dispatch(b2Contact& contact, Call call) {
    if (!m_handler || m_kept)
        return;
    Contact wrapped(contact, ownerOf(*contact.GetFixtureA()), ownerOf(*contact.GetFixtureB()));
    try {
        call(*m_handler, wrapped);
    } catch (...) {
        m_kept = std::current_exception();
    }
}

void ContactAdapter::BeginContact(b2Contact* contact) {
    dispatch(*contact, [](ContactHandler& handler, Contact& wrapped) { handler.beginContact(wrapped); });
}

void ContactAdapter::EndContact(b2Contact* contact) {
    dispatch(*contact, [](ContactHandler& handler, Contact& wrapped) { handler.endContact(wrapped); });
}

void ContactAdapter::PreSolve(b2Contact* contact, const b2Manifold*) {
    dispatch(*contact, [](ContactHandler& handler, Contact& wrapped) { handler.preSolve(wrapped); });
}
