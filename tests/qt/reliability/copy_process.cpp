// One running copy of the program for the two-copies test: it starts the main window on the
// settings folder given, selects a frequency unit and ticks off one element, says "ready",
// and closes its window (storing its settings) when a line arrives on its input.
#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QTreeWidget>

#include <cstdio>
#include <iostream>
#include <string>

#include "ui/main/fm_main.h"
#include "ui/windows/desktop_seam.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <settings folder> <unit index> <element to untick>\n",
                     argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLocal8Bit(argv[1]));
    kolvenar::UnattendedDesktop desktop(kolvenar::UnattendedDesktop::Questions::TakeDefault, true);
    kolvenar::Fm_Main window(desktop);
    window.findChild<QComboBox*>(QStringLiteral("Cb_Einheit0"))
        ->setCurrentIndex(std::atoi(argv[2]));
    const int element = std::atoi(argv[3]);
    window.findChild<QTreeWidget*>(QStringLiteral("lv_Elemente"))
        ->topLevelItem(element - 1)
        ->setCheckState(0, Qt::Unchecked);
    std::puts("ready");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    window.close();
    std::puts("closed");
    return 0;
}
