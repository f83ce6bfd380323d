#include "FlurryLuaInterface.h"

#include "lua/LuaState.h"
#include "lua/LuaTableVisitor.h"
#include "lua/LuaType.h"
#include "lua/NumberText.h"

namespace flurry {

namespace {

/// Collects the text and number entries under text keys of a table's top level.
class ParameterCollector : public lua::LuaTableVisitor {
public:
    Flurry::Parameters parameters;

    void booleanAtIndex(int, bool) override {}
    void numberAtIndex(int, double) override {}
    void stringAtIndex(int, const char*) override {}
    void booleanAtKey(const char*, bool) override {}
    void numberAtKey(const char* key, double value) override {
        // A script that logs 3 sends "3", not "3.000000".
        if (m_depth == 0)
            parameters[key] = lua::numberText(static_cast<float>(value));
    }
    void stringAtKey(const char* key, const char* value) override {
        if (m_depth == 0)
            parameters[key] = value;
    }
    void beginTable(const char*) override { ++m_depth; }
    void endTable() override { --m_depth; }
    void finish() override {}

private:
    int m_depth = 0;
};

} // namespace

FlurryLuaInterface::FlurryLuaInterface(lua::LuaState& state, Flurry& session)
    : lua::LuaObject(state), m_session(&session) {
    registerMethod("startSession", &FlurryLuaInterface::startSession);
    registerMethod("endSession", &FlurryLuaInterface::endSession);
    registerMethod("logEvent", &FlurryLuaInterface::logEvent);
    state.getGlobals().set("Flurry", *this);
}

FlurryLuaInterface::~FlurryLuaInterface() = default;

int FlurryLuaInterface::firstArgument() const { return isSelf(1) ? 2 : 1; }

int FlurryLuaInterface::startSession(lua::LuaState& lua) {
    m_session->startSession(lua.toString(firstArgument()));
    return 0;
}

int FlurryLuaInterface::endSession(lua::LuaState&) {
    m_session->endSession();
    return 0;
}

int FlurryLuaInterface::logEvent(lua::LuaState& lua) {
    const int first = firstArgument();
    const std::string name = lua.toString(first);
    Flurry::Parameters parameters;
    const int given = first + 1;
    if (lua.getType(given) == lua::LuaType::String) {
        parameters["text"] = lua.toString(given);
    } else if (lua.getType(given) == lua::LuaType::Table) {
        ParameterCollector collector;
        lua.toTable(given).accept(collector);
        collector.finish();
        parameters = std::move(collector.parameters);
    }
    m_session->logEvent(name, parameters);
    return 0;
}

} // namespace flurry
