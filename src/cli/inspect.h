#pragma once

#include "core/format/decoded_file.h"
#include "core/session/family.h"
#include "core/text/code_page.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace rosmossel::cli {

// Reads every path: a file, or a folder (then each settings file in it).
// `family` reads the files as written for that family; without it the family
// is worked out from the bytes. Folders without settings files add an entry
// with a diagnosis.
std::vector<DecodedFile> InspectPaths(const std::vector<std::string>& paths,
                                      std::optional<Family> family);

// Every field by name and the verdict, as text for people; texts read in
// `codePage`.
std::string FormatInspection(const DecodedFile& inspection, int codePage = SystemCodePage());

// A profile from which generate writes the inspected files again: texts read
// in `codePage`, which the profile names. Notes on what it leaves out go to
// `notes`.
nlohmann::ordered_json ProfileOf(const std::vector<DecodedFile>& inspections,
                                 std::optional<int> model, std::vector<std::string>& notes,
                                 int codePage = SystemCodePage());

} // namespace rosmossel::cli
