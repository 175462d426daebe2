#include "gui/dialogs/presenter.h"

#include "core/session/session.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

namespace rosmossel {
namespace {

// Windows' own style paints a message box's text area white, under the white
// text of the tool's colours; keep the box the blue of every other window.
void keepWindowBackground(QMessageBox& box) {
    box.ensurePolished();
    box.setAttribute(Qt::WA_StyledBackground, false);
}

class PlatformPresenter final : public Presenter {
  public:
    void message(const QString& text) override {
        QMessageBox box;
        prepare(box, text);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
    void toolkitPrompt(QWidget* owner, const QString& text) override {
        const QString caption =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, owner);
        keepWindowBackground(box);
        box.exec();
    }
    bool question(const QString& text) override {
        QMessageBox box;
        prepare(box, text);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    QString chooseFolder(const QString& start) override {
        return QFileDialog::getExistingDirectory(nullptr, QString(), start,
                                                 QFileDialog::ShowDirsOnly);
    }
    QString chooseProfile(FileUse use, const QString& title, const QString& folder) override {
        QFileDialog chooser(nullptr, title, folder, QStringLiteral("Profile (*.json)"));
        const bool save = use == FileUse::Save;
        chooser.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        chooser.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        chooser.setDefaultSuffix(QStringLiteral("json"));
        chooser.setOption(QFileDialog::DontConfirmOverwrite);
        return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
    }

  private:
    // No owner window; plain text so that a "%" or "<" in a path shows as typed.
    static void prepare(QMessageBox& box, const QString& text) {
        box.setWindowTitle(QString::fromUtf8(ProductTitle));
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        const QIcon icon = QApplication::windowIcon();
        if (icon.isNull()) {
            box.setIcon(QMessageBox::Information);
        } else {
            box.setIconPixmap(icon.pixmap(32, 32));
        }
        keepWindowBackground(box);
    }
};

PlatformPresenter& platformPresenter() {
    static PlatformPresenter instance;
    return instance;
}

Presenter* current = nullptr;

} // namespace

Presenter& CurrentPresenter() {
    return current != nullptr ? *current : platformPresenter();
}

void SetPresenter(Presenter* presenter) {
    current = presenter;
}

void ShowMessage(const QString& text) {
    CurrentPresenter().message(text);
}

void ShowToolkitPrompt(QWidget* owner, const QString& text) {
    CurrentPresenter().toolkitPrompt(owner, text);
}

QString DefaultFolder(const std::vector<Card>& cards) {
    if (const CardChoice only = ChooseCard(cards, std::nullopt); only.card) {
        return QDir::toNativeSeparators(QString::fromStdString(only.card->root));
    }
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString ChooseFolder(const QString& start, const std::vector<Card>& cards) {
    const QString folder = CurrentPresenter().chooseFolder(start);
    return folder.isEmpty() ? DefaultFolder(cards) : QDir::toNativeSeparators(folder);
}

} // namespace rosmossel
