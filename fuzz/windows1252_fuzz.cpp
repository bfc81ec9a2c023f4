// ToWindows1252 on any bytes: never longer than its input, and text made only of characters the
// code page holds comes back as the code page's bytes. The code page is spelled out once more
// here, from its definition, the other way round: byte to character.
#include <QString>

#include <array>
#include <cstdint>
#include <string>

#include "export/windows1252.h"
#include "fuzz_checks.h"

namespace {

constexpr char16_t kNone = 0xFFFF;

// 80 to 9F hold these in place of control characters.
constexpr std::array<char16_t, 32> k80To9F = {u'€',  kNone, u'‚', u'ƒ', u'„', u'…',  u'†', u'‡',
                                              u'ˆ',  u'‰',  u'Š', u'‹', u'Œ', kNone, u'Ž', kNone,
                                              kNone, u'‘',  u'’', u'“', u'”', u'•',  u'–', u'—',
                                              u'˜',  u'™',  u'š', u'›', u'œ', kNone, u'ž', u'Ÿ'};

// The character a byte of the code page stands for, or kNone.
char16_t CharacterOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? k80To9F[byte - 0x80] : char16_t{byte};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(kolvenar::ToWindows1252(bytes).size() <= size);
    // The bytes read as the code page, the five empty places left out, then written as UTF-8.
    QString text;
    std::string held;
    for (const char byte : bytes) {
        const char16_t character = CharacterOf(static_cast<unsigned char>(byte));
        if (character != kNone) {
            text += QChar(character);
            held += byte;
        }
    }
    FUZZ_CHECK(kolvenar::ToWindows1252(text.toStdString()) == held);
    return 0;
}
