#pragma once

// Any settings file read back: recognised by its name or, under another name,
// by its content; decoded as written for a family, given or worked out from
// the bytes. One place for inspect, the dialogs' card loading and the report
// on what each card holds; none of them decodes a file by itself.

#include "core/format/settings_files.h"
#include "core/format/verdict.h"
#include "core/menu/menu_decode.h"
#include "core/mms/setup_file.h"
#include "core/session/family.h"
#include "core/smtp/smtp_file.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace rosmossel {

// The files read by name: the settings files, then the plain staging image
// of setup.dat that other tools leave beside it, in the order a folder's
// files are shown.
struct ReadableFile {
    FileKind kind;
    bool staging; // setup.dat's plain staging image
    const char* fileName;
    const char* what; // as inspect names it
};
inline constexpr std::array<ReadableFile, 4> kReadableFiles{{
    {FileKind::Menu, false, SettingsFile(FileKind::Menu).fileName,
     SettingsFile(FileKind::Menu).what},
    {FileKind::Mms, false, SettingsFile(FileKind::Mms).fileName, SettingsFile(FileKind::Mms).what},
    {FileKind::Smtp, false, SettingsFile(FileKind::Smtp).fileName,
     SettingsFile(FileKind::Smtp).what},
    {FileKind::Mms, true, "mms.dat", "plain MMS staging image"},
}};

// The readable file called `name` in any letter case (cards are FAT, and
// cameras write names in capitals); null for any other name.
const ReadableFile* ReadableFileNamed(std::string_view name);

// What a file turned out to be: unreadable, no settings file, or a settings
// file decoded (its verdict says whether it is damaged).
struct Unreadable {
    std::string reason;
};
struct NoSettingsFile {
    std::string diagnosis;
};
using FileContent = std::variant<Unreadable, NoSettingsFile, MenuDecoded, MmsDecoded, SmtpDecoded>;

// One file read back and judged.
struct DecodedFile {
    std::string path; // as given: a path, a bare name or nothing
    FileContent content = NoSettingsFile{};
    bool staging = false; // an MMS file that is setup.dat's plain staging image (mms.dat)
    Family family = Family::Sedge;
    bool familyCertain = false; // only one family could have written it

    std::optional<FileKind> kind() const; // none when no settings file was read
    const ReadableFile* file() const;     // likewise
    const Verdict* verdict() const;
    bool valid() const;
};

// Judges `bytes`: as the file `path` names (its last part; worked out from
// the length and check value when the name is no settings file's, or empty),
// and as written for `family` (worked out when not given: the family whose
// dialog could have written the bytes, else the one they fit, else Sedge).
DecodedFile DecodeSettingsFile(const std::string& path, std::span<const std::uint8_t> bytes,
                               std::optional<Family> family);

// The same for the file at `path` (UTF-8), read with ReadSettingsFile;
// Unreadable says why when it cannot be read.
DecodedFile ReadDecodedSettingsFile(const std::string& path, std::optional<Family> family);

} // namespace rosmossel
