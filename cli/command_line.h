#pragma once

#include <QStringList>

#include <ostream>

namespace kolvenar {

// Whether the program's arguments ask for the command line (an option of its own, --help or
// --version) rather than the window. Qt's own options ("-platform xcb") leave the window.
bool WantsCommandLine(int argc, const char* const argv[]);

// The command line: `kolvenar --mehrfachsuche DATEI [--groesse L] [--einheit nm]
// [--toleranz 1] [--cx 0] [--zuordnung]` writes the ranking (or every assignment) as
// tab-separated UTF-8 with a decimal point to `out` and a summary to `err`; a wrong option,
// unit or file gives one German line on `err`, nothing on `out` and the status 2. Needs a
// QCoreApplication (for the settings that hold the reference lengths), no display.
// Returns the exit status.
int RunCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace kolvenar
