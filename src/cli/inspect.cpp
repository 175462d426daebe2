#include "cli/inspect.h"

#include "core/format/file_reader.h"
#include "core/format/file_record.h"
#include "core/format/preset_table.h"
#include "core/format/utf8_path.h"
#include "core/mms/mms_checks.h"
#include "core/smtp/smtp_checks.h"
#include "profile/profile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace rosmossel::cli {

using profile::LanguageName;
using profile::MenuSection;
using profile::MmsSection;
using profile::SmtpSection;

namespace {

namespace fs = std::filesystem;

struct KnownName {
    const char* name;
    FileKind kind;
};
constexpr KnownName kKnownNames[] = {{"menu.dat", FileKind::Menu},
                                     {"setup.dat", FileKind::Setup},
                                     {"smtp.dat", FileKind::Smtp},
                                     {"mms.dat", FileKind::Staging}};

std::optional<FileKind> kindByName(const fs::path& path) {
    const std::string name = PathText(path.filename());
    for (const KnownName& known : kKnownNames) {
        if (profile::SameName(name, known.name)) {
            return known.kind;
        }
    }
    return std::nullopt;
}

const char* kindName(FileKind kind) {
    switch (kind) {
    case FileKind::Menu:
        return "camera menu (menu.dat)";
    case FileKind::Setup:
        return "MMS set-up (setup.dat)";
    case FileKind::Smtp:
        return "e-mail set-up (smtp.dat)";
    case FileKind::Staging:
        return "plain MMS staging image (mms.dat)";
    }
    return "";
}

// Decodes `bytes` as `kind` for `family` into the inspection.
void decode(Inspection& in, const Bytes& bytes, FileKind kind, Family family) {
    in.kind = kind;
    in.family = family;
    if (kind == FileKind::Menu) {
        in.menu = DecodeMenuFile(bytes, family);
    } else if (kind == FileKind::Smtp) {
        in.smtp = DecodeSmtpFile(bytes, family);
    } else {
        in.mms = kind == FileKind::Staging ? DecodeMmsStagingFile(bytes, family)
                                           : DecodeSetupFile(bytes, family);
    }
}

// A file under another name: told apart by its length and its check value.
std::optional<FileKind> kindByContent(const Bytes& bytes) {
    if (bytes.size() == kRecordSize) {
        return FileKind::Menu;
    }
    if (bytes.size() != kMultiRecordFileSize) {
        return std::nullopt;
    }
    for (const FileKind kind : {FileKind::Smtp, FileKind::Setup, FileKind::Staging}) {
        Inspection probe;
        decode(probe, bytes, kind, Family::Sedge);
        if (probe.verdict()->checkOk) {
            return kind;
        }
    }
    return std::nullopt;
}

Inspection inspectFile(const fs::path& path, std::optional<Family> family) {
    std::string error;
    const auto bytes = ReadSettingsFile(PathText(path), error);
    if (!bytes) {
        Inspection in;
        in.path = PathText(path);
        in.readError = error;
        return in;
    }
    return InspectBytes(*bytes, PathText(path), kindByName(path), family);
}

std::string checkHex(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

void appendFields(std::ostringstream& out, const nlohmann::ordered_json& section) {
    for (const auto& item : section.items()) {
        const auto& v = item.value();
        out << "  " << item.key() << ": ";
        if (v.is_array()) {
            const auto& shown = v.at(0);
            out << (shown.is_string() ? shown.get<std::string>() : shown.dump()) << " ["
                << v.at(1).dump() << "]";
        } else if (v.is_object()) {
            out << "bytes " << v.at("hex").get<std::string>();
        } else {
            out << v.dump();
        }
        out << "\n";
    }
}

// Valid, and a profile of it passes the checks generate runs.
bool regenerates(const Inspection& in) {
    if (!in.valid()) {
        return false;
    }
    if (in.kind == FileKind::Setup || in.kind == FileKind::Staging) {
        const MmsSettings& s = *in.mms.settings;
        return !CheckMmsGenerate(s, s.presetCountry == kManualCountry);
    }
    if (in.kind == FileKind::Smtp) {
        const SmtpSettings& s = *in.smtp.settings;
        return !CheckSmtpGenerate(s, s.countryIndex == kManualCountry);
    }
    return true;
}

} // namespace

Inspection InspectBytes(const Bytes& bytes, const std::string& path, std::optional<FileKind> kind,
                        std::optional<Family> family) {
    Inspection in;
    in.path = path;
    if (!kind) {
        kind = kindByContent(bytes);
    }
    if (!kind) {
        in.diagnosis = "not a settings file: " + std::to_string(bytes.size()) +
                       " bytes, and no check value of a settings file fits";
        return in;
    }
    if (family) {
        decode(in, bytes, *kind, *family);
        in.familyCertain = true;
        return in;
    }
    // The bytes alone may fit only one family (a Quill-only list entry, say),
    // or fit both while only one family's dialog could have written them.
    Inspection asQuill;
    decode(asQuill, bytes, *kind, Family::Quill);
    decode(in, bytes, *kind, Family::Sedge);
    asQuill.path = path;
    const bool quillRegenerates = regenerates(asQuill);
    const bool sedgeRegenerates = regenerates(in);
    if (quillRegenerates != sedgeRegenerates) {
        Inspection& chosen = quillRegenerates ? asQuill : in;
        chosen.familyCertain = true;
        return chosen;
    }
    if (asQuill.valid() && !in.valid()) {
        asQuill.familyCertain = true;
        return asQuill;
    }
    in.familyCertain = in.valid() && !asQuill.valid();
    return in;
}

const Verdict* Inspection::verdict() const {
    if (!kind) {
        return nullptr;
    }
    switch (*kind) {
    case FileKind::Menu:
        return &menu.verdict;
    case FileKind::Setup:
    case FileKind::Staging:
        return &mms.verdict;
    case FileKind::Smtp:
        return &smtp.verdict;
    }
    return nullptr;
}

bool Inspection::valid() const {
    const Verdict* v = verdict();
    return readError.empty() && v != nullptr && v->valid();
}

std::vector<Inspection> InspectPaths(const std::vector<std::string>& paths,
                                     std::optional<Family> family) {
    std::vector<Inspection> result;
    for (const std::string& text : paths) {
        const fs::path path = Utf8Path(text);
        std::error_code ec;
        if (!fs::is_directory(path, ec)) {
            result.push_back(inspectFile(path, family));
            continue;
        }
        std::vector<std::pair<FileKind, fs::path>> found;
        for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
            if (const auto kind = kindByName(it->path())) {
                found.emplace_back(*kind, it->path());
            }
        }
        std::sort(found.begin(), found.end());
        if (ec || found.empty()) {
            Inspection none;
            none.path = text;
            none.readError = ec ? ec.message()
                                : "no settings file (menu.dat, setup.dat, smtp.dat, mms.dat) here";
            result.push_back(none);
            continue;
        }
        for (const auto& [kind, file] : found) {
            result.push_back(inspectFile(file, family));
        }
    }
    // One card belongs to one camera: when some file can only be a Quill
    // file, read the files that fit both families as Quill files too.
    const auto quillOnly = [](const Inspection& in) {
        return in.valid() && in.familyCertain && in.family == Family::Quill;
    };
    if (!family && std::any_of(result.begin(), result.end(), quillOnly)) {
        for (Inspection& in : result) {
            if (in.kind && !in.familyCertain) {
                in = inspectFile(Utf8Path(in.path), Family::Quill);
                in.familyCertain = false;
            }
        }
    }
    return result;
}

std::string FormatInspection(const Inspection& in, int codePage) {
    std::ostringstream out;
    out << in.path << ": ";
    if (!in.readError.empty()) {
        out << "UNREADABLE: " << in.readError << "\n";
        return out.str();
    }
    if (!in.kind) {
        out << "NOT A SETTINGS FILE: " << in.diagnosis << "\n";
        return out.str();
    }
    const Verdict& v = *in.verdict();
    out << (v.valid() ? "valid" : "INVALID") << " " << kindName(*in.kind) << "\n";
    out << "  read as: " << FamilyName(in.family);
    if (!in.familyCertain) {
        out << (v.valid() ? " (the bytes fit both families; --model chooses)"
                          : " (--model chooses the family)");
    }
    out << "\n";
    out << "  length: " << v.length << " bytes (expected " << v.expectedLength << ")\n";
    if (v.length == v.expectedLength) {
        out << "  line ends: " << (v.lineEndsOk ? "ok" : "damaged") << "\n";
        out << "  check value: stored " << checkHex(v.storedCheck) << ", computed "
            << checkHex(v.computedCheck) << (v.checkOk ? " (match" : " (MISMATCH");
        if (in.kind == FileKind::Setup && in.mms.numberKindByCheck) {
            out << (*in.mms.numberKindByCheck == 1 ? ", checks as International, K = 18"
                                                   : ", checks as Domestic, K = 0");
        }
        out << ")\n";
    }
    for (const std::string& problem : v.problems) {
        out << "  problem: " << problem << "\n";
    }
    if (in.kind == FileKind::Menu && in.menu.factory) {
        out << "  content: the factory-settings record\n";
    } else if (in.kind == FileKind::Menu && in.menu.settings) {
        appendFields(out, MenuSection{*in.menu.settings, codePage, true});
        out << "  language: " << LanguageName(in.menu.settings->languageCode) << " ["
            << in.menu.settings->languageCode << "]\n";
        out << "  tv_mode: " << in.menu.settings->tvMode << "\n";
    } else if ((in.kind == FileKind::Setup || in.kind == FileKind::Staging) && in.mms.settings) {
        appendFields(out, MmsSection{*in.mms.settings, codePage, true});
        out << "  language: " << LanguageName(in.mms.settings->languageCode) << " ["
            << in.mms.settings->languageCode << "]\n";
        out << "  tv_mode: " << in.mms.settings->tvMode << "\n";
    } else if (in.kind == FileKind::Smtp && in.smtp.settings) {
        appendFields(out, SmtpSection{*in.smtp.settings, codePage, true});
        const std::string_view user = SenderUserName(in.smtp.settings->senderAddress);
        out << "  sender_user_name: "
            << nlohmann::json(Utf8FromUtf16(DecodeFromFile(user, codePage).text)).dump() << "\n";
        out << "  language: " << LanguageName(in.smtp.settings->languageCode) << " ["
            << in.smtp.settings->languageCode << "]\n";
    }
    return out.str();
}

nlohmann::ordered_json ProfileOf(const std::vector<Inspection>& inspections,
                                 std::optional<int> model, std::vector<std::string>& notes,
                                 int codePage) {
    nlohmann::ordered_json profile;
    nlohmann::ordered_json sections;
    std::optional<Family> family;
    std::optional<int> language;
    std::optional<int> tvMode;
    const auto add = [&](const char* key, const Inspection& in, nlohmann::ordered_json section,
                         int fileLanguage, std::optional<int> fileTvMode) {
        if (sections.contains(key)) {
            notes.push_back(in.path + ": left out, the profile already holds a \"" + key +
                            "\" section");
            return;
        }
        if (family && *family != in.family) {
            notes.push_back(in.path + ": left out, it was written for a " + FamilyName(in.family) +
                            " camera and the profile is for a " + FamilyName(*family) + " camera");
            return;
        }
        family = in.family;
        if (!language) {
            language = fileLanguage;
        } else if (*language != fileLanguage) {
            section["language"] = LanguageName(fileLanguage);
        }
        if (fileTvMode) {
            if (!tvMode) {
                tvMode = fileTvMode;
            } else if (*tvMode != *fileTvMode) {
                section["tv_mode"] = *fileTvMode;
            }
        }
        sections[key] = std::move(section);
    };
    for (const Inspection& in : inspections) {
        if (!in.valid()) {
            continue;
        }
        if (in.kind == FileKind::Menu && in.menu.factory) {
            notes.push_back(in.path + ": the factory-settings record; \"rosmossel-cli factory\" "
                                      "writes it");
        } else if (in.kind == FileKind::Menu) {
            const MenuSettings& s = *in.menu.settings;
            add("camera_menu", in, MenuSection{s}, s.languageCode, s.tvMode);
        } else if (in.kind == FileKind::Setup) {
            const MmsSettings& s = *in.mms.settings;
            add("mms", in, MmsSection{s, codePage}, s.languageCode, s.tvMode);
        } else if (in.kind == FileKind::Smtp) {
            const SmtpSettings& s = *in.smtp.settings;
            add("smtp", in, SmtpSection{s, codePage}, s.languageCode, std::nullopt);
        } else {
            notes.push_back(in.path + ": a staging image; generate writes setup.dat instead");
        }
    }
    if (sections.empty()) {
        return {};
    }
    CameraModel chosen(model.value_or(0));
    if (chosen.number() == 0) {
        chosen = ModelOf(family.value_or(Family::Sedge), sections.contains("smtp"));
    }
    profile["model"] = chosen.displayName();
    profile["language"] = LanguageName(language.value_or(2));
    if (tvMode && *tvMode != 0) {
        profile["tv_mode"] = *tvMode;
    }
    profile["codePage"] = codePage;
    for (auto& item : sections.items()) {
        profile[item.key()] = item.value();
    }
    return profile;
}

} // namespace rosmossel::cli
