#include "core/format/decoded_file.h"

#include "core/format/file_reader.h"
#include "core/format/preset_table.h"
#include "core/format/utf8_path.h"
#include "core/mms/mms_checks.h"
#include "core/smtp/smtp_checks.h"

#include <type_traits>

namespace rosmossel {
namespace {

const ReadableFile& readableOf(FileKind kind, bool staging) {
    for (const ReadableFile& file : kReadableFiles) {
        if (file.kind == kind && file.staging == staging) {
            return file;
        }
    }
    return kReadableFiles.front();
}

FileContent decode(std::span<const std::uint8_t> bytes, const ReadableFile& file, Family family) {
    switch (file.kind) {
    case FileKind::Menu:
        return DecodeMenuFile(bytes, family);
    case FileKind::Mms:
        return file.staging ? DecodeMmsStagingFile(bytes, family) : DecodeSetupFile(bytes, family);
    case FileKind::Smtp:
        return DecodeSmtpFile(bytes, family);
    }
    return NoSettingsFile{};
}

DecodedFile decoded(std::span<const std::uint8_t> bytes, const ReadableFile& file, Family family) {
    DecodedFile result;
    result.content = decode(bytes, file, family);
    result.staging = file.staging;
    result.family = family;
    return result;
}

// A file under another name: told apart by its length and its check value.
// setup.dat and its plain staging image share their check value, so where the
// check value fits more than one kind the one that decodes cleanly is taken.
const ReadableFile* readableByContent(std::span<const std::uint8_t> bytes) {
    if (bytes.size() == SettingsFile(FileKind::Menu).size) {
        return &readableOf(FileKind::Menu, false);
    }
    if (bytes.size() != kMultiRecordFileSize) {
        return nullptr;
    }
    const ReadableFile* fitting = nullptr;
    for (const ReadableFile* file :
         {&readableOf(FileKind::Smtp, false), &readableOf(FileKind::Mms, false),
          &readableOf(FileKind::Mms, true)}) {
        const DecodedFile asSedge = decoded(bytes, *file, Family::Sedge);
        if (!asSedge.verdict()->checkOk) {
            continue;
        }
        if (asSedge.valid() || decoded(bytes, *file, Family::Quill).valid()) {
            return file;
        }
        if (fitting == nullptr) {
            fitting = file;
        }
    }
    return fitting;
}

// Valid, and its settings pass the checks Generate runs.
bool regenerates(const DecodedFile& file) {
    if (!file.valid()) {
        return false;
    }
    if (const auto* mms = std::get_if<MmsDecoded>(&file.content)) {
        const MmsSettings& s = *mms->settings;
        return !CheckMmsGenerate(s, s.presetCountry == kManualCountry);
    }
    if (const auto* smtp = std::get_if<SmtpDecoded>(&file.content)) {
        const SmtpSettings& s = *smtp->settings;
        return !CheckSmtpGenerate(s, s.countryIndex == kManualCountry);
    }
    return true;
}

DecodedFile judge(std::span<const std::uint8_t> bytes, const ReadableFile& file,
                  std::optional<Family> family) {
    if (family) {
        DecodedFile result = decoded(bytes, file, *family);
        result.familyCertain = true;
        return result;
    }
    // The bytes alone may fit only one family (a Quill-only list entry, say),
    // or fit both while only one family's dialog could have written them.
    DecodedFile asQuill = decoded(bytes, file, Family::Quill);
    DecodedFile asSedge = decoded(bytes, file, Family::Sedge);
    const bool quillRegenerates = regenerates(asQuill);
    const bool sedgeRegenerates = regenerates(asSedge);
    if (quillRegenerates != sedgeRegenerates) {
        DecodedFile& chosen = quillRegenerates ? asQuill : asSedge;
        chosen.familyCertain = true;
        return chosen;
    }
    if (asQuill.valid() && !asSedge.valid()) {
        asQuill.familyCertain = true;
        return asQuill;
    }
    asSedge.familyCertain = asSedge.valid() && !asQuill.valid();
    return asSedge;
}

} // namespace

const ReadableFile* ReadableFileNamed(std::string_view name) {
    for (const ReadableFile& file : kReadableFiles) {
        if (SameFileName(name, file.fileName)) {
            return &file;
        }
    }
    return nullptr;
}

std::optional<FileKind> DecodedFile::kind() const {
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

const ReadableFile* DecodedFile::file() const {
    const auto k = kind();
    return k ? &readableOf(*k, staging) : nullptr;
}

const Verdict* DecodedFile::verdict() const {
    return std::visit(
        [](const auto& c) -> const Verdict* {
            if constexpr (requires { c.verdict; }) {
                return &c.verdict;
            }
            return nullptr;
        },
        content);
}

bool DecodedFile::valid() const {
    const Verdict* v = verdict();
    return v != nullptr && v->valid();
}

DecodedFile DecodeSettingsFile(const std::string& path, std::span<const std::uint8_t> bytes,
                               std::optional<Family> family) {
    const ReadableFile* file = ReadableFileNamed(PathText(Utf8Path(path).filename()));
    if (file == nullptr) {
        file = readableByContent(bytes);
    }
    DecodedFile result;
    if (file == nullptr) {
        result.content = NoSettingsFile{"not a settings file: " + std::to_string(bytes.size()) +
                                        " bytes, and no check value of a settings file fits"};
    } else {
        result = judge(bytes, *file, family);
    }
    result.path = path;
    return result;
}

DecodedFile ReadDecodedSettingsFile(const std::string& path, std::optional<Family> family) {
    std::string error;
    const auto bytes = ReadSettingsFile(path, error);
    if (!bytes) {
        return {path, Unreadable{error}};
    }
    return DecodeSettingsFile(path, *bytes, family);
}

} // namespace rosmossel
