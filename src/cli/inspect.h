#pragma once

#include "core/format/settings_files.h"
#include "core/menu/menu_decode.h"
#include "core/mms/setup_file.h"
#include "core/session/family.h"
#include "core/smtp/smtp_file.h"
#include "core/text/code_page.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rosmossel::cli {

// What a file turned out to be: unreadable, no settings file, or a settings
// file decoded.
struct Unreadable {
    std::string reason;
};
struct NoSettingsFile {
    std::string diagnosis;
};
using FileContent = std::variant<Unreadable, NoSettingsFile, MenuDecoded, MmsDecoded, SmtpDecoded>;

// One file read back and judged.
struct Inspection {
    std::string path;
    FileContent content = NoSettingsFile{};
    bool staging = false; // an MMS file that is setup.dat's plain staging image (mms.dat)
    Family family = Family::Sedge;
    bool familyCertain = false; // only one family could have written it

    std::optional<FileKind> kind() const; // none when no settings file was read
    const Verdict* verdict() const;
    bool valid() const;
};

// Reads every path: a file, or a folder (then each settings file in it).
// `family` reads the files as written for that family; without it the family
// is worked out from the bytes. Folders without settings files add an entry
// with a diagnosis.
std::vector<Inspection> InspectPaths(const std::vector<std::string>& paths,
                                     std::optional<Family> family);

// Judges bytes already read: as `kind` (worked out from the bytes when not
// given) and as written for `family` (worked out when not given).
Inspection InspectBytes(const Bytes& bytes, const std::string& path, std::optional<FileKind> kind,
                        std::optional<Family> family);

// Every field by name and the verdict, as text for people; texts read in
// `codePage`.
std::string FormatInspection(const Inspection& inspection, int codePage = SystemCodePage());

// A profile from which generate writes the inspected files again: texts read
// in `codePage`, which the profile names. Notes on what it leaves out go to
// `notes`.
nlohmann::ordered_json ProfileOf(const std::vector<Inspection>& inspections,
                                 std::optional<int> model, std::vector<std::string>& notes,
                                 int codePage = SystemCodePage());

} // namespace rosmossel::cli
