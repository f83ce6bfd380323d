#include "game/TextGroupSet.h"
#include "ResourceFiles.h"
#include "io/IOException.h"

namespace {

using Set = lang::Ref<game::TextGroupSet>;

// English and German, among a chunk and a sub-chunk of other kinds; `withIds` false leaves the
// identifiers out, `withGerman` false the German strings.
Bytes textFile(bool withIds, bool withGerman = true) {
    game::ContainerWriter writer;
    chunk(writer, "JUNK", {});
    writer.beginChunk(game::kTextChunk);
    put(writer, {1});
    chunk(writer, "LDAT", {2, "en_EN", "de_DE"});
    if (withIds)
        chunk(writer, "LIDS", {2, "hello", "bye"});
    chunk(writer, "NOTE", {1, "x"});
    chunk(writer, "TXGP", {"Hello", "Bye"});
    if (withGerman)
        chunk(writer, "TXGP", {"Hallo", "Tsch\u00FCss"});
    writer.endChunk();
    return writer.finish();
}

// The older layout: a byte, the language block's length and the block, the identifiers, one
// offset per language (its strings start that far after its entry), then the strings.
const Bytes kOldFile = bare({Int8{0}, Int32{15}, Int8{2}, "en_EN", "de_DE", 2, "hello", "bye", Int32{4}, Int32{12},
                             "Hello", "Bye", "Hallo", "Tsch\u00FCss"});

Set readSet(const Bytes& bytes) {
    writeFile("texts/strings.dat", bytes);
    Set set = new game::TextGroupSet("texts/strings.dat");
    set->readLanguages();
    return set;
}

class TextGroupSetTest : public InTemporaryFolder {};

} // namespace

TEST_F(TextGroupSetTest, LoadingALanguageReadsItsOwnGroupInEitherLayout) {
    const struct {
        bool old;
        std::string load, language, identifier, expected;
    } cases[] = {
        {false, "en_EN", "en_EN", "bye", "Bye"},         {false, "de_DE", "de_DE", "bye", "Tsch\u00FCss"},
        {false, "ALL", "de_DE", "hello", "Hallo"},       {true, "en_EN", "en_EN", "hello", "Hello"},
        {true, "de_DE", "de_DE", "bye", "Tsch\u00FCss"}, {true, "ALL", "en_EN", "bye", "Bye"},
    };
    for (const auto& c : cases) {
        const Set set = readSet(c.old ? kOldFile : textFile(true));
        EXPECT_EQ(set->languages(), (std::vector<std::string>{"en_EN", "de_DE"}));
        set->load(c.load);
        EXPECT_EQ(set->group(c.language).get(c.identifier), c.expected) << c.load << c.old;
        EXPECT_EQ(set->isLoaded("en_EN") + set->isLoaded("de_DE"), c.load == "ALL" ? 2 : 1);
    }
}

TEST_F(TextGroupSetTest, RefusalsNameTheLanguageOrTheFile) {
    using Act = void (*)(game::TextGroupSet&, const std::string&);
    const Act get = [](game::TextGroupSet& set, const std::string& code) { set.group(code); };
    const Act release = [](game::TextGroupSet& set, const std::string& code) { set.release(code); };
    const Act load = [](game::TextGroupSet& set, const std::string& code) { set.load(code); };
    const struct {
        bool withIds;
        Act act;
        const char* language;
        std::string message;
    } cases[] = {
        {true, get, "en_EN", "Trying to get TextGroup for language which is not loaded. Language: \"en_EN\""},
        {true, get, "fr_FR", "Trying to get TextGroup for language not present in data file. Language: \"fr_FR\""},
        {true, release, "fr", "Trying to release TextGroup for language not present in data file. Language: \"fr\""},
        {true, load, "fr_FR", "Trying to load TextGroup for language not present in data file. Language: \"fr_FR\""},
        {false, load, "de_DE", "Missing LIDS chunk before TXGP chunk in file texts/strings.dat"},
    };
    for (const auto& c : cases) {
        const Set set = readSet(textFile(c.withIds));
        try {
            c.act(*set, c.language);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const lang::Exception& e) {
            EXPECT_EQ(e.what(), c.message);
            EXPECT_EQ(dynamic_cast<const io::IOException*>(&e) != nullptr, !c.withIds) << c.message;
        }
    }
}

TEST_F(TextGroupSetTest, GroupsStayUntilReleasedAndAFailedLoadKeepsThem) {
    const Set set = readSet(textFile(true));
    set->release("ALL");
    set->load("en_EN");
    game::TextGroup& english = set->group("en_EN");
    EXPECT_EQ(english.get("missing.key"), "missing.key");
    EXPECT_EQ(english.size(), 3u);

    writeFile("texts/strings.dat", textFile(false));
    EXPECT_THROW(set->load("en_EN"), io::IOException);
    EXPECT_EQ(&set->group("en_EN"), &english);
    writeFile("texts/strings.dat", textFile(true, false));
    set->load("de_DE");
    EXPECT_FALSE(set->isLoaded("de_DE"));
    set->release("ALL");
    EXPECT_FALSE(set->isLoaded("en_EN"));
}

TEST_F(TextGroupSetTest, EveryPrefixOfATextFileReadsOrRaises) {
    for (const Bytes& bytes : {textFile(true), kOldFile}) {
        expectEveryPrefixReadsOrRaises(bytes, [](const Bytes& prefix) { readSet(prefix)->load("ALL"); });
    }
}
