#include <QApplication>

#include "ui/main/fm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvenar"));
    QApplication::setOrganizationName(QStringLiteral("Kolvenar"));

    kolvenar::Fm_Main window;
    window.show();
    return QApplication::exec();
}
