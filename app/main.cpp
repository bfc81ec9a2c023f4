#include <QApplication>

#include "ui/main/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolvenar::SetUpApplication();
    return kolvenar::RunMainWindow();
}
