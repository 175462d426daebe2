#pragma once

// Drives a real set-up dialog as a user would: by control identifier, through
// the same signals a mouse and keyboard give; messages are recorded, not shown.

#include "gui/dialogs/control_registry.h"
#include "support/recording_presenter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace rosmossel::testing {

inline QLineEdit* box(const QWidget* dialog, int id) {
    return FindControlAs<QLineEdit>(dialog, id);
}

inline QComboBox* list(const QWidget* dialog, int id) {
    return FindControlAs<QComboBox>(dialog, id);
}

// The user picks an entry: the list changes and says so.
inline void choose(const QWidget* dialog, int id, int index) {
    QComboBox* combo = list(dialog, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The user replaces a box's text, one key at a time; a read-only box keeps it.
inline void type(const QWidget* dialog, int id, const QString& text) {
    QLineEdit* edit = box(dialog, id);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(edit, text);
    }
}

inline void press(const QWidget* dialog, int id) {
    FindControlAs<QPushButton>(dialog, id)->click();
}

// The texts of the messages shown since the last call.
inline QStringList messageTexts() {
    QStringList texts;
    for (const RecordedMessage& m : test_seam::TakeMessages()) {
        texts << m.text;
    }
    return texts;
}

// What a list or a box shows.
inline QString shownText(const QWidget* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    return qobject_cast<const QLineEdit*>(control)->text();
}

// A problem a person or a screen reader would meet: a control without an
// objectName or an accessible name, or a caption, button or list narrower
// than its text. Empty when there is none.
inline QString layoutProblem(const QWidget* dialog) {
    for (const QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->property(kControlIdProperty).isValid()) {
            continue;
        }
        if (w->objectName().isEmpty() || w->accessibleName().isEmpty()) {
            return QStringLiteral("%1 \"%2\" is not named")
                .arg(w->objectName(), w->accessibleName());
        }
        const bool hasText = qobject_cast<const QLabel*>(w) ||
                             qobject_cast<const QPushButton*>(w) ||
                             qobject_cast<const QComboBox*>(w);
        // A control hidden for now (shown only in some states) is met in those.
        if (hasText && w->isVisibleTo(dialog) && w->width() < w->sizeHint().width()) {
            return w->objectName() + QStringLiteral(" is clipped");
        }
    }
    return {};
}

#ifdef ROSMOSSEL_CLI
// Runs the built rosmossel-cli: its standard output, or nothing when it failed.
inline std::optional<QByteArray> runCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(ROSMOSSEL_CLI), arguments);
    if (!cli.waitForFinished(10000) || cli.exitStatus() != QProcess::NormalExit ||
        cli.exitCode() != 0) {
        return std::nullopt;
    }
    return cli.readAllStandardOutput();
}

// rosmossel-cli generate of `profile` into `folder`; false when it failed.
inline bool generateWithCli(const QByteArray& profile, const QString& folder) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("profile.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(profile) != profile.size()) {
        return false;
    }
    file.close();
    return runCli({"generate", file.fileName(), "--out", folder}).has_value();
}

// The file `name` in `folder`, empty when it cannot be read.
inline QByteArray fileBytes(const QString& folder, const QString& name) {
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
#endif

} // namespace rosmossel::testing
