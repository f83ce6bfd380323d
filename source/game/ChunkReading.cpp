#include "game/ChunkReading.h"

#include "io/BundleInputStream.h"
#include "io/PathName.h"
#include "renderer/Context.h"

namespace game {

std::string texturePathBeside(const std::string& containerPath, const std::string& name) {
    const io::PathName container(containerPath);
    const std::string folder = std::string(container.getDrive()) + container.getDirectory();
    return io::PathName(folder, name).toString();
}

lang::Ref<gr::Image> loadBundleTexture(gr::Context& context, const std::string& path) {
    io::BundleInputStream stream(path);
    return context.loadImage(stream, path);
}

} // namespace game
