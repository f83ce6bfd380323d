#pragma once

#include <box2d/box2d.h>

#include <exception>

class ContactHandler;
struct GameObject;

/// Box2D's contact filter and listener for one world: applies the group and mask rules itself and
/// hands pairs with game objects to the game's `ContactHandler`. It never lets an exception
/// unwind through Box2D: the first one is kept (and later handler calls skipped) until the world
/// takes it after the operation that raised it.
class ContactAdapter : public b2ContactFilter, public b2ContactListener {
public:
    void setHandler(ContactHandler* handler) { m_handler = handler; }
    /// Rethrows the kept exception, if any, and forgets it.
    void rethrowKept();
    /// Tells the handler, if any, that the step has ended.
    void endStep();

    bool ShouldCollide(b2Fixture* fixtureA, b2Fixture* fixtureB) override;
    void BeginContact(b2Contact* contact) override;
    void EndContact(b2Contact* contact) override;
    void PreSolve(b2Contact* contact, const b2Manifold* oldManifold) override;

    /// The game object a fixture reports; null when it has none.
    static GameObject* ownerOf(b2Fixture& fixture);

private:
    template <class Call> void dispatch(b2Contact& contact, Call call);

    ContactHandler* m_handler = nullptr;
    std::exception_ptr m_kept;
};
