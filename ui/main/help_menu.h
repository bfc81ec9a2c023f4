#pragma once

#include <QObject>
#include <QString>

class QMainWindow;

namespace kolvenar {

class Desktop;
class SideWindows;

// The help menu, the last of the menu bar: the user guide, in the desktop's browser or else in
// a window of its own, and what the program is.
class HelpMenu : public QObject {
    Q_OBJECT

public:
    // Adds the menu to the window's menu bar. Messages go through `desktop`; the guide's own
    // window is one of `sideWindows`.
    HelpMenu(QMainWindow& window, Desktop& desktop, SideWindows& sideWindows);

    // The user guide that "Anleitung" opens; by default the one beside the program.
    void SetGuideFile(const QString& path) { guideFile_ = path; }
    static QString DefaultGuideFile();

private:
    void OpenGuide();
    // "Über Kolvenar": name, version, licence and homepage of the program.
    void ShowAbout();

    QMainWindow& window_;
    Desktop& desktop_;
    SideWindows& sideWindows_;
    QString guideFile_ = DefaultGuideFile();
};

}  // namespace kolvenar
