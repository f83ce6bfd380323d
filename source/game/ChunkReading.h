#pragma once

#include "game/Container.h"
#include "lang/Ref.h"
#include "renderer/Image.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace gr {
class Context;
}

namespace game {

/// Calls `read(reader, version)` for every chunk `id` of `file`, in file order, whose version
/// (the signed 16-bit field that opens the body) is one of `versions`; the reader stands after
/// the version field. A chunk of another version is skipped whole, as are chunks of other ids.
template <class Read>
void readChunks(const ContainerFile& file, std::uint32_t id, std::initializer_list<int> versions, Read read) {
    for (const Chunk& chunk : file.chunks()) {
        if (chunk.id != id)
            continue;
        ChunkReader reader = file.read(chunk);
        const int version = reader.data().readShort();
        for (const int accepted : versions) {
            if (version == accepted) {
                read(reader, version);
                break;
            }
        }
    }
}

/// The path of the texture a resource file names: `name` joined to the folder of the resource
/// file at `containerPath`.
std::string texturePathBeside(const std::string& containerPath, const std::string& name);

/// Decodes the texture file at `path` in the game's data folder through `context`; passes the
/// stream's and the renderer's errors.
lang::Ref<gr::Image> loadBundleTexture(gr::Context& context, const std::string& path);

} // namespace game
