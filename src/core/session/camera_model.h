#pragma once

#include "core/session/family.h"

#include <array>

namespace rosmossel {

// A camera model by the number the preferences, the main window's list and
// the profiles use (1 Ros SedgeM, 2 Ros QuillM, 3 Ros SedgeMG, 4 Ros QuillMG).
// A stored preference may hold any number; such a model is a Sedge with
// e-mail, so no button is locked by a value the tool does not know.
class CameraModel {
  public:
    static const CameraModel SedgeM;
    static const CameraModel QuillM;
    static const CameraModel SedgeMG;
    static const CameraModel QuillMG;

    constexpr explicit CameraModel(int number) : number_(number) {}

    constexpr int number() const { return number_; }
    constexpr bool known() const { return number_ >= 1 && number_ <= 4; }
    constexpr Family family() const {
        return number_ == 2 || number_ == 4 ? Family::Quill : Family::Sedge;
    }
    // Only the M variants lack e-mail sending.
    constexpr bool hasEmail() const { return number_ != 1 && number_ != 2; }
    // "Ros SedgeM" ... "Ros QuillMG"; "unknown" outside 1..4.
    constexpr const char* displayName() const {
        constexpr const char* names[] = {"Ros SedgeM", "Ros QuillM", "Ros SedgeMG", "Ros QuillMG"};
        return known() ? names[number_ - 1] : "unknown";
    }

    constexpr bool operator==(const CameraModel&) const = default;

  private:
    int number_;
};

inline constexpr CameraModel CameraModel::SedgeM{1};
inline constexpr CameraModel CameraModel::QuillM{2};
inline constexpr CameraModel CameraModel::SedgeMG{3};
inline constexpr CameraModel CameraModel::QuillMG{4};

// The four models in number order, as the main window's list and the profiles name them.
inline constexpr std::array<CameraModel, 4> kCameraModels = {
    CameraModel::SedgeM, CameraModel::QuillM, CameraModel::SedgeMG, CameraModel::QuillMG};

// The model of `family` with or without e-mail sending.
constexpr CameraModel ModelOf(Family family, bool hasEmail) {
    for (const CameraModel model : kCameraModels) {
        if (model.family() == family && model.hasEmail() == hasEmail) {
            return model;
        }
    }
    return CameraModel::SedgeM;
}

} // namespace rosmossel
