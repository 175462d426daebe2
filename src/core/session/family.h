#pragma once

namespace rosmossel {

// The two camera families. Model numbers 2 and 4 are Quill cameras, every
// other number (1, 3 and anything unexpected) is treated as a Sedge camera.
enum class Family { Sedge, Quill };

constexpr Family FamilyOfModel(int model) {
    return model == 2 || model == 4 ? Family::Quill : Family::Sedge;
}

constexpr const char* FamilyName(Family family) {
    return family == Family::Quill ? "Quill" : "Sedge";
}

} // namespace rosmossel
