#include "CompoCommand.h"
#include "ToolTestFolder.h"

namespace fs = std::filesystem;

namespace {

class CompoCommand : public ToolTestFolder {
protected:
    /// The chunk's version and its composites written compactly: "NAME[SPRITE X Y,...|EXTRA A B,...];".
    static std::pair<int, std::string> readComposites(const fs::path& path) {
        const game::ContainerFile file = openContainer(path);
        game::ChunkReader reader = file.read(file.chunks().at(0));
        EXPECT_EQ(file.chunks()[0].id, game::kCompositeChunk);
        io::DataInput& data = reader.data();
        const int version = data.readShort();
        std::string text;
        const auto readRecords = [&] {
            for (int count = data.readShort(); count > 0; --count) {
                text += data.readUTF();
                const int a = data.readShort();
                text += " " + std::to_string(a) + " " + std::to_string(data.readShort()) + (count > 1 ? "," : "");
            }
        };
        for (int count = data.readShort(); count > 0; --count) {
            text += data.readUTF() + "[";
            readRecords();
            if (version == 2) {
                text += "|";
                readRecords();
            }
            text += "];";
        }
        EXPECT_EQ(reader.remaining(), 0);
        return {version, text};
    }
};

TEST_F(CompoCommand, DescriptionsBecomeVersionOneOrTwo) {
    struct Case {
        std::string description;
        int version;
        std::string composites;
    };
    const Case cases[] = {
        {"# a hero\ncomposite hero\n  part body 0 0\n\tpart head 0 -10\n\ncomposite flag\npart pole -32768 32767\n", 1,
         "hero[body 0 0,head 0 -10];flag[pole -32768 32767];"},
        {"composite hero\npart body 0 0\nextra hat 1 2\npart head 0 -10\ncomposite flag\npart pole 3 4\n", 2,
         "hero[body 0 0,head 0 -10|hat 1 2];flag[pole 3 4|];"},
    };
    for (const Case& test : cases) {
        datatool::buildComposites(write("c.txt", test.description), m_folder / "c.dat");
        EXPECT_EQ(readComposites(m_folder / "c.dat"), std::make_pair(test.version, test.composites));
    }
}

TEST_F(CompoCommand, BadDescriptionsFailNamingTheLine) {
    expectFailures(
        {
            {"\npart a 1 2\n", "c.txt:2: part before the first composite"},
            {"composite a\npart x 1\n", "c.txt:2: expected part SPRITE X Y"},
            {"composite a\nextra x 1 2 3\n", "c.txt:2: expected extra NAME A B"},
            {"composite a b\n", "c.txt:1: expected composite NAME"},
            {"composite a\npart x 1 32768\n", "c.txt:2: Y must be an integer from -32768 to 32767"},
            {"composite a\ncomposite b\npart x 1 1\n", "c.txt:1: the composite a needs 1 to 32767 parts"},
            {"composite a\npart x 1 1\ncomposite a\n", "c.txt:3: the composite a is given twice"},
            {"frame a\n", "c.txt:1: expected composite, part or extra, not \"frame\""},
            {"# empty\n", "describes no composite"},
        },
        "c.txt", "c.dat", datatool::buildComposites);
}

} // namespace
