#pragma once

#include "lang/Exception.h"

/// Runs `action` and returns what it returns; a `lang::Exception` it raises is raised again with
/// the name of the native in front, so the script error says which call failed.
template <class Action> decltype(auto) namingNative(const char* native, Action&& action) {
    try {
        return action();
    } catch (const lang::Exception& error) {
        throw lang::Exception(lang::Format("{0}: {1}", native, error.what()));
    }
}
