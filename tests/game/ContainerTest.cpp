#include "game/Anchor.h"
#include "game/Container.h"
#include "game/ContainerWriter.h"
#include "io/ByteArrayInputStream.h"
#include "io/IOException.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

namespace {

game::ContainerFile readBytes(std::vector<std::uint8_t> bytes) {
    io::ByteArrayInputStream stream(std::move(bytes), "test.dat");
    return game::ContainerFile(stream, "test.dat");
}

std::vector<std::uint8_t> twoChunks() {
    game::ContainerWriter writer;
    writer.beginChunk(game::fourCharacterCode("ABCD"));
    writer.writeShort(7);
    writer.endChunk();
    writer.beginChunk(game::kTextChunk);
    writer.beginChunk(game::kLanguageDataChunk);
    writer.writeString("en_EN");
    writer.endChunk();
    writer.endChunk();
    return writer.finish();
}

} // namespace

TEST(Container, ChunksAreFoundInFileOrderWithNestedSizesFilledIn) {
    const game::ContainerFile file = readBytes(twoChunks());
    ASSERT_TRUE(file.isContainer());
    ASSERT_EQ(file.chunks().size(), 2u);
    EXPECT_EQ(file.chunks()[0].id, game::fourCharacterCode("ABCD"));
    EXPECT_EQ(file.chunks()[0].size, 2u);
    EXPECT_EQ(file.chunks()[1].id, game::kTextChunk);
    game::ChunkReader text = file.read(file.chunks()[1]);
    EXPECT_EQ(text.readId(), game::kLanguageDataChunk);
    EXPECT_EQ(text.data().readInt(), 7);
    EXPECT_EQ(text.data().readUTF(), "en_EN");
    EXPECT_EQ(text.remaining(), 0);
}

TEST(Container, PayloadSizeMayEqualTheRestButNotExceedIt) {
    std::vector<std::uint8_t> bytes = twoChunks();
    EXPECT_NO_THROW(readBytes(bytes));
    ++bytes[7];
    try {
        readBytes(bytes);
        FAIL() << "a payload size beyond the end was accepted";
    } catch (const io::IOException& e) {
        EXPECT_STREQ(e.what(), "Malformed QPF2 file: test.dat");
    }
}

TEST(Container, AFileWithoutTheMagicIsReadWholeAndAShortChunkEndsInEndOfFile) {
    const game::ContainerFile legacy = readBytes({0, 3, 'a', 'b', 'c'});
    EXPECT_FALSE(legacy.isContainer());
    EXPECT_EQ(legacy.readWhole().data().readUTF(), "abc");

    std::vector<std::uint8_t> bytes = twoChunks();
    bytes.resize(bytes.size() - 3);
    bytes[7] -= 3;
    const game::ContainerFile cut = readBytes(bytes);
    game::ChunkReader text = cut.read(cut.chunks()[1]);
    text.readId();
    text.data().readInt();
    EXPECT_THROW(text.data().readUTF(), io::IOException);
}

TEST(Anchor, NamesSetTheirAxisAndAnythingElseIsRefused) {
    game::Anchors anchors;
    game::applyAnchorName(anchors, "BOTTOM");
    game::applyAnchorName(anchors, "");
    game::applyAnchorName(anchors, "HCENTER");
    EXPECT_EQ(anchors.vertical, game::VerticalAnchor::Bottom);
    EXPECT_EQ(anchors.horizontal, game::HorizontalAnchor::HCenter);
    try {
        game::applyAnchorName(anchors, "top");
        FAIL();
    } catch (const lang::Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid anchor: top");
    }
}
