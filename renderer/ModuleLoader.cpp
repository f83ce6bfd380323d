#include "renderer/ModuleLoader.h"

#include "lang/Log.h"
#include "renderer/GraphicsException.h"

#include <dlfcn.h>
#include <exception>

namespace gr {
namespace {

// Closes a module unless it made a context.
class ModuleHandle {
public:
    explicit ModuleHandle(void* handle) : m_handle(handle) {}
    ~ModuleHandle() {
        if (m_handle)
            dlclose(m_handle);
    }
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;

    void* get() const { return m_handle; }
    void keep() { m_handle = nullptr; }

private:
    void* m_handle;
};

} // namespace

std::string moduleFileName(const std::string& directory, RendererKind kind) {
    std::string file = directory;
    if (!file.empty() && file.back() != '/' && file.back() != '\\')
        file += '/';
    return file + "gr" + shortName(kind) + ".so";
}

lang::Ref<Context> createContextFromModule(RendererKind kind, const std::string& directory,
                                           const ContextTarget& target) {
    const std::string file = moduleFileName(directory, kind);
    ModuleHandle module(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!module.get()) {
        LOG_DEBUG("Renderer", "%s", dlerror());
        throw GraphicsException(lang::Format("Renderer for platform {0} ({1}) not found!", shortName(kind), file));
    }
    auto entry = reinterpret_cast<CreateContextFunction>(dlsym(module.get(), "createContext"));
    if (!entry)
        throw GraphicsException(lang::Format("Renderer {0} was missing entrypoint \"createContext\"", file));
    lang::Ref<Context> context(
        entry(target.width, target.height, target.orientation, target.window, target.deviceContext));
    if (!context)
        throw lang::Exception(lang::Format(""));
    module.keep();
    return context;
}

lang::Ref<Context> createContext(const std::vector<RendererKind>& kinds, const std::string& directory,
                                 const ContextTarget& target) {
    if (kinds.empty())
        throw GraphicsException(lang::Format("No renderer defined!"));
    std::string report;
    for (RendererKind kind : kinds) {
        try {
            return createContextFromModule(kind, directory, target);
        } catch (const std::exception& e) { // a module's own failures need not be engine exceptions
            LOG_WARNING("Renderer", "%s renderer failed: %s", displayName(kind), e.what());
            report += lang::Format("{0} renderer not supported!\n", displayName(kind)).toString();
        }
    }
    throw GraphicsException(lang::Format("{0}", report));
}

} // namespace gr
