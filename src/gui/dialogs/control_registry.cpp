#include "gui/dialogs/control_registry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QStringList>

namespace rosmossel {
namespace {

// A control named after a label's text, kept by the label so that a new
// caption renames it at once. The label may outlive the control.
struct LabelLink {
    QPointer<QWidget> control;
    QString suffix;
};
using LabelLinks = QList<LabelLink>;
constexpr char kLabelledProperty[] = "rosmosselLabelled";

} // namespace
} // namespace rosmossel

Q_DECLARE_METATYPE(rosmossel::LabelLinks)

namespace rosmossel {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList FromUtf8(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts) {
        list << FromUtf8(text);
    }
    return list;
}

void FillList(QComboBox* list, const std::vector<std::string>& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(FromUtf8(entries));
    list->setCurrentIndex(0);
}

ControlMap ControlsById(const QWidget* root) {
    ControlMap controls;
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QVariant value = child->property(kControlIdProperty);
        if (value.isValid() && value.toInt() >= 0) {
            controls.insert(value.toInt(), child);
        }
    }
    return controls;
}

void SetControlId(QWidget* control, int id, const QString& objectName) {
    control->setProperty(kControlIdProperty, id);
    control->setObjectName(objectName);
}

QWidget* FindControl(const QWidget* root, int id) {
    return ControlsById(root).value(id);
}

QString ControlText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return {};
}

void LabelControl(QWidget* control, QWidget* label, const QString& suffix) {
    auto links = label->property(kLabelledProperty).value<LabelLinks>();
    links.append({control, suffix});
    label->setProperty(kLabelledProperty, QVariant::fromValue(links));
    if (auto* caption = qobject_cast<QLabel*>(label); caption && caption->buddy() == nullptr) {
        caption->setBuddy(control);
    }
    control->setAccessibleName(ControlText(label) + suffix);
}

void SetControlText(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        return;
    }
    control->setAccessibleName(text);
    const auto links = control->property(kLabelledProperty).value<LabelLinks>();
    for (const LabelLink& link : links) {
        if (link.control) {
            link.control->setAccessibleName(text + link.suffix);
        }
    }
}

void ApplyCaptions(const ControlMap& controls, std::span<const CaptionEntry> captions,
                   int language) {
    for (const CaptionEntry& caption : captions) {
        if (QWidget* control = controls.value(caption.controlId)) {
            SetControlText(control, FromUtf8(TextIn(caption.texts, language)));
        }
    }
}

void FillOptionLists(const ControlMap& controls, std::span<const OptionListEntry> lists,
                     int language) {
    for (const OptionListEntry& list : lists) {
        auto* combo = qobject_cast<QComboBox*>(controls.value(list.controlId));
        if (combo == nullptr) {
            continue;
        }
        QStringList texts;
        for (std::string_view text : list.textsIn(language)) {
            texts << FromUtf8(text);
        }
        combo->addItems(texts);
        combo->setCurrentIndex(list.defaultIndex);
    }
}

} // namespace rosmossel
