#include "DataCommands.h"

#include "io/FileInputStream.h"
#include "io/ReadAll.h"
#include "lang/Exception.h"
#include "util/AES.h"
#include "util/DataKeys.h"
#include "util/EncipheredArchive.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace datatool {

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readFile(const fs::path& path) {
    io::FileInputStream stream(path.string());
    return io::readAll(stream);
}

/// Writes beside the target first and renames over it, so a failed run leaves the old file.
void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    fs::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            throw lang::Exception(lang::Format("Writing {0} failed", temporary.string()));
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary);
        throw lang::Exception(lang::Format("Replacing {0} failed: {1}", path.string(), error.message()));
    }
}

/// The place of an archive entry below `folder`, or an exception for a name that would escape it.
fs::path entryPath(const fs::path& folder, const std::string& name) {
    const fs::path relative = fs::path(name).lexically_normal();
    if (name.empty() || relative.is_absolute() || relative.has_root_name() || *relative.begin() == "..")
        throw lang::Exception(lang::Format("Refusing the entry \"{0}\": it would be written outside {1}", name,
                                           folder.string()));
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

} // namespace datatool
