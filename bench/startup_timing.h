#pragma once

// Start-up as a user sees it: from starting the program's process to its first table on screen.
#include <QString>

namespace kolvenar::bench {

// What the child said: whether the table was painted by the time the window was first shown.
struct StartUp {
    double milliseconds = 0;
    bool tableInFirstFrame = false;
};

// In the child: shows the main window (or, with `bare`, a window of one label), waits until the
// table (the label) is painted and says so on its output.
int StartupChild(int argc, char* argv[], bool bare);

// Starts this program as such a child with `childOption` and times it until the child's word.
StartUp TimeStartUp(const QString& childOption);

}  // namespace kolvenar::bench
