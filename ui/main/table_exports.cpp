#include "ui/main/table_exports.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QStandardPaths>

#include <array>

#include "export/export.h"
#include "export/workbook_export.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/save_dialog.h"
#include "ui/common/window_support.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/result_table_model.h"

namespace kolvenar {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The file types of "Speichern unter …", in the order the dialog offers them; the first is
// the workbook.
constexpr std::array<SaveFileType, 3> kSaveTypes = {{
    {"Excel-Arbeitsmappe (*.xlsx)", "xlsx"},
    {"Text, Tabulator getrennt (*.txt)", "txt"},
    {"Text für Tabellenkalkulation (*.xls)", "xls"},
}};

}  // namespace

TableExports::TableExports(QWidget& window, Desktop& desktop,
                           const OutputOptionsPanel& outputOptions, const ResultTableModel& table)
    : QObject(&window),
      window_(window),
      desktop_(desktop),
      outputOptions_(outputOptions),
      table_(table),
      exportFolder_(QApplication::applicationDirPath()),
      userDataFolder_(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {}

void TableExports::ReportFailure(const QString& what, const FileFailure& failure) {
    desktop_.ShowMessage(&window_, QStringLiteral(" Fehler"),
                         QStringLiteral("ERR SUB ME_Speichern_Click") + kLineBreak + what +
                             kLineBreak + QString::number(failure.number) + QStringLiteral(" : ") +
                             failure.description,
                         MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
}

void TableExports::Export(int index) {
    const ExportFolder folder = ChooseExportFolder(exportFolder_, userDataFolder_);
    if (folder.failure) {
        ReportFailure(QStringLiteral("Konnte den Ordner '") +
                          QDir::toNativeSeparators(folder.path) +
                          QStringLiteral("' nicht anlegen !?"),
                      *folder.failure);
        return;
    }
    if (SaveTableAs(QDir(folder.path).filePath(ExportFileName(index)), false)) {
        desktop_.OpenAddress(QUrl::fromLocalFile(folder.path));
    }
}

bool TableExports::SaveTableAs(const QString& path, bool workbook) {
    const QString shownPath = QDir::toNativeSeparators(path);
    const QStringList header = ExportHeaderLines(outputOptions_.ReferenceLength(), clock_());
    std::optional<FileFailure> failure;
    {
        const BusyCursor busy;
        failure = workbook ? WriteWorkbook(path, header, table_.Shown())
                           : WriteTextExport(path, header, table_.Shown());
    }
    if (failure) {
        ReportFailure(QStringLiteral("Konnte die Datei '") + shownPath +
                          QStringLiteral("' nicht speichern !?"),
                      *failure);
        return false;
    }
    desktop_.ShowMessage(&window_, QStringLiteral(" Meldung"),
                         QStringLiteral("Datei wurde gespeichert als") + kLineBreak + shownPath,
                         MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
    return true;
}

void TableExports::SaveAs() {
    QFileDialog dialog(&window_, QStringLiteral(" Speichern unter"));
    PrepareSaveDialog(dialog, kSaveTypes, saveAsFolder_, QStringLiteral("KolvenarAusgabe.xlsx"));
    while (desktop_.RunFileDialog(dialog) && !dialog.selectedFiles().isEmpty()) {
        const QString typed = dialog.selectedFiles().constFirst();
        const auto [chosen, type] = NameAndType(typed, dialog.selectedNameFilter(), kSaveTypes);
        saveAsFolder_ = QFileInfo(chosen).absolutePath();
        const MessageAnswer replace = QFileInfo::exists(chosen)
                                          ? AskToReplace(desktop_, &window_, chosen)
                                          : MessageAnswer::Yes;
        if (replace == MessageAnswer::Closed ||
            (replace == MessageAnswer::Yes && SaveTableAs(chosen, type == 0))) {
            return;
        }
        // Back to the dialog with the name as typed, for another one, or another folder where
        // this one could not be written.
        dialog.selectFile(typed);
    }
}

}  // namespace kolvenar
