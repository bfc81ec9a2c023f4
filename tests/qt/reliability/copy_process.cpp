// One copy of the program for two_copies_test.sh: its main window, on the settings store of
// XDG_CONFIG_HOME, plays the steps given as a user would (see support/scenario.h), says
// "ready", and closes (storing its settings) when its input ends.
#include <iostream>
#include <limits>

#include "support/main_window_fixture.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kolvenar::testing::ScriptedDesktop desktop;
    kolvenar::Fm_Main window(desktop);
    kolvenar::testing::Scenario user(desktop, [&window] { return &window; });
    const bool played = user.Run(QApplication::arguments().mid(1));
    std::cout << "ready" << std::endl;
    std::cin.ignore(std::numeric_limits<std::streamsize>::max());
    window.close();
    return played ? desktop.unexpectedMessages : 2;
}
