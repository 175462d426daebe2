#pragma once

// Controls known by their numeric identifiers, and the catalogue applied to
// them by identifier: one routine puts the texts of any dialog in place.

#include "core/text/language_table.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <vector>

class QComboBox;
class QWidget;

namespace rosmossel {

// Every control carries its numeric identifier under this property name.
inline constexpr char kControlIdProperty[] = "controlId";

// The controls of one window by identifier, found in one walk over its
// children (static texts, identifier -1, are left out).
using ControlMap = QHash<int, QWidget*>;
ControlMap ControlsById(const QWidget* root);

void SetControlId(QWidget* control, int id, const QString& objectName);
QWidget* FindControl(const QWidget* root, int id);
template <typename T> T* FindControlAs(const QWidget* root, int id) {
    return qobject_cast<T*>(FindControl(root, id));
}

// The accessible name of `control` follows the text of `label` (a label or a
// button beside it; plus `suffix`, for controls that share one label). Labels
// and buttons are named by their own text.
void LabelControl(QWidget* control, QWidget* label, const QString& suffix = {});
QString ControlText(const QWidget* control);

// Sets the text of a label, button or group frame, and the accessible names
// that follow it.
void SetControlText(QWidget* control, const QString& text);

// The one routine that puts catalogue text into a window. Controls the window
// does not have are skipped: the catalogues serve both camera families.
void ApplyCaptions(const ControlMap& controls, std::span<const CaptionEntry> captions,
                   int language);
// Appends each list's entries in index order and selects its default entry.
void FillOptionLists(const ControlMap& controls, std::span<const OptionListEntry> lists,
                     int language);

QString FromUtf8(std::string_view text);
QStringList FromUtf8(const std::vector<std::string>& texts);

// Replaces a list's entries (a refill for another country or mode) and
// selects the first, without telling the dialog's handlers.
void FillList(QComboBox* list, const std::vector<std::string>& entries);

} // namespace rosmossel
