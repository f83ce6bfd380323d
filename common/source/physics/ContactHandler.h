#pragma once

struct GameObject;
class b2Contact;

/// One touching pair of fixtures while the world reports it. Valid only inside the handler call.
class Contact {
public:
    Contact(b2Contact& contact, GameObject* a, GameObject* b) : m_contact(contact), m_a(a), m_b(b) {}

    /// The game objects of the two fixtures; null for a fixture without one (or whose object is
    /// being destroyed).
    GameObject* objectA() const { return m_a; }
    GameObject* objectB() const { return m_b; }
    /// A disabled contact produces no collision response for the rest of this step.
    void setEnabled(bool enabled);

private:
    b2Contact& m_contact;
    GameObject* m_a;
    GameObject* m_b;
};

/// The game's rules for contacts, called by `PhysicsWorld` from inside its step. Handlers may call
/// scripts and may ask the world to destroy bodies and joints (deferred to the end of the step),
/// but must not create any. An exception a handler throws is kept by the world and rethrown
/// once the step has finished.
class ContactHandler {
public:
    virtual ~ContactHandler();

    /// Whether two fixtures that both have game objects and pass the group and mask rules collide.
    virtual bool shouldCollide(GameObject& a, GameObject& b) = 0;
    virtual void beginContact(Contact& contact) = 0;
    virtual void endContact(Contact& contact) = 0;
    virtual void preSolve(Contact& contact) = 0;
    /// Called once the step has finished and the deferred destruction has run, before a kept
    /// exception is rethrown: what the handlers' callers let go of during the step can go now.
    virtual void stepEnded() {}
};
