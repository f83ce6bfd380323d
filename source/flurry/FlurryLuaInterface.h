#pragma once

#include "Flurry.h"
#include "lua/LuaObject.h"

namespace lua {
class LuaState;
}

namespace flurry {

/// The scripts' analytics object, the global "Flurry": "startSession"(key), "endSession"() and
/// "logEvent"(name, [parameters]), callable as functions or as methods. Parameters are a text
/// (reported as the one parameter "text") or a table whose text keys map to texts or numbers;
/// other entries are left out. Main thread only.
class FlurryLuaInterface : public lua::LuaObject {
public:
    /// Registers the functions on `session` and publishes the object as the global "Flurry" of
    /// `state`.
    FlurryLuaInterface(lua::LuaState& state, Flurry& session);
    ~FlurryLuaInterface() override;

private:
    // startSession(key)
    int startSession(lua::LuaState& lua);
    // endSession()
    int endSession(lua::LuaState& lua);
    // logEvent(name, [text or table])
    int logEvent(lua::LuaState& lua);
    // The index of the first argument: 2 for a method call, else 1.
    int firstArgument() const;

    lang::Ref<Flurry> m_session;
};

} // namespace flurry
