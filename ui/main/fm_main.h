#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <utility>

#include "settings/reference_constants.h"
#include "ui/common/desktop_seam.h"
#include "ui/main/main_parts.h"
#include "ui/main/main_state.h"

class QAction;
class QPushButton;

namespace kolvenar {

class ElementSelection;
class HelpMenu;
class MainSettings;
class NRangePanel;
class OutputOptionsPanel;
class ReferenceLengthPanel;
class ResultTableView;
class SideWindows;
class TableExports;
class TableRunner;
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
    // Rebuilds the table for the elements ticked in the element list.
    void ApplyElementSelection();
    // Rebuilds the list of reference constants and selects its first entry, with constants the
    // settings window has just stored: they hold for this run even when the store could not be
    // written.
    void InitCx(const CxTable& constants);
    // The text for Lab_AusgabeCx and the selected reference length in metres.
    std::pair<QString, double> GetCurrentCx() const;

    // Writes the result table to "KolvenarAusgabe.TXT" (index 0) or ".XLS" (index 1) in the
    // export folder (or the user data folder, see below), reports the file and opens the folder.
    void ExportTable(int index);
    // "Speichern unter …": the user picks file name, folder and format (a workbook or one of the
    // two text forms of the export) in the desktop's save dialog.
    void SaveAs();
    // The folder exports go to while the user may write there; by default the program's own
    // folder.
    void SetExportFolder(const QString& folder);
    // Where exports go instead when the export folder may not be written; by default the
    // program's per-user data folder.
    void SetUserDataFolder(const QString& folder);
    // The user guide that "Anleitung" opens; by default the one beside the program.
    void SetGuideFile(const QString& path);
    static QString DefaultGuideFile();
    // The clock whose date and time an export writes into its header.
    void SetClock(std::function<QDateTime()> clock);

signals:
    // A run of BuildOutputTable has ended, with a table or without one.
    void outputBuilt();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateFileMenu();
    void CreateWindowMenu();
    void CreateViewMenu();
    void ConnectPanels();
    void Load();
    void RebuildTable();
    void SetSearchMode(bool on);
    void Chk_Suchmodus_Click(bool on);
    void MarkSelectedElements();
    void ResizeLists();
    // Tells the user, once per run, that the settings file could not be written.
    void ReportSettingsNotWritten(const QString& fileName);

    Desktop& desktop_;
    MainState state_;

    MainParts parts_;
    SideWindows* sideWindows_ = nullptr;
    HelpMenu* help_ = nullptr;
    TableExports* exports_ = nullptr;
    TableRunner* runner_ = nullptr;
    MainSettings* settings_ = nullptr;
    bool settingsFailureReported_ = false;
};

}  // namespace kolvenar
