#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rosmossel {

// What a decoder found out about a file, besides its settings.
struct Verdict {
    std::size_t length = 0;
    std::size_t expectedLength = 0;
    bool lineEndsOk = false;
    std::uint16_t storedCheck = 0;
    std::uint16_t computedCheck = 0; // CRC plus the file's constant
    bool checkOk = false;
    // Every reason why the file is not one the tool could have written, in
    // file order. Empty for a valid file.
    std::vector<std::string> problems;

    bool valid() const { return problems.empty(); }
};

} // namespace rosmossel
