#include "ui/main/side_windows.h"

#include <array>

#include "ui/common/window_support.h"
#include "ui/windows/fm_anleitung.h"
#include "ui/windows/fm_auswerten.h"
#include "ui/windows/fm_einstellungen.h"
#include "ui/windows/fm_info.h"
#include "ui/windows/fm_mehrfachsuche.h"
#include "ui/windows/fm_umrechner.h"

namespace kolvenar {

SideWindows::SideWindows(Desktop& desktop, QObject* parent) : QObject(parent), desktop_(desktop) {}

// Creates the window on first use and brings it to the front, out of its minimised state.
template <typename W, typename Make>
void SideWindows::Show(QPointer<W>& window, Make make) {
    if (window.isNull()) {
        window = make();
        connect(window, &SideWindow::settingsNotWritten, this, &SideWindows::settingsNotWritten);
    }
    BringToFront(*window);
}

void SideWindows::ShowConverter() {
    Show(umrechner_, [this] { return new Fm_Umrechner(desktop_); });
}

void SideWindows::ShowEvaluation() {
    Show(auswerten_, [] { return new Fm_Auswerten(); });
}

// A settings window whose stored constants the main window takes over at once.
void SideWindows::ShowSettings() {
    Show(einstellungen_, [this] {
        auto* window = new Fm_Einstellungen();
        connect(window, &Fm_Einstellungen::constantsSaved, this, &SideWindows::constantsSaved);
        return window;
    });
}

void SideWindows::ShowInfo() {
    Show(info_, [this] { return new Fm_Info(desktop_); });
}

void SideWindows::ShowMultiSearch() {
    Show(mehrfachsuche_, [this] {
        auto* window = new Fm_Mehrfachsuche(desktop_, userDataFolder_);
        connect(this, &SideWindows::constantsSaved, window, &Fm_Mehrfachsuche::SetConstants);
        return window;
    });
}

void SideWindows::ShowGuide(const QString& guideFile) {
    Show(anleitung_, [&guideFile] { return new Fm_Anleitung(guideFile); });
}

void SideWindows::CloseAll() {
    const std::array<QWidget*, 6> windows = {umrechner_, auswerten_, einstellungen_,
                                             info_,      anleitung_, mehrfachsuche_};
    for (QWidget* window : windows) {
        if (window != nullptr) {
            window->close();
        }
    }
}

}  // namespace kolvenar
