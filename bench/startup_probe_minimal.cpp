// The yardstick: the smallest Qt program that shows one empty dialog.
#include "first_window_exit.h"

#include <QDialog>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    QTimer timer;
    CloseFirstWindowWhenShown(timer);
    dialog.exec();
    return 0;
}
