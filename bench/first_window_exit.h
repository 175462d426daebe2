#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// Closes the first modal window once it is on screen, which ends a probe run.
inline void CloseFirstWindowWhenShown(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [&timer] {
        QWidget* window = QApplication::activeModalWidget();
        if (window != nullptr && window->windowHandle() != nullptr &&
            window->windowHandle()->isExposed()) {
            timer.stop();
            window->close();
        }
    });
    timer.start(0);
}
