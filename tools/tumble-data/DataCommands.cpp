#include "DataCommands.h"

#include "OutputFiles.h"

#include "io/ReadAll.h"
#include "lang/Exception.h"
#include "util/AES.h"
#include "util/DataKeys.h"
#include "util/EncipheredArchive.h"

#include <cstdint>
#include <cstdio>

namespace datatool {

namespace fs = std::filesystem;

namespace {

/// The place of an archive entry below `folder`, or an exception for a name that would escape it.
fs::path entryPath(const fs::path& folder, const std::string& name) {
    const fs::path relative = fs::path(name).lexically_normal();
    if (name.empty() || relative.is_absolute() || relative.has_root_name() || *relative.begin() == "..")
        throw lang::Exception(
            lang::Format("Refusing the entry \"{0}\": it would be written outside {1}", name, folder.string()));
    return folder / relative;
}

} // namespace

void packScript(const fs::path& script, const fs::path& output) {
    writeFile(output, util::makeEncipheredArchive(script.filename().string(), readFile(script), util::dataKey()));
}

std::vector<fs::path> unpack(const fs::path& archive, const fs::path& folder) {
    lang::Ref<io::ZipFileInputStream> zip =
        util::openEncipheredArchive(readFile(archive), util::dataKey(), archive.string());
    std::vector<fs::path> written;
    for (int index = 0; index < zip->getEntryCount(); ++index) {
        const std::string& name = zip->getEntryName(index);
        const fs::path target = entryPath(folder, name);
        if (name.back() == '/') {
            fs::create_directories(target);
            continue;
        }
        lang::Ref<io::ZipEntryInputStream> entry = zip->getEntry(index);
        writeFile(target, io::readAll(*entry));
        written.push_back(target);
    }
    return written;
}

void encipherSave(const fs::path& input, const fs::path& output) {
    std::vector<std::uint8_t> enciphered;
    util::AES(util::saveKey(), util::AES::KEY_LENGTH_FROM_KEY, util::AES::PAD_MODE_PKCS7)
        .encrypt(readFile(input), enciphered);
    writeFile(output, enciphered);
}

void decipherSave(const fs::path& input, const fs::path& output) {
    std::vector<std::uint8_t> plain;
    if (!util::AES(util::saveKey(), util::AES::KEY_LENGTH_FROM_KEY, util::AES::PAD_MODE_PKCS7)
             .decrypt(readFile(input), plain))
        throw lang::Exception(lang::Format("{0} does not decipher with the save key", input.string()));
    writeFile(output, plain);
}

const Command kPackScriptCommand{
    "pack-script",
    "IN OUT",
    "Zip IN as the single entry of an archive enciphered with the data key.",
    "Scripts and levels are packed alike; the entry is named after IN's file name.\n",
    2,
    2,
    {},
    [](const Arguments& arguments) { packScript(arguments.positional(0), arguments.positional(1)); },
};

const Command kUnpackCommand{
    "unpack",
    "FILE [OUTDIR]",
    "Decipher FILE with the data key and extract its entries.",
    "Entries go below OUTDIR (default: the current folder); names that would land outside it are\n"
    "refused. Prints the files written.\n",
    1,
    2,
    {},
    [](const Arguments& arguments) {
        const std::string folder = arguments.positionalCount() == 2 ? arguments.positional(1) : ".";
        for (const auto& file : unpack(arguments.positional(0), folder))
            std::printf("%s\n", file.string().c_str());
    },
};

const Command kEncipherSaveCommand{
    "encipher-save",
    "IN OUT",
    "Encipher a saved table's text with the save key.",
    "",
    2,
    2,
    {},
    [](const Arguments& arguments) { encipherSave(arguments.positional(0), arguments.positional(1)); },
};

const Command kDecipherSaveCommand{
    "decipher-save",
    "IN OUT",
    "Decipher a saved table written by the engine.",
    "",
    2,
    2,
    {},
    [](const Arguments& arguments) { decipherSave(arguments.positional(0), arguments.positional(1)); },
};

} // namespace datatool
