#include "util/EncipheredArchive.h"

#include "io/ByteArrayInputStream.h"
#include "lang/Exception.h"
#include "util/AES.h"
#include "util/ZipWriter.h"

namespace util {

lang::Ref<io::ZipFileInputStream> openEncipheredArchive(std::span<const std::uint8_t> bytes,
                                                         std::span<const std::uint8_t> key, const std::string& name) {
    std::vector<std::uint8_t> plain;
    if (!AES(key, AES::KEY_LENGTH_FROM_KEY, AES::PAD_MODE_PKCS7).decrypt(bytes, plain))
        throw lang::Exception(lang::Format("Deciphering {0} failed", name));
    lang::Ref<io::ZipFileInputStream> archive =
        new io::ZipFileInputStream(new io::ByteArrayInputStream(std::move(plain), name), true);
    if (archive->getEntryCount() == 0)
        throw lang::Exception(lang::Format("{0} holds no entries", name));
    return archive;
}

std::vector<std::uint8_t> makeEncipheredArchive(const std::string& entryName, std::span<const std::uint8_t> content,
                                                std::span<const std::uint8_t> key) {
    ZipWriter writer;
    writer.add(entryName, content);
    std::vector<std::uint8_t> enciphered;
    AES(key, AES::KEY_LENGTH_FROM_KEY, AES::PAD_MODE_PKCS7).encrypt(writer.finish(), enciphered);
    return enciphered;
}

} // namespace util
