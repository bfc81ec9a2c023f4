#include <QApplication>
#include <QCoreApplication>

#include <iostream>

#include "cli/command_line.h"
#include "ui/main/application.h"

int main(int argc, char* argv[]) {
    // The command line needs no display: no QApplication on its path.
    if (kolvenar::WantsCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        return kolvenar::RunCommandLine(QCoreApplication::arguments(), std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    kolvenar::SetUpApplication();
    return kolvenar::RunMainWindow();
}
