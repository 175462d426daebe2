#include "cli/inspect.h"

#include "core/format/file_reader.h"
#include "core/format/file_record.h"
#include "core/format/preset_table.h"
#include "core/format/utf8_path.h"
#include "core/mms/mms_checks.h"
#include "core/smtp/smtp_checks.h"
#include "profile/profile.h"
#include "profile/profile_keys.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace rosmossel::cli {

using profile::LanguageKey;
using profile::LanguageName;
using profile::TvModeKey;

namespace {

namespace fs = std::filesystem;

// The files read by name: the settings files, then the plain staging image
// of setup.dat that other tools leave beside it, in the order a folder's
// files are shown.
struct KnownFile {
    FileKind kind;
    bool staging;
    std::string name;
    const char* what;
};
const std::vector<KnownFile>& knownFiles() {
    static const std::vector<KnownFile> files = [] {
        std::vector<KnownFile> known;
        for (const SettingsFileInfo& file : kSettingsFiles) {
            known.push_back({file.kind, false, file.fileName, file.what});
        }
        known.push_back({FileKind::Mms, true, "mms.dat", "plain MMS staging image"});
        return known;
    }();
    return files;
}

const KnownFile* knownByName(const fs::path& path) {
    const std::string name = PathText(path.filename());
    for (const KnownFile& known : knownFiles()) {
        if (profile::SameName(name, known.name)) {
            return &known;
        }
    }
    return nullptr;
}

const KnownFile& knownOf(FileKind kind, bool staging) {
    for (const KnownFile& known : knownFiles()) {
        if (known.kind == kind && known.staging == staging) {
            return known;
        }
    }
    return knownFiles().front();
}

std::string kindName(FileKind kind, bool staging) {
    const KnownFile& known = knownOf(kind, staging);
    return std::string(known.what) + " (" + known.name + ")";
}

// Decodes `bytes` as `kind` for `family` into the inspection.
void decode(Inspection& in, const Bytes& bytes, const KnownFile& known, Family family) {
    in.staging = known.staging;
    in.family = family;
    switch (known.kind) {
    case FileKind::Menu:
        in.content = DecodeMenuFile(bytes, family);
        break;
    case FileKind::Mms:
        in.content =
            known.staging ? DecodeMmsStagingFile(bytes, family) : DecodeSetupFile(bytes, family);
        break;
    case FileKind::Smtp:
        in.content = DecodeSmtpFile(bytes, family);
        break;
    }
}

// A file under another name: told apart by its length and its check value.
const KnownFile* knownByContent(const Bytes& bytes) {
    if (bytes.size() == SettingsFile(FileKind::Menu).size) {
        return &knownOf(FileKind::Menu, false);
    }
    if (bytes.size() != kMultiRecordFileSize) {
        return nullptr;
    }
    for (const KnownFile* known : {&knownOf(FileKind::Smtp, false), &knownOf(FileKind::Mms, false),
                                   &knownOf(FileKind::Mms, true)}) {
        Inspection probe;
        decode(probe, bytes, *known, Family::Sedge);
        if (probe.verdict()->checkOk) {
            return known;
        }
    }
    return nullptr;
}

// Valid, and a profile of it passes the checks generate runs.
bool regenerates(const Inspection& in) {
    if (!in.valid()) {
        return false;
    }
    if (const auto* mms = std::get_if<MmsDecoded>(&in.content)) {
        const MmsSettings& s = *mms->settings;
        return !CheckMmsGenerate(s, s.presetCountry == kManualCountry);
    }
    if (const auto* smtp = std::get_if<SmtpDecoded>(&in.content)) {
        const SmtpSettings& s = *smtp->settings;
        return !CheckSmtpGenerate(s, s.countryIndex == kManualCountry);
    }
    return true;
}

// The bytes judged as `known` (worked out from the bytes when null).
Inspection inspectBytes(const Bytes& bytes, const std::string& path, const KnownFile* known,
                        std::optional<Family> family) {
    Inspection in;
    in.path = path;
    if (known == nullptr) {
        known = knownByContent(bytes);
    }
    if (known == nullptr) {
        in.content = NoSettingsFile{"not a settings file: " + std::to_string(bytes.size()) +
                                    " bytes, and no check value of a settings file fits"};
        return in;
    }
    if (family) {
        decode(in, bytes, *known, *family);
        in.familyCertain = true;
        return in;
    }
    // The bytes alone may fit only one family (a Quill-only list entry, say),
    // or fit both while only one family's dialog could have written them.
    Inspection asQuill;
    decode(asQuill, bytes, *known, Family::Quill);
    decode(in, bytes, *known, Family::Sedge);
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

Inspection inspectFile(const fs::path& path, std::optional<Family> family) {
    std::string error;
    const auto bytes = ReadSettingsFile(PathText(path), error);
    if (!bytes) {
        return {PathText(path), Unreadable{error}};
    }
    return inspectBytes(*bytes, PathText(path), knownByName(path), family);
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

// Every field of `s` for people: the section's keys, then the values the
// profile keeps at its top level.
template <typename Settings>
void appendSettings(std::ostringstream& out, const Settings& s, int codePage) {
    nlohmann::ordered_json section = profile::Section<Settings>{s, codePage, true};
    if constexpr (std::is_same_v<Settings, SmtpSettings>) {
        const std::string_view user = SenderUserName(s.senderAddress);
        section["sender_user_name"] = Utf8FromUtf16(DecodeFromFile(user, codePage).text);
    }
    section[LanguageKey()] =
        nlohmann::ordered_json::array({LanguageName(s.languageCode), s.languageCode});
    if constexpr (requires { s.tvMode; }) {
        section[TvModeKey()] = s.tvMode;
    }
    appendFields(out, section);
}

} // namespace

Inspection InspectBytes(const Bytes& bytes, const std::string& path, std::optional<FileKind> kind,
                        std::optional<Family> family) {
    return inspectBytes(bytes, path, kind ? &knownOf(*kind, false) : nullptr, family);
}

std::optional<FileKind> Inspection::kind() const {
    return std::visit(
        []<typename Content>(const Content&) -> std::optional<FileKind> {
            if constexpr (std::is_same_v<Content, MenuDecoded>) {
                return FileKind::Menu;
            } else if constexpr (std::is_same_v<Content, MmsDecoded>) {
                return FileKind::Mms;
            } else if constexpr (std::is_same_v<Content, SmtpDecoded>) {
                return FileKind::Smtp;
            }
            return std::nullopt;
        },
        content);
}

const Verdict* Inspection::verdict() const {
    return std::visit(
        [](const auto& c) -> const Verdict* {
            if constexpr (requires { c.verdict; }) {
                return &c.verdict;
            }
            return nullptr;
        },
        content);
}

bool Inspection::valid() const {
    const Verdict* v = verdict();
    return v != nullptr && v->valid();
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
        std::vector<std::pair<const KnownFile*, fs::path>> found; // in the order of knownFiles
        for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
            if (const KnownFile* known = knownByName(it->path())) {
                found.emplace_back(known, it->path());
            }
        }
        std::sort(found.begin(), found.end());
        if (ec || found.empty()) {
            Inspection none{text};
            std::string names;
            for (const KnownFile& known : knownFiles()) {
                names += (names.empty() ? "" : ", ") + known.name;
            }
            none.content = Unreadable{ec ? ec.message() : "no settings file (" + names + ") here"};
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
            if (in.kind() && !in.familyCertain) {
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
    if (const auto* unreadable = std::get_if<Unreadable>(&in.content)) {
        out << "UNREADABLE: " << unreadable->reason << "\n";
        return out.str();
    }
    if (const auto* none = std::get_if<NoSettingsFile>(&in.content)) {
        out << "NOT A SETTINGS FILE: " << none->diagnosis << "\n";
        return out.str();
    }
    const Verdict& v = *in.verdict();
    out << (v.valid() ? "valid" : "INVALID") << " " << kindName(*in.kind(), in.staging) << "\n";
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
        const auto* mms = std::get_if<MmsDecoded>(&in.content);
        if (mms && !in.staging && mms->numberKindByCheck) {
            out << (*mms->numberKindByCheck == 1 ? ", checks as International, K = 18"
                                                 : ", checks as Domestic, K = 0");
        }
        out << ")\n";
    }
    for (const std::string& problem : v.problems) {
        out << "  problem: " << problem << "\n";
    }
    std::visit(
        [&](const auto& decoded) {
            if constexpr (requires { decoded.factory; }) {
                if (decoded.factory) {
                    out << "  content: the factory-settings record\n";
                    return;
                }
            }
            if constexpr (requires { decoded.settings; }) {
                if (decoded.settings) {
                    appendSettings(out, *decoded.settings, codePage);
                }
            }
        },
        in.content);
    return out.str();
}

nlohmann::ordered_json ProfileOf(const std::vector<Inspection>& inspections,
                                 std::optional<int> model, std::vector<std::string>& notes,
                                 int codePage) {
    profile::ProfileWriter writer(codePage);
    std::optional<Family> family;
    const auto add = [&](const Inspection& in, FileKind kind, const auto& settings) {
        if (writer.holds(kind)) {
            notes.push_back(in.path + ": left out, the profile already holds a \"" +
                            SettingsFile(kind).section + "\" section");
            return;
        }
        if (family && *family != in.family) {
            notes.push_back(in.path + ": left out, it was written for a " + FamilyName(in.family) +
                            " camera and the profile is for a " + FamilyName(*family) + " camera");
            return;
        }
        family = in.family;
        writer.add(settings);
    };
    for (const Inspection& in : inspections) {
        if (!in.valid()) {
            continue;
        }
        if (const auto* menu = std::get_if<MenuDecoded>(&in.content)) {
            if (menu->factory) {
                notes.push_back(in.path + ": the factory-settings record; \"rosmossel-cli "
                                          "factory\" writes it");
            } else {
                add(in, FileKind::Menu, *menu->settings);
            }
        } else if (const auto* mms = std::get_if<MmsDecoded>(&in.content); mms && !in.staging) {
            add(in, FileKind::Mms, *mms->settings);
        } else if (const auto* smtp = std::get_if<SmtpDecoded>(&in.content)) {
            add(in, FileKind::Smtp, *smtp->settings);
        } else {
            notes.push_back(in.path + ": a staging image; generate writes " +
                            SettingsFile(FileKind::Mms).fileName + " instead");
        }
    }
    if (std::ranges::none_of(kSettingsFiles, [&](const SettingsFileInfo& file) {
            return writer.holds(file.kind);
        })) {
        return {};
    }
    CameraModel chosen(model.value_or(0));
    if (chosen.number() == 0) {
        chosen = ModelOf(family.value_or(Family::Sedge), writer.holds(FileKind::Smtp));
    }
    return writer.profile(chosen);
}

} // namespace rosmossel::cli
