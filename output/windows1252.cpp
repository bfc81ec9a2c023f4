#include "output/windows1252.h"

#include <iconv.h>

#include <cerrno>

namespace kolvenar {

namespace {

// Bytes of the (possibly broken) UTF-8 character at the start of `text`: its lead byte and
// the continuation bytes that follow it.
std::size_t CharacterLength(const char* text, std::size_t available) {
    std::size_t length = 1;
    while (length < available && length < 4 &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

class Converter {
public:
    Converter() : handle_(iconv_open("WINDOWS-1252", "UTF-8")) {}
    ~Converter() {
        if (Valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return handle_; }

private:
    iconv_t handle_;
};

}  // namespace

std::string ToWindows1252(std::string_view utf8) {
    std::string out(utf8.size(), '\0');  // never longer than the UTF-8 text
    Converter converter;
    if (!converter.Valid()) {
        // Without the converter only ASCII survives.
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            out[i] = c < 0x80 ? static_cast<char>(c) : '?';
        }
        return out;
    }
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* target = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(converter.Handle(), &in, &inLeft, &target, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        // A character without a place in the code page, or a broken sequence.
        const std::size_t skip = CharacterLength(in, inLeft);
        in += skip;
        inLeft -= skip;
        *target++ = '?';
        --outLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace kolvenar
