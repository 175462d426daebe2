#include "core/card/card_contents.h"

#include "core/format/decoded_file.h"
#include "core/format/file_reader.h"
#include "core/menu/menu_decode.h"
#include "core/mms/setup_file.h"
#include "core/smtp/smtp_file.h"
#include "core/text/code_page.h"
#include "core/text/languages.h"

#include <variant>

namespace rosmossel {
namespace {

std::string entryOf(const std::vector<std::string>* entries, int index) {
    if (entries != nullptr && index >= 0 && static_cast<std::size_t>(index) < entries->size()) {
        return (*entries)[static_cast<std::size_t>(index)];
    }
    return std::to_string(index);
}

std::string languageOf(int code) {
    return code >= 1 && code <= static_cast<int>(kLanguages.size()) ? LanguageRow(code).nativeName
                                                                    : std::to_string(code);
}

std::string textOf(const std::string& stored, int codePage) {
    return Utf8FromUtf16(DecodeFromFile(stored, codePage).text);
}

// The recipients that are set, as one text.
std::string recipients(std::initializer_list<const std::string*> stored, int codePage) {
    std::string text;
    for (const std::string* value : stored) {
        if (!value->empty()) {
            text += (text.empty() ? "" : ", ") + textOf(*value, codePage);
        }
    }
    return text;
}

using Facts = std::vector<std::pair<std::string, std::string>>;

Facts factsOf(const MenuSettings& s, int) {
    return {{"language", languageOf(s.languageCode)},
            {"camera_mode", entryOf(&MenuOptions(s.family).cameraMode, s.cameraMode)}};
}
Facts factsOf(const MmsSettings& s, int codePage) {
    return {
        {"mms_mode", entryOf(SetupHeader(s.family).mmsStatus.entries, s.mmsSendMode)},
        {"recipients", recipients({&s.phone, &s.email, &s.recipient2, &s.recipient3}, codePage)}};
}
Facts factsOf(const SmtpSettings& s, int codePage) {
    return {{"recipients", recipients({&s.recipient}, codePage)}};
}

// What the file holds as written for `decoded.family`; none where that
// family's dialog could not have written it (the first reason in `problem`).
std::optional<Facts> factsOf(const DecodedFile& decoded, int codePage, std::string& problem) {
    std::optional<Facts> facts;
    std::visit(
        [&](const auto& content) {
            if constexpr (requires { content.verdict; }) {
                if (content.verdict.valid() && content.settings) {
                    facts = factsOf(*content.settings, codePage);
                } else if (problem.empty() && !content.verdict.problems.empty()) {
                    problem = content.verdict.problems.front();
                }
            }
        },
        decoded.content);
    return facts;
}

} // namespace

const std::string* HeldFile::fact(const std::string& name) const {
    for (const auto& [key, value] : facts) {
        if (key == name) {
            return &value;
        }
    }
    return nullptr;
}

HeldFile DescribeHeldFile(FileKind kind, const std::optional<Bytes>& bytes,
                          const std::string& readError, int codePage) {
    HeldFile held;
    held.kind = kind;
    if (!bytes) {
        held.state = HeldFile::State::Unreadable;
        held.reason = readError;
        return held;
    }
    // Read as written for each family; the family is the one whose dialog
    // could have written the bytes. Where either could and they read a value
    // differently (a list entry only one family has), both readings are given.
    const std::string name = SettingsFile(kind).fileName;
    const DecodedFile asSedge = DecodeSettingsFile(name, *bytes, Family::Sedge);
    // The factory record holds no settings, and either family takes it.
    if (const auto* menu = std::get_if<MenuDecoded>(&asSedge.content);
        menu != nullptr && menu->factory && menu->verdict.valid()) {
        held.state = HeldFile::State::Read;
        held.facts = {{"family", "Quill or Sedge"}, {"camera_mode", "factory settings"}};
        return held;
    }
    std::string problem;
    const std::optional<Facts> sedge = factsOf(asSedge, codePage, problem);
    const std::optional<Facts> quill =
        factsOf(DecodeSettingsFile(name, *bytes, Family::Quill), codePage, problem);
    if (!sedge && !quill) {
        held.state = HeldFile::State::Unreadable;
        held.reason = problem.empty() ? "not a settings file" : problem;
        return held;
    }
    held.state = HeldFile::State::Read;
    if (sedge.has_value() != quill.has_value()) {
        held.facts = {{"family", FamilyName(quill ? Family::Quill : Family::Sedge)}};
        const Facts& facts = quill ? *quill : *sedge;
        held.facts.insert(held.facts.end(), facts.begin(), facts.end());
        return held;
    }
    held.facts = {{"family", "Quill or Sedge"}};
    for (std::size_t i = 0; i < sedge->size(); ++i) {
        const auto& [key, value] = (*sedge)[i];
        const std::string& other = (*quill)[i].second;
        held.facts.emplace_back(key,
                                value == other ? value : "Sedge: " + value + "; Quill: " + other);
    }
    return held;
}

CardContents ReadCardContents(const std::string& root, int codePage) {
    CardContents contents;
    for (const SettingsFileInfo& info : kSettingsFiles) {
        HeldFile& held = contents[static_cast<std::size_t>(info.kind)];
        const std::optional<std::string> path = FindFileInFolder(root, info.fileName);
        if (!path) {
            held.kind = info.kind;
            continue;
        }
        std::string error;
        const std::optional<Bytes> bytes = ReadSettingsFile(*path, error);
        held = DescribeHeldFile(info.kind, bytes, error, codePage);
    }
    return contents;
}

} // namespace rosmossel
