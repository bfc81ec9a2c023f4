#pragma once

namespace kolvenar {

// What the program sets once its QApplication exists: its name and organization (which place
// the settings file), the desktop entry its windows belong to, and the icon every window
// shows.
void SetUpApplication();

// The program's run once its QApplication is set up: the main window on the real desktop, until
// it closes; gives the exit code.
int RunMainWindow();

}  // namespace kolvenar
