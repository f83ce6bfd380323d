#include "ResourceFiles.h"
#include "game/ContainerWriter.h"
#include "game/TextGroupSet.h"
#include "io/IOException.h"

#include <gtest/gtest.h>

namespace {

using Set = lang::Ref<game::TextGroupSet>;

void writeStrings(game::ContainerWriter& writer, std::initializer_list<const char*> strings) {
    for (const char* text : strings)
        writer.writeString(text);
}

void subChunk(game::ContainerWriter& writer, std::uint32_t id, std::initializer_list<const char*> strings) {
    writer.beginChunk(id);
    if (id != game::kTextGroupChunk)
        writer.writeShort(static_cast<std::int16_t>(strings.size()));
    writeStrings(writer, strings);
    writer.endChunk();
}

// English and German, with chunks and sub-chunks the reader does not know; `withIds` false
// leaves out the identifiers.
std::vector<std::uint8_t> textFile(bool withIds) {
    game::ContainerWriter writer;
    writer.beginChunk(game::fourCharacterCode("JUNK"));
    writer.endChunk();
    writer.beginChunk(game::kTextChunk);
    writer.writeShort(1);
    subChunk(writer, game::kLanguageDataChunk, {"en_EN", "de_DE"});
    if (withIds)
        subChunk(writer, game::kLanguageIdsChunk, {"hello", "bye"});
    subChunk(writer, game::fourCharacterCode("NOTE"), {"x"});
    subChunk(writer, game::kTextGroupChunk, {"Hello", "Bye"});
    subChunk(writer, game::kTextGroupChunk, {"Hallo", "Tsch\xC3\xBCss"});
    writer.endChunk();
    return writer.finish();
}

// The older layout: languages, identifiers, one offset per language, then the groups.
std::vector<std::uint8_t> oldTextFile() {
    game::ContainerWriter writer;
    writer.writeByte(0);
    writer.writeInt(15);
    writer.writeByte(2);
    writeStrings(writer, {"en_EN", "de_DE"});
    writer.writeShort(2);
    writeStrings(writer, {"hello", "bye"});
    writer.writeInt(4);  // English follows the table's last entry
    writer.writeInt(12); // German follows the 12 bytes of English
    writeStrings(writer, {"Hello", "Bye", "Hallo", "Tsch\xC3\xBCss"});
    return withoutHeader(writer.finish());
}

Set readSet(const std::vector<std::uint8_t>& bytes) {
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
        const char* load;
        const char* language;
        const char* identifier;
        const char* expected;
    } cases[] = {
        {false, "en_EN", "en_EN", "bye", "Bye"},         {false, "de_DE", "de_DE", "bye", "Tsch\xC3\xBCss"},
        {false, "ALL", "de_DE", "hello", "Hallo"},       {true, "en_EN", "en_EN", "hello", "Hello"},
        {true, "de_DE", "de_DE", "bye", "Tsch\xC3\xBCss"}, {true, "ALL", "en_EN", "bye", "Bye"},
    };
    for (const auto& c : cases) {
        const Set set = readSet(c.old ? oldTextFile() : textFile(true));
        EXPECT_EQ(set->languages(), (std::vector<std::string>{"en_EN", "de_DE"}));
        set->load(c.load);
        EXPECT_EQ(set->group(c.language).get(c.identifier), c.expected) << c.load << (c.old ? " old" : "");
        EXPECT_EQ(set->isLoaded("en_EN") + set->isLoaded("de_DE"), c.load == std::string("ALL") ? 2 : 1);
    }
}

TEST_F(TextGroupSetTest, RefusalsNameTheLanguageOrTheFile) {
    const struct {
        bool withIds;
        void (*act)(game::TextGroupSet&, const std::string&);
        const char* language;
        const char* message;
    } cases[] = {
        {true, [](game::TextGroupSet& s, const std::string& l) { s.group(l); }, "en_EN",
         "Trying to get TextGroup for language which is not loaded. Language: \"en_EN\""},
        {true, [](game::TextGroupSet& s, const std::string& l) { s.group(l); }, "fr_FR",
         "Trying to get TextGroup for language not present in data file. Language: \"fr_FR\""},
        {true, [](game::TextGroupSet& s, const std::string& l) { s.release(l); }, "fr_FR",
         "Trying to release TextGroup for language not present in data file. Language: \"fr_FR\""},
        {true, [](game::TextGroupSet& s, const std::string& l) { s.load(l); }, "fr_FR",
         "Trying to load TextGroup for language not present in data file. Language: \"fr_FR\""},
        {false, [](game::TextGroupSet& s, const std::string& l) { s.load(l); }, "de_DE",
         "Missing LIDS chunk before TXGP chunk in file texts/strings.dat"},
    };
    for (const auto& c : cases) {
        const Set set = readSet(textFile(c.withIds));
        try {
            c.act(*set, c.language);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const lang::Exception& e) {
            EXPECT_EQ(e.what(), std::string(c.message));
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
    set->release("ALL");
    EXPECT_FALSE(set->isLoaded("en_EN"));
}

TEST_F(TextGroupSetTest, EveryPrefixOfATextFileReadsOrRaises) {
    for (const auto& bytes : {textFile(true), oldTextFile()}) {
        expectEveryPrefixReadsOrRaises(bytes, [](const std::vector<std::uint8_t>& prefix) {
            const Set set = readSet(prefix);
            set->load("ALL");
        });
    }
}
