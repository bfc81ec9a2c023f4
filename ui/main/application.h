#pragma once

namespace kolvenar {

// What the program sets once its QApplication exists: its name and organization (which place
// the settings file), the desktop entry its windows belong to, and the icon every window
// shows.
void SetUpApplication();

}  // namespace kolvenar
