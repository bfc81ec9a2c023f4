#include <QApplication>

#include "ui/common/desktop_seam.h"
#include "ui/main/application.h"
#include "ui/main/fm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolvenar::SetUpApplication();

    kolvenar::QtDesktop desktop;
    kolvenar::Fm_Main window(desktop);
    window.show();
    return QApplication::exec();
}
