#include "cli/commands.h"

#include "cli/inspect.h"
#include "core/format/safe_writer.h"
#include "core/format/utf8_path.h"
#include "core/menu/menu_clock.h"
#include "core/menu/menu_record.h"
#include "core/mms/operator_presets.h"
#include "core/smtp/gprs_presets.h"
#include "core/text/messages.h"
#include "profile/profile.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace rosmossel::cli {

using profile::BuildSectionFile;
using profile::CheckProfile;
using profile::ParseProfile;
using profile::Profile;
using profile::ProfileError;

namespace {

namespace fs = std::filesystem;

// Reads the profile text; 0 on success, else the exit status.
int readProfile(const std::string& path, std::string& text, std::ostream& err) {
    std::error_code ec;
    if (path != "-" && !fs::is_regular_file(Utf8Path(path), ec)) {
        err << "rosmossel-cli: " << path << ": " << (ec ? ec.message() : "not a readable file")
            << "\n";
        return kExitFileError;
    }
    std::ifstream file;
    if (path != "-") {
        file.open(Utf8Path(path), std::ios::binary);
    }
    std::istream& in = path == "-" ? std::cin : file;
    // Read one byte more than a profile may hold, to tell that it is too large.
    text.assign(profile::kLargestProfile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad() || (path != "-" && !file.is_open())) {
        err << "rosmossel-cli: " << path << ": cannot be read\n";
        return kExitFileError;
    }
    if (text.size() > profile::kLargestProfile) {
        err << "rosmossel-cli: " << path << ": " << profile::kProfileTooLarge << "\n";
        return kExitBadProfile;
    }
    return kExitOk;
}

// Writes the files one by one; stops at the first failure and says which
// files were written before it.
int writeAll(const std::vector<NamedFile>& files, const std::string& outDir, std::ostream& out,
             std::ostream& err) {
    for (const NamedFile& file : files) {
        const std::string path = FilePathInFolder(outDir, file.name);
        if (const auto error = WriteFileSafely(path, file.bytes)) {
            err << "rosmossel-cli: " << WriteFailedMessage(*error).english << "\n";
            return kExitFileError;
        }
        out << "wrote " << path << " (" << file.bytes.size() << " bytes)\n";
    }
    return kExitOk;
}

template <typename Preset, typename Describe>
void printPresets(std::ostream& out, const PresetTable<Preset>& table, Describe describe) {
    for (int c = 0; c < kCountryCount; ++c) {
        const auto& row = table[static_cast<std::size_t>(c)];
        out << "  " << c << " " << row.name << "\n";
        for (int o = 0; o < row.count; ++o) {
            const auto& slot = row.operatorSlots[static_cast<std::size_t>(o)];
            out << "      " << o << " " << (slot.name.empty() ? "(no name)" : slot.name) << "  ";
            describe(out, slot.preset);
            out << "\n";
        }
    }
}

} // namespace

int BuildProfileFiles(const std::string& profilePath, std::vector<NamedFile>& files,
                      std::ostream& err) {
    std::string text;
    if (const int status = readProfile(profilePath, text, err); status != kExitOk) {
        return status;
    }
    Profile profile;
    try {
        profile = ParseProfile(text, LimitClockYear(ReadLocalClock()));
    } catch (const ProfileError& e) {
        err << "rosmossel-cli: " << profilePath << ": " << e.what() << "\n";
        return kExitBadProfile;
    }
    if (const auto failure = CheckProfile(profile)) {
        err << *failure << "\n";
        return kExitBadProfile;
    }
    // Everything is built before the first byte is written.
    for (const SettingsFileInfo& file : kSettingsFiles) {
        if (!profile.holds(file.kind)) {
            continue;
        }
        BuildResult built = BuildSectionFile(profile, file.kind);
        if (!built.ok()) {
            err << "rosmossel-cli: " << profilePath << ": " << built.error << "\n";
            return kExitBadProfile;
        }
        files.push_back({file.fileName, std::move(built.bytes)});
    }
    return kExitOk;
}

int RunGenerate(const std::string& profilePath, const std::string& outDir, std::ostream& out,
                std::ostream& err) {
    std::vector<NamedFile> files;
    if (const int status = BuildProfileFiles(profilePath, files, err); status != kExitOk) {
        return status;
    }
    return writeAll(files, outDir, out, err);
}

int RunFactory(const std::string& outDir, std::ostream& out, std::ostream& err) {
    const FileRecord record = BuildFactoryMenuRecord();
    return writeAll({{SettingsFile(FileKind::Menu).fileName, Bytes(record.begin(), record.end())}},
                    outDir, out, err);
}

int RunInspect(const std::vector<std::string>& paths, bool asJson, const std::optional<int>& model,
               std::ostream& out, std::ostream& err) {
    const std::optional<Family> family =
        model ? std::optional(CameraModel(*model).family()) : std::nullopt;
    const std::vector<Inspection> inspections = InspectPaths(paths, family);
    int status = kExitOk;
    for (const Inspection& in : inspections) {
        if (!in.valid()) {
            status = kExitInvalidFile;
        }
        if (asJson && !in.valid()) {
            err << FormatInspection(in);
        } else if (!asJson) {
            out << FormatInspection(in);
        }
    }
    if (asJson) {
        std::vector<std::string> notes;
        const auto profile = ProfileOf(inspections, model, notes);
        for (const std::string& note : notes) {
            err << "note: " << note << "\n";
        }
        if (!profile.empty()) {
            out << profile.dump(2) << "\n";
        }
    }
    return status;
}

int RunPresets(const std::string& which, std::ostream& out, std::ostream& err) {
    if (which != "mms" && which != "gprs" && which != "all") {
        err << "rosmossel-cli: presets: choose \"mms\" or \"gprs\"\n";
        return kExitUsage;
    }
    if (which != "gprs") {
        out << "MMS presets (mms.country and mms.operator):\n";
        printPresets(out, OperatorPresetTable(), [](std::ostream& o, const OperatorPreset& p) {
            o << "url " << p.url << ", apn " << p.apn << ", gateway " << p.gateway << ", port "
              << p.port;
        });
    }
    if (which != "mms") {
        out << "GPRS presets (smtp.country and smtp.operator):\n";
        printPresets(out, GprsPresetTable(),
                     [](std::ostream& o, const GprsPreset& p) { o << "apn " << p.apn; });
    }
    return kExitOk;
}

} // namespace rosmossel::cli
