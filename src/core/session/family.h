#pragma once

namespace rosmossel {

// The two camera families.
enum class Family { Sedge, Quill };

constexpr const char* FamilyName(Family family) {
    return family == Family::Quill ? "Quill" : "Sedge";
}

// The dialogs' window title, the same in every language and for every job.
constexpr const char* FamilyTitle(Family family) {
    return family == Family::Quill ? "Ros Mossel Quill" : "Ros Mossel Sedge";
}

// The camera's name, as the dialogs' success messages start.
constexpr const char* FamilyCameraName(Family family) {
    return family == Family::Quill ? "Ros Quill" : "Ros Sedge";
}

} // namespace rosmossel
