#pragma once

#include "lang/Ref.h"
#include "renderer/Context.h"
#include "renderer/RendererKind.h"

#include <string>
#include <vector>

namespace gr {

/// The window a context is made for, as handed to a module's "createContext".
struct ContextTarget {
    int width = 0;
    int height = 0;
    int orientation = 0;
    void* window = nullptr;        ///< the `SDL_Window*`
    void* deviceContext = nullptr; ///< null on this platform
};

/// The module file of `kind`: `directory`, a slash unless it is empty or already ends in a
/// slash or backslash, "gr", the kind's short name and ".so".
std::string moduleFileName(const std::string& directory, RendererKind kind);

/// Creates the graphics context from the first of `kinds` whose module loads and makes one.
/// Any standard exception counts as a failure of its kind; each failure is logged with its reason. Throws
/// `gr::GraphicsException` "No renderer defined!" for an empty list, and "{0}" with one "NAME renderer not supported!"
/// line per kind when every kind fails. A module that made a context stays loaded for the rest of the process: the
/// context's code lives in it.
lang::Ref<Context> createContext(const std::vector<RendererKind>& kinds, const std::string& directory,
                                 const ContextTarget& target);

/// Creates the context from the module of one kind. Throws `gr::GraphicsException` "Renderer
/// for platform {0} ({1}) not found!" when the module does not load, "Renderer {0} was missing
/// entrypoint \"createContext\"" when it lacks the export, `lang::Exception` without a message
/// when it returns no context, and passes on whatever the module throws.
lang::Ref<Context> createContextFromModule(RendererKind kind, const std::string& directory,
                                           const ContextTarget& target);

} // namespace gr
