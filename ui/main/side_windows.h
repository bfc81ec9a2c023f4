#pragma once

#include <QObject>
#include <QPointer>

#include "settings/reference_constants.h"

class QWidget;

namespace kolvenar {

class Desktop;
class Fm_Anleitung;
class Fm_Auswerten;
class Fm_Einstellungen;
class Fm_Info;
class Fm_Mehrfachsuche;
class Fm_Umrechner;
class SideWindow;

// The windows the main window opens beside itself, each at most once and modeless; they close
// with the main window.
class SideWindows : public QObject {
    Q_OBJECT

public:
    SideWindows(Desktop& desktop, QObject* parent);

    void ShowConverter();
    void ShowEvaluation();
    void ShowSettings();
    void ShowInfo();
    void ShowMultiSearch();
    // Where the Mehrfachsuche keeps its list; by default the program's per-user data folder.
    void SetUserDataFolder(const QString& folder) { userDataFolder_ = folder; }
    // The guide's page `guideFile`, for a desktop that has no browser to show it in.
    void ShowGuide(const QString& guideFile);
    // Each window stores its own placement (the converter also its settings) as it closes.
    void CloseAll();

signals:
    // A side window could not write the settings file as it closed or stored.
    void settingsNotWritten(const QString& fileName);
    // The settings window has stored new reference constants.
    void constantsSaved(const kolvenar::CxTable& constants);

private:
    template <typename W, typename Make>
    void Show(QPointer<W>& window, Make make);

    Desktop& desktop_;
    // Null while closed.
    QPointer<Fm_Umrechner> umrechner_;
    QPointer<Fm_Auswerten> auswerten_;
    QPointer<Fm_Einstellungen> einstellungen_;
    QPointer<Fm_Info> info_;
    QPointer<Fm_Anleitung> anleitung_;
    QPointer<Fm_Mehrfachsuche> mehrfachsuche_;
    QString userDataFolder_;
};

}  // namespace kolvenar
