#include "core/format/file_reader.h"

#include "core/format/utf8_path.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace rosmossel {
namespace {

namespace fs = std::filesystem;

} // namespace

bool SameFileName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, {}, lower, lower);
}

std::optional<Bytes> ReadSettingsFile(const std::string& path, std::string& error) {
    const fs::path file = Utf8Path(path);
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec) {
        error = ec.message();
        return std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        error = "not a regular file";
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        error = ec.message();
        return std::nullopt;
    }
    if (size > kLargestSettingsFile) {
        error = "the file is " + std::to_string(size) +
                " bytes long, far too large for a settings file";
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot open the file";
        return std::nullopt;
    }
    Bytes bytes;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read the file";
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> FindFileInFolder(const std::string& folder, std::string_view name) {
    std::error_code ec;
    for (fs::directory_iterator it(Utf8Path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = PathText(it->path().filename());
        if (SameFileName(entry, name)) {
            return PathText(it->path());
        }
    }
    return std::nullopt;
}

} // namespace rosmossel
