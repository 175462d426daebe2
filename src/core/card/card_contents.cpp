#include "core/card/card_contents.h"

#include "core/format/file_reader.h"
#include "core/menu/menu_decode.h"
#include "core/mms/setup_file.h"
#include "core/smtp/smtp_file.h"
#include "core/text/code_page.h"
#include "core/text/languages.h"

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

// Decodes as written for each family; the family is the one whose dialog
// could have written the bytes. Where either could and they read a value
// differently (a list entry only one family has), both readings are given.
template <typename Decode>
bool describeAsEither(const Bytes& bytes, Decode decode, int codePage, HeldFile& held) {
    const auto sedge = decode(bytes, Family::Sedge);
    const auto quill = decode(bytes, Family::Quill);
    const bool sedgeOk = sedge.verdict.valid() && sedge.settings;
    const bool quillOk = quill.verdict.valid() && quill.settings;
    if (!sedgeOk && !quillOk) {
        held.reason =
            sedge.verdict.problems.empty() ? "not a settings file" : sedge.verdict.problems.front();
        return false;
    }
    if (sedgeOk != quillOk) {
        const Family family = quillOk ? Family::Quill : Family::Sedge;
        held.facts = {{"family", FamilyName(family)}};
        const Facts facts = factsOf(*(quillOk ? quill : sedge).settings, codePage);
        held.facts.insert(held.facts.end(), facts.begin(), facts.end());
        return true;
    }
    held.facts = {{"family", "Quill or Sedge"}};
    const Facts asSedge = factsOf(*sedge.settings, codePage);
    const Facts asQuill = factsOf(*quill.settings, codePage);
    for (std::size_t i = 0; i < asSedge.size(); ++i) {
        const auto& [name, value] = asSedge[i];
        held.facts.emplace_back(name, value == asQuill[i].second
                                          ? value
                                          : "Sedge: " + value + "; Quill: " + asQuill[i].second);
    }
    return true;
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
    // The factory record holds no settings, and either family takes it.
    if (kind == FileKind::Menu) {
        if (const MenuDecoded factory = DecodeMenuFile(*bytes, Family::Sedge);
            factory.factory && factory.verdict.valid()) {
            held.state = HeldFile::State::Read;
            held.facts = {{"family", "Quill or Sedge"}, {"camera_mode", "factory settings"}};
            return held;
        }
    }
    bool read = false;
    switch (kind) {
    case FileKind::Menu:
        read = describeAsEither(*bytes, DecodeMenuFile, codePage, held);
        break;
    case FileKind::Mms:
        read = describeAsEither(*bytes, DecodeSetupFile, codePage, held);
        break;
    case FileKind::Smtp:
        read = describeAsEither(*bytes, DecodeSmtpFile, codePage, held);
        break;
    }
    held.state = read ? HeldFile::State::Read : HeldFile::State::Unreadable;
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
