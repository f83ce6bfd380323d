// The dynamic asset handler: created once by the scripts, then driven through its own functions.
#include "GameLua.h"

#include "DynamicHandlerLua.h"
#include "lang/Exception.h"
#include "lang/Format.h"

void GameLua::registerDynamicAssetNatives() { registerMethod("createDynamicHandler", &GameLua::createDynamicHandler); }

// createDynamicHandler(name): makes the handler, its files under the global "imagePath", and
// keeps it as the global `name`; there is one per game
void GameLua::createDynamicHandler(const std::string& name) {
    if (m_dynamicHandler)
        throw lang::Exception(lang::Format("Dynamic asset handler already initialized"));
    m_dynamicHandler = new DynamicHandlerLua(state(), m_resources, getString("imagePath"), *this);
    set(name, *m_dynamicHandler);
}
