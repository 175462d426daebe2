#pragma once

// What a card holds: the settings files in its root, each decoded by the
// core's own decoders into the few facts an owner checks a batch of cards
// by (which camera, which language, what it sends and to whom).

#include "core/format/file_record.h"
#include "core/format/settings_files.h"
#include "core/session/family.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rosmossel {

struct HeldFile {
    enum class State { Absent, Unreadable, Read };
    FileKind kind = FileKind::Menu;
    State state = State::Absent;
    // Unreadable: the reader's reason, or the decoder's first problem.
    std::string reason;
    // Read: the facts by name, in the order shown ("family", "language",
    // "camera_mode"; "mms_mode", "recipients"; "recipients"), as UTF-8.
    std::vector<std::pair<std::string, std::string>> facts;

    const std::string* fact(const std::string& name) const;
};

// One entry per settings file, in the order of kSettingsFiles.
using CardContents = std::array<HeldFile, kSettingsFiles.size()>;

// Reads the settings files in `root` (names in any letter case). Texts are
// read in `codePage`, as the files were typed.
CardContents ReadCardContents(const std::string& root, int codePage);

// One file's bytes judged; `bytes` absent means `readError` says why.
HeldFile DescribeHeldFile(FileKind kind, const std::optional<Bytes>& bytes,
                          const std::string& readError, int codePage);

} // namespace rosmossel
