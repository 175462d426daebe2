#include "cli/destination.h"

#include "cli/commands.h"
#include "core/format/safe_writer.h"
#include "core/text/messages.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace rosmossel::cli {

void Destination::addTo(CLI::App& command, const std::string& outHelp) {
    // An empty folder would put the files into the file system's root.
    const CLI::Validator notEmpty(
        [](const std::string& folder) {
            return folder.empty() ? std::string("give a folder, for example the SD card's root")
                                  : std::string();
        },
        "FOLDER");
    command.add_option("--out", outDir_, outHelp)->check(notEmpty);
    // Without a label the option takes no value where a required argument
    // still waits for it: "generate --card profile.json" names the profile.
    card_ = command
                .add_option("--card", cardLabel_,
                            "Write to the root of the only SD card inserted, or of the one with "
                            "this label")
                ->expected(0, 1)
                ->excludes("--out");
}

int Destination::folder(const CommandContext& context, const std::string& commandName,
                        std::string& folder) const {
    if (card_->count() == 0) {
        if (outDir_.empty()) {
            context.err << "rosmossel-cli: " << commandName
                        << ": give --out FOLDER or --card\nRun with --help for more information.\n";
            return kExitUsage;
        }
        folder = outDir_;
        return kExitOk;
    }
    const auto label = cardLabel_.empty() ? std::nullopt : std::optional(cardLabel_);
    return CardFolder(context.cards, label, folder, context.err);
}

int WriteAll(const std::vector<PlannedFile>& files, const std::string& outDir, std::ostream& out,
             std::ostream& err) {
    for (const PlannedFile& file : files) {
        const std::string path = FilePathInFolder(outDir, file.name);
        if (const auto error = WriteFileSafely(path, file.bytes)) {
            err << "rosmossel-cli: " << WriteFailedMessage(*error).english << "\n";
            return kExitFileError;
        }
        out << "wrote " << path << " (" << file.bytes.size() << " bytes)\n";
    }
    return kExitOk;
}

} // namespace rosmossel::cli
