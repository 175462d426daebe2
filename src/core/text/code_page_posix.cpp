// Elsewhere glibc's iconv converts; the system's code page is the one
// Windows uses for the locale.
#include "core/text/code_page_system.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>

namespace rosmossel {
namespace code_page_system {
namespace {

// One conversion with glibc's iconv, never with //TRANSLIT or //IGNORE: a
// character the target cannot hold stops it.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in` onto `out`; returns the bytes of `in` consumed when a
    // sequence cannot be converted (errno EILSEQ or EINVAL), else in.size().
    std::size_t run(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // a fresh start after a refusal
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return in.size() - inLeft;
            }
        }
        // What a stateful table (1258's combining marks) still holds.
        for (;;) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (r != static_cast<std::size_t>(-1) || errno != E2BIG) {
                return in.size();
            }
        }
    }

  private:
    iconv_t cd_;
};

std::string littleEndian(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

void appendLittleEndian(std::u16string& text, std::string_view bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
}

} // namespace

Encoded Encode(std::u16string_view text, const CodePageName& name) {
    Encoded out;
    Converter convert(name.iconvName, "UTF-16LE");
    const std::string in = littleEndian(text);
    if (!convert.ok()) {
        out.unstorableAt = 0;
        return out;
    }
    const std::size_t done = convert.run(in, out.bytes);
    if (done != in.size()) {
        out.bytes.clear();
        out.unstorableAt = done / 2;
    }
    return out;
}

Decoded Decode(std::string_view bytes, const CodePageName& name) {
    Decoded out;
    Converter convert("UTF-16LE", name.iconvName);
    if (!convert.ok()) {
        out.exact = bytes.empty();
        out.text.assign(bytes.size(), u'\uFFFD');
        return out;
    }
    // A byte that starts no character becomes one U+FFFD; the rest goes on.
    while (!bytes.empty()) {
        std::string wide;
        const std::size_t done = convert.run(bytes, wide);
        appendLittleEndian(out.text, wide);
        if (done == bytes.size()) {
            break;
        }
        out.exact = false;
        out.text += u'\uFFFD';
        bytes.remove_prefix(done + 1);
    }
    return out;
}

bool Available(const CodePageName& name) {
    return Converter(name.iconvName, "UTF-16LE").ok();
}

} // namespace code_page_system

int SystemCodePage() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return CodePageOfLocale(value);
        }
    }
    return CodePageOfLocale("C");
}

} // namespace rosmossel
