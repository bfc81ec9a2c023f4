#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

#include "ui/common/desktop_seam.h"

class QWidget;

namespace kolvenar {

struct FileFailure;
class OutputOptionsPanel;
class ResultTableModel;

// Saving the result table as shown: the two fixed exports into the program's folder, and
// "Speichern unter …" with a file name, folder and format of the user's choice.
class TableExports : public QObject {
    Q_OBJECT

public:
    // Messages and dialogs belong to `window` and go through `desktop`; the header names the
    // reference length the output options show.
    TableExports(QWidget& window, Desktop& desktop, const OutputOptionsPanel& outputOptions,
                 const ResultTableModel& table);

    // Writes the table to "KolvenarAusgabe.TXT" (index 0) or ".XLS" (index 1) in the export
    // folder (or the user data folder, see below), reports the file and opens the folder.
    void Export(int index);
    // The user picks file name, folder and format (a workbook or one of the two text forms of
    // the export) in the desktop's save dialog.
    void SaveAs();

    // The folder exports go to while the user may write there; by default the program's own
    // folder.
    void SetExportFolder(const QString& folder) { exportFolder_ = folder; }
    // Where exports go instead when the export folder may not be written; by default the
    // program's per-user data folder.
    void SetUserDataFolder(const QString& folder) { userDataFolder_ = folder; }
    // The clock whose date and time an export writes into its header.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // The folder "Speichern unter …" starts in: the one used last, kept in the store.
    const QString& SaveAsFolder() const { return saveAsFolder_; }
    void SetSaveAsFolder(const QString& folder) { saveAsFolder_ = folder; }

private:
    void ReportFailure(const QString& what, const FileFailure& failure);
    // Writes the table to `path`, as a workbook or as the export's text, and tells the user how
    // it went; true when the file was saved.
    bool SaveTableAs(const QString& path, bool workbook);
    // Asks before "Speichern unter …" replaces the file at `path`.

    QWidget& window_;
    Desktop& desktop_;
    const OutputOptionsPanel& outputOptions_;
    const ResultTableModel& table_;
    QString saveAsFolder_;
    QString exportFolder_;
    QString userDataFolder_;
    std::function<QDateTime()> clock_ = [] {
        return QDateTime::currentDateTime();
    };
};

}  // namespace kolvenar
