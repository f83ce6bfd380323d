#include "game/CompoSpriteSet.h"

#include "game/ChunkReading.h"
#include "game/Container.h"
#include "game/SpriteProvider.h"
#include "io/IOException.h"
#include "io/InputStream.h"
#include "lang/Exception.h"

namespace game {

namespace {

constexpr int kFirstVersion = 1;
/// Version 2 adds a list of named points to each composite, which the game does not use.
constexpr int kVersionWithExtras = 2;

lang::Ref<CompoSprite> readComposite(io::DataInput& data, int version, const SpriteProvider& sprites,
                                     const std::string& fileName) {
    lang::Ref<CompoSprite> composite = new CompoSprite();
    const int partCount = data.readShort();
    for (int i = 0; i < partCount; ++i) {
        const std::string spriteName = data.readUTF();
        const float x = data.readShort();
        const float y = data.readShort();
        Sprite* sprite = sprites.findSprite(spriteName);
        if (!sprite)
            throw lang::Exception(lang::Format("Sprite \"{0}\" not loaded while loading {1}", spriteName, fileName));
        composite->addPart(spriteName, x, y, *sprite);
    }
    if (version == kVersionWithExtras) {
        const int extraCount = data.readShort();
        for (int i = 0; i < extraCount; ++i) {
            data.readUTF();
            data.readShort();
            data.readShort();
        }
    }
    return composite;
}

} // namespace

CompoSpriteSet::CompoSpriteSet(io::InputStream& stream, const SpriteProvider& sprites)
    : CompoSpriteSet(ContainerFile(stream, stream.toString()), sprites) {}

CompoSpriteSet::CompoSpriteSet(const ContainerFile& file, const SpriteProvider& sprites) {
    if (!file.isContainer())
        throw io::IOException(lang::Format("Malformed QPF2 file: {0}", file.name()));
    readChunks(file, kCompositeChunk, {kFirstVersion, kVersionWithExtras}, [&](ChunkReader& reader, int version) {
        io::DataInput& data = reader.data();
        const int count = data.readShort();
        for (int i = 0; i < count; ++i) {
            const std::string name = data.readUTF();
            m_composites[name] = readComposite(data, version, sprites, file.name());
        }
    });
}

CompoSpriteSet::~CompoSpriteSet() = default;

} // namespace game
