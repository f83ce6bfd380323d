#include "DataCommands.h"
#include "ToolTestFolder.h"

#include "lang/Exception.h"
#include "util/AES.h"
#include "util/DataKeys.h"
#include "util/EncipheredArchive.h"
#include "util/ZipWriter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class DataCommands : public ToolTestFolder {
protected:
    static std::vector<std::uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }
};

TEST_F(DataCommands, PackedScriptUnpacksToTheSameBytesUnderItsOwnName) {
    std::string script = "settings = { volume = 0.5 }\n";
    for (int value = 0; value < 256; ++value)
        script += static_cast<char>(value);
    const fs::path input = write("logic.lua", script);
    datatool::packScript(input, m_folder / "logic.bin");
    EXPECT_NE(read(m_folder / "logic.bin").find("settings"), 0u);

    const auto written = datatool::unpack(m_folder / "logic.bin", m_folder / "out");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], m_folder / "out" / "logic.lua");
    EXPECT_EQ(read(written[0]), script);
}

TEST_F(DataCommands, PackedScriptIsEncipheredWithTheDataKey) {
    datatool::packScript(write("a.lua", "return 1"), m_folder / "a.bin");
    const std::string packed = read(m_folder / "a.bin");
    EXPECT_EQ(packed.size() % 16, 0u);
    EXPECT_EQ(packed.find("PK"), std::string::npos) << "the archive is stored in the clear";
    auto archive = util::openEncipheredArchive(bytes(packed), util::dataKey(), "a.bin");
    EXPECT_EQ(archive->getEntryName(0), "a.lua");
    EXPECT_THROW(util::openEncipheredArchive(bytes(packed), util::saveKey(), "a.bin"), lang::Exception);
}

TEST_F(DataCommands, SaveRoundTripAndWrongKey) {
    const fs::path text = write("settings.lua", "volume = 0.95\n");
    datatool::encipherSave(text, m_folder / "settings.bin");
    EXPECT_NE(read(m_folder / "settings.bin"), "volume = 0.95\n");
    datatool::decipherSave(m_folder / "settings.bin", m_folder / "back.lua");
    EXPECT_EQ(read(m_folder / "back.lua"), "volume = 0.95\n");

    // A file that does not decipher is refused and leaves the old output in place.
    write("keep.lua", "old");
    EXPECT_THROW(datatool::decipherSave(write("torn.bin", std::string(33, 'x')), m_folder / "keep.lua"),
                 lang::Exception);
    EXPECT_EQ(read(m_folder / "keep.lua"), "old");
}

TEST_F(DataCommands, UnpackRefusesEntriesThatEscapeTheFolder) {
    for (const char* name : {"../escape.lua", "/tmp/absolute.lua", "a/../../escape.lua"}) {
        util::ZipWriter writer;
        writer.add(name, bytes("boom"));
        std::vector<std::uint8_t> enciphered;
        util::AES(util::dataKey(), 0, 0).encrypt(writer.finish(), enciphered);
        const fs::path archive = m_folder / "evil.bin";
        std::ofstream(archive, std::ios::binary)
            .write(reinterpret_cast<const char*>(enciphered.data()), static_cast<std::streamsize>(enciphered.size()));
        EXPECT_THROW(datatool::unpack(archive, m_folder / "out"), lang::Exception) << name;
        EXPECT_FALSE(fs::exists(m_folder / "escape.lua")) << name;
    }
}

TEST_F(DataCommands, UnpackCreatesSubfoldersOfEntries) {
    util::ZipWriter writer;
    writer.add("levels/", {});
    writer.add("levels/1.lua", bytes("one"));
    writer.add("blocks.lua", bytes("two"));
    std::vector<std::uint8_t> enciphered;
    util::AES(util::dataKey(), 0, 0).encrypt(writer.finish(), enciphered);
    const fs::path archive = m_folder / "pack.bin";
    std::ofstream(archive, std::ios::binary)
        .write(reinterpret_cast<const char*>(enciphered.data()), static_cast<std::streamsize>(enciphered.size()));
    const auto written = datatool::unpack(archive, m_folder / "out");
    EXPECT_EQ(written.size(), 2u);
    EXPECT_EQ(read(m_folder / "out" / "levels" / "1.lua"), "one");
    EXPECT_EQ(read(m_folder / "out" / "blocks.lua"), "two");
}

TEST_F(DataCommands, BadInputsRaiseMessagesNamingTheFile) {
    const fs::path missing = m_folder / "missing.lua";
    try {
        datatool::packScript(missing, m_folder / "x.bin");
        FAIL();
    } catch (const lang::Exception& e) {
        EXPECT_NE(std::string(e.what()).find("missing.lua"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(m_folder / "x.bin"));
    // Plain text is no enciphered archive; neither is an empty file.
    EXPECT_THROW(datatool::unpack(write("plain.lua", "x = 1"), m_folder / "out"), lang::Exception);
    EXPECT_THROW(datatool::unpack(write("empty.bin", ""), m_folder / "out"), lang::Exception);
    EXPECT_THROW(datatool::decipherSave(write("odd.bin", "0123456789"), m_folder / "o"), lang::Exception);
}

} // namespace
