#include "cli/inspect_command.h"

#include "cli/inspect.h"
#include "core/session/camera_model.h"

#include <CLI/CLI.hpp>

#include <map>
#include <ostream>

namespace rosmossel::cli {

CLI::App& InspectCommand::addTo(CLI::App& app) {
    auto& command = *app.add_subcommand(
        "inspect", "Read settings files (or every settings file in a folder) and judge them.");
    command.add_option("path", paths_, "A settings file or a folder")->required();
    command.add_flag("--json", asJson_, "Print a profile that generate turns into the same files");
    std::map<std::string, int> models;
    for (const CameraModel m : kCameraModels) {
        models.emplace(m.displayName(), m.number());
    }
    command
        .add_option("--model", model_,
                    "Read the files as written for this model (\"Ros QuillMG\" or 1 to 4)")
        ->transform(CLI::CheckedTransformer(models, CLI::ignore_case));
    return command;
}

int InspectCommand::run(const CommandContext& context) const {
    std::ostream& out = context.out;
    std::ostream& err = context.err;
    const std::optional<Family> family =
        model_ ? std::optional(CameraModel(*model_).family()) : std::nullopt;
    const std::vector<DecodedFile> inspections = InspectPaths(paths_, family);
    int status = kExitOk;
    for (const DecodedFile& in : inspections) {
        if (!in.valid()) {
            status = kExitInvalidFile;
        }
        if (asJson_ && !in.valid()) {
            err << FormatInspection(in);
        } else if (!asJson_) {
            out << FormatInspection(in);
        }
    }
    if (asJson_) {
        std::vector<std::string> notes;
        const auto profile = ProfileOf(inspections, model_, notes);
        for (const std::string& note : notes) {
            err << "note: " << note << "\n";
        }
        if (!profile.empty()) {
            out << profile.dump(2) << "\n";
        }
    }
    return status;
}

} // namespace rosmossel::cli
