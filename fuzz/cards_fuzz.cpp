// Feeds arbitrary bytes to what reads the system's card data: the mount
// table, udev's encoded values, and the text shown of them, which must be
// valid UTF-8 whatever came in.
#include "core/card/card.h"
#include "core/text/code_page.h"
#include "platform/cards.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rosmossel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const MountEntry& entry : ParseMountTable(text)) {
        if (!rosmossel::Utf16FromUtf8(ShownText(entry.mountPoint))) {
            std::abort();
        }
    }
    const std::string decoded = DecodeUdevText(text);
    if (decoded.size() > text.size() || !rosmossel::Utf16FromUtf8(ShownText(decoded))) {
        std::abort();
    }
    return 0;
}
