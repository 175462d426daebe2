#include "app/app_look.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>

// The icon lives in a static library: make sure its resources are linked in.
static void InitApplicationResources() {
    Q_INIT_RESOURCE(app);
}

namespace rosmossel {

QIcon ApplicationIcon() {
    // Once set for the application, share its decoded images.
    QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) {
        return icon;
    }
    static const bool registered = (InitApplicationResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/app/rosmossel.png"));
}

void ApplyApplicationLook(QApplication& app) {
    QPalette palette = app.palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    palette.setColor(QPalette::WindowText, kDialogText);
    // Disabled labels stay readable on the blue, but visibly dimmer.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(205, 218, 242));
    app.setPalette(palette);
    QApplication::setWindowIcon(ApplicationIcon());
}

} // namespace rosmossel
