#include "gui/dialogs/dialog_support.h"

#include "core/session/session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>

namespace rosmossel {
namespace {

constexpr char kLabelledProperty[] = "rosmosselLabelled";

struct Seam {
    bool recordMessages = false;
    std::vector<RecordedMessage> messages;
    std::optional<QString> nextFolder;
};
Seam& seam() {
    static Seam instance;
    return instance;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

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
    // The label keeps its controls, so a new caption renames them at once.
    QVariantList links = label->property(kLabelledProperty).toList();
    links.append(
        QVariant(QVariantList{QVariant::fromValue(static_cast<QObject*>(control)), suffix}));
    label->setProperty(kLabelledProperty, links);
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
    const QVariantList links = control->property(kLabelledProperty).toList();
    for (const QVariant& link : links) {
        const QVariantList pair = link.toList();
        if (auto* labelled = qobject_cast<QWidget*>(pair.at(0).value<QObject*>())) {
            labelled->setAccessibleName(text + pair.at(1).toString());
        }
    }
}

void ApplyCaptions(const ControlMap& controls, std::span<const CaptionEntry> captions,
                   int language) {
    for (const CaptionEntry& caption : captions) {
        if (QWidget* control = controls.value(caption.controlId)) {
            SetControlText(control, fromUtf8(TextIn(caption.texts, language)));
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
            texts << fromUtf8(text);
        }
        combo->addItems(texts);
        combo->setCurrentIndex(list.defaultIndex);
    }
}

void ApplyDialogColours(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(111, 153, 224));
    palette.setColor(QPalette::WindowText, Qt::white);
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

void ShowMessage(const QString& text) {
    if (seam().recordMessages) {
        seam().messages.push_back({text, false});
        return;
    }
    // No owner window; plain text so that a "%" or "<" in a path shows as typed.
    QMessageBox box;
    box.setWindowTitle(QString::fromUtf8(ProductTitle));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    const QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        box.setIcon(QMessageBox::Information);
    } else {
        box.setIconPixmap(icon.pixmap(32, 32));
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void ShowToolkitPrompt(QWidget* owner, const QString& text) {
    if (seam().recordMessages) {
        seam().messages.push_back({text, true});
        return;
    }
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QMessageBox::warning(owner, caption, text);
}

QString DefaultFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString ChooseFolder() {
    QString folder;
    if (seam().nextFolder) {
        folder = *seam().nextFolder;
        seam().nextFolder.reset();
    } else {
        folder = QFileDialog::getExistingDirectory(nullptr, QString(), QString(),
                                                   QFileDialog::ShowDirsOnly);
    }
    return folder.isEmpty() ? DefaultFolder() : QDir::toNativeSeparators(folder);
}

namespace test_seam {
void RecordMessages(bool record) {
    seam().recordMessages = record;
    seam().messages.clear();
}
std::vector<RecordedMessage> TakeMessages() {
    return std::exchange(seam().messages, {});
}
void PresetNextFolder(const QString& folder) {
    seam().nextFolder = folder;
}
} // namespace test_seam

FieldFailure ProgramFailure(const Message& message) {
    return FieldFailure{QString::fromStdString(message.in(CurrentLanguage)), false};
}

IntegerCheck RangeCheck(int min, int max) {
    return [min, max](int value) -> std::optional<FieldFailure> {
        if (auto message = CheckIntegerRange(value, min, max)) {
            return ProgramFailure(*message);
        }
        return std::nullopt;
    };
}

IntegerCheck ToolkitRangeCheck(int min, int max) {
    return [min, max](int value) -> std::optional<FieldFailure> {
        if (min <= value && value <= max) {
            return std::nullopt;
        }
        return FieldFailure{QString::fromStdString(PictureCountRangePrompt(min, max)), true};
    };
}

void DataExchange::bindInteger(QLineEdit* field, int* value, IntegerCheck check) {
    bindings_.push_back({field, value, nullptr, 0, std::move(check), {}});
}

void DataExchange::bindText(QLineEdit* field, QString* value, int maxLength, TextCheck check) {
    bindings_.push_back({field, nullptr, value, maxLength, {}, std::move(check)});
}

bool DataExchange::fail(QLineEdit* field, const FieldFailure& failure) {
    if (failure.toolkitPrompt) {
        ShowToolkitPrompt(dialog_, failure.text);
    } else {
        ShowMessage(failure.text);
    }
    field->setFocus();
    field->selectAll();
    return false;
}

bool DataExchange::take() {
    for (const Binding& b : bindings_) {
        if (b.integer != nullptr) {
            bool ok = false;
            const int value = b.field->text().trimmed().toInt(&ok, 10);
            if (!ok) {
                return fail(b.field, {fromUtf8(kIntegerPrompt), true});
            }
            *b.integer = value;
            if (b.integerCheck) {
                if (auto failure = b.integerCheck(value)) {
                    return fail(b.field, *failure);
                }
            }
        } else {
            *b.text = b.field->text();
            if (b.textCheck) {
                if (auto failure = b.textCheck(*b.text)) {
                    return fail(b.field, *failure);
                }
            }
        }
    }
    return true;
}

void DataExchange::show() {
    for (const Binding& b : bindings_) {
        const QString text = b.integer != nullptr ? QString::number(*b.integer) : *b.text;
        if (b.maxLength > 0) {
            // The limit holds for typing; a longer value (a deep folder from the
            // chooser) is shown whole, so taking it back cannot cut it short.
            b.field->setMaxLength(std::max(b.maxLength, static_cast<int>(text.size())));
        }
        if (b.field->text() != text) {
            b.field->setText(text);
        }
    }
}

} // namespace rosmossel
