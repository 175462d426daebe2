#include "cli/inspect.h"

#include "core/format/utf8_path.h"
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

std::string kindName(const ReadableFile& file) {
    return std::string(file.what) + " (" + file.fileName + ")";
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

std::vector<DecodedFile> InspectPaths(const std::vector<std::string>& paths,
                                      std::optional<Family> family) {
    std::vector<DecodedFile> result;
    for (const std::string& text : paths) {
        const fs::path path = Utf8Path(text);
        std::error_code ec;
        if (!fs::is_directory(path, ec)) {
            result.push_back(ReadDecodedSettingsFile(text, family));
            continue;
        }
        std::vector<std::pair<const ReadableFile*, fs::path>> found; // in kReadableFiles' order
        for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
            if (const ReadableFile* known = ReadableFileNamed(PathText(it->path().filename()))) {
                found.emplace_back(known, it->path());
            }
        }
        std::sort(found.begin(), found.end());
        if (ec || found.empty()) {
            DecodedFile none{text};
            std::string names;
            for (const ReadableFile& known : kReadableFiles) {
                names += (names.empty() ? "" : ", ") + std::string(known.fileName);
            }
            none.content = Unreadable{ec ? ec.message() : "no settings file (" + names + ") here"};
            result.push_back(none);
            continue;
        }
        for (const auto& [kind, file] : found) {
            result.push_back(ReadDecodedSettingsFile(PathText(file), family));
        }
    }
    // One card belongs to one camera: when some file can only be a Quill
    // file, read the files that fit both families as Quill files too.
    const auto quillOnly = [](const DecodedFile& in) {
        return in.valid() && in.familyCertain && in.family == Family::Quill;
    };
    if (!family && std::any_of(result.begin(), result.end(), quillOnly)) {
        for (DecodedFile& in : result) {
            if (in.kind() && !in.familyCertain) {
                in = ReadDecodedSettingsFile(in.path, Family::Quill);
                in.familyCertain = false;
            }
        }
    }
    return result;
}

std::string FormatInspection(const DecodedFile& in, int codePage) {
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
    out << (v.valid() ? "valid" : "INVALID") << " " << kindName(*in.file()) << "\n";
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

nlohmann::ordered_json ProfileOf(const std::vector<DecodedFile>& inspections,
                                 std::optional<int> model, std::vector<std::string>& notes,
                                 int codePage) {
    profile::ProfileWriter writer(codePage);
    std::optional<Family> family;
    const auto add = [&](const DecodedFile& in, FileKind kind, const auto& settings) {
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
    for (const DecodedFile& in : inspections) {
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
