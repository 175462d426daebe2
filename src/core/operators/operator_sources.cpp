#include "core/operators/operator_sources.h"

#include "core/format/utf8_path.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace rosmossel {
namespace {

// The file's text, or why it cannot be had; nullopt when it is not there.
std::optional<std::variant<std::string, DatabaseProblem>> readFile(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path file = Utf8Path(path);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return std::nullopt;
    }
    if (error) {
        return DatabaseProblem{0, error.message()};
    }
    if (fs::is_directory(status)) {
        return DatabaseProblem{0, "a folder, not a file"};
    }
    // A device or a pipe could be read without end.
    if (!fs::is_regular_file(status)) {
        return DatabaseProblem{0, "not a regular file"};
    }
    const auto size = fs::file_size(file, error);
    if (!error && size > kLargestOperatorDatabase) {
        return DatabaseProblem{0, "too large for a carrier database (over 16 MiB)"};
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return DatabaseProblem{0, errno != 0 ? std::generic_category().message(errno)
                                             : std::string("cannot be opened")};
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return DatabaseProblem{0, "cannot be read"};
    }
    return text;
}

} // namespace

std::vector<std::string> OperatorDatabaseCandidates(const std::string& programFolder) {
    std::vector<std::string> paths;
    if (const std::string config = OwnerConfigFolder(); !config.empty()) {
        paths.push_back(PathText(Utf8Path(config) / kOperatorDatabaseFile));
    }
    if (!programFolder.empty()) {
        paths.push_back(PathText(Utf8Path(programFolder) / kOperatorDatabaseFile));
    }
    for (const char* path : SystemOperatorDatabases()) {
        paths.emplace_back(path);
    }
    return paths;
}

OperatorDatabaseLoad LoadOperatorDatabase(const std::vector<std::string>& paths) {
    OperatorDatabaseLoad load;
    for (const std::string& path : paths) {
        auto text = readFile(path);
        if (!text) {
            continue;
        }
        std::variant<OperatorDatabase, DatabaseProblem> parsed =
            std::holds_alternative<std::string>(*text)
                ? ParseOperatorDatabase(std::get<std::string>(*text))
                : std::variant<OperatorDatabase, DatabaseProblem>(std::get<DatabaseProblem>(*text));
        if (auto* database = std::get_if<OperatorDatabase>(&parsed)) {
            database->path = path;
            load.database = std::move(*database);
            return load;
        }
        const auto& problem = std::get<DatabaseProblem>(parsed);
        load.problems.push_back(
            path + ": " +
            (problem.line > 0 ? "line " + std::to_string(problem.line) + ": " : std::string()) +
            problem.reason);
    }
    return load;
}

} // namespace rosmossel
