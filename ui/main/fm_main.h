#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <utility>

#include "ui/common/desktop_seam.h"
#include "ui/main/main_state.h"

class QAction;
class QComboBox;
class QPushButton;

namespace kolvenar {

class ElementSelection;
struct FileFailure;
class Fm_Anleitung;
class Fm_Auswerten;
class Fm_Einstellungen;
class Fm_Info;
class Fm_Mehrfachsuche;
class Fm_Umrechner;
class NRangePanel;
class OutputOptionsPanel;
class ResultTableView;
class SideWindow;
class UnitsPanel;

// The main window. Creating it runs the start-up of the program: the stored settings come
// back, and the result table for N = 33 is built. Closing it stores the settings, closes every
// other window and so ends the program.
class Fm_Main : public QMainWindow {
    Q_OBJECT

public:
    // Messages and opening addresses go through `desktop`, which must outlive the window.
    explicit Fm_Main(Desktop& desktop, QWidget* parent = nullptr);
    ~Fm_Main() override;

    // The caption every start shows: the design caption, " , Version " and the version.
    static QString WindowCaption();

    // Fills the result table from the window's inputs; the arguments are the values of the
    // two N bars.
    void BuildOutputTable(double nFromScroll, double nToScroll);
    // Empties and hides the result table, its labels, the mark button and the save entries.
    void ClearOutput();
    // Takes the element ticks over into the element table and rebuilds.
    void ApplyElementSelection();
    // Rebuilds the list of reference constants from the store and selects its first entry.
    void InitCx();
    // The same with constants the settings window has just stored: they hold for this run even
    // when the store could not be written.
    void InitCx(const CxTable& constants);
    // The text for Lab_AusgabeCx and the selected reference length in metres.
    std::pair<QString, double> GetCurrentCx() const;

    const MainState& State() const { return state_; }

    // Writes the result table to "KolvenarAusgabe.TXT" (index 0) or ".XLS" (index 1) in the
    // export folder (or the user data folder, see below), reports the file and opens the folder.
    void ExportTable(int index);
    // "Speichern unter …": the user picks file name, folder and format (a workbook or one of the
    // two text forms of the export) in the desktop's save dialog.
    void SaveAs();
    // The folder exports go to while the user may write there; by default the program's own
    // folder.
    void SetExportFolder(const QString& folder) { exportFolder_ = folder; }
    // Where exports go instead when the export folder may not be written; by default the
    // program's per-user data folder.
    void SetUserDataFolder(const QString& folder) { userDataFolder_ = folder; }
    // The user guide that "Anleitung" opens; by default the one beside the program.
    void SetGuideFile(const QString& path) { guideFile_ = path; }
    static QString DefaultGuideFile();
    // The clock whose date and time an export writes into its header.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

signals:
    // A run of BuildOutputTable has ended, with a table or without one.
    void outputBuilt();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    // The help menu, the last of the menu bar.
    void CreateHelpMenu();
    // The guide in the desktop's browser, or in the guide window where none can be started.
    void OpenGuide();
    // "Über Kolvenar": name, version, licence and homepage of the program.
    void ShowAbout();
    void ConnectPanels();
    void Load();
    void LoadReferenceConstants();
    void RestoreControls();
    void StoreControls();
    void RebuildTable();
    void FillOutputTable(double nFromScroll, double nToScroll);
    // The question before a table of more than 3600 rows; true to build it.
    bool ConfirmLargeTable(long long rows);
    // A message shown during a table run; with `silence`, it has "Nicht mehr fragen" below.
    MessageAnswer AskDuringRun(const QString& title, const QString& text, MessageIcon icon,
                               MessageButtons buttons, MessageAnswer defaultAnswer,
                               bool* silence = nullptr);
    void SetSaveEntriesEnabled(bool on);
    void ReportExportFailure(const QString& what, const FileFailure& failure);
    // Writes the table as shown to `path`, as a workbook or as the export's text, and tells
    // the user how it went; true when the file was saved.
    bool SaveTableAs(const QString& path, bool workbook);
    // Asks before "Speichern unter …" replaces the file at `path`.
    MessageAnswer AskToReplace(const QString& path);
    void SetSearchMode(bool on);
    void Combo_Cx_Change();
    void Chk_Suchmodus_Click(bool on);
    void MarkSelectedElements();
    void ResizeLists();
    Fm_Einstellungen* NewSettingsWindow();
    void CloseSideWindows();
    // Tells the user, once per run, that the settings file could not be written.
    void ReportSettingsNotWritten(const QString& fileName);
    void Watch(SideWindow* window);
    template <typename W, typename Make>
    void ShowSideWindow(QPointer<W>& window, Make make);

    Desktop& desktop_;
    MainState state_;

    UnitsPanel* units_ = nullptr;
    OutputOptionsPanel* outputOptions_ = nullptr;
    NRangePanel* nRange_ = nullptr;
    ElementSelection* elements_ = nullptr;
    QComboBox* combo_Cx_ = nullptr;
    ResultTableView* lv_Ausgabe_ = nullptr;
    QPushButton* cmd_Markieren_ = nullptr;

    std::array<QAction*, 2> me_Speichern_{};
    QAction* me_SpeichernUnter_ = nullptr;
    QAction* me_Abweichung_ = nullptr;

    // The side windows, each at most once; null while closed.
    QPointer<Fm_Umrechner> umrechner_;
    QPointer<Fm_Auswerten> auswerten_;
    QPointer<Fm_Einstellungen> einstellungen_;
    QPointer<Fm_Info> info_;
    QPointer<Fm_Mehrfachsuche> mehrfachsuche_;
    // Shown where the desktop has no browser for the guide; it closes with this window.
    QPointer<Fm_Anleitung> anleitung_;
    bool settingsFailureReported_ = false;
    // The folder "Speichern unter …" starts in: the one used last, kept in the store.
    QString saveAsFolder_;
    // A table run is under way, and a rebuild was asked for meanwhile.
    bool building_ = false;
    bool rebuildWaiting_ = false;
    // Cleared when the user has asked not to be asked again before large tables.
    bool askBeforeLargeTables_ = true;
    QString exportFolder_;
    QString userDataFolder_;
    QString guideFile_ = DefaultGuideFile();
    std::function<QDateTime()> clock_ = [] {
        return QDateTime::currentDateTime();
    };
};

}  // namespace kolvenar
