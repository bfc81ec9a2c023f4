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

enum class SaveFormat { Workbook, Text, SpreadsheetText };

struct SaveFormatEntry {
    SaveFormat format;
    const char* filter;
    const char* extension;
};

// The file types of "Speichern unter …", in the order the dialog offers them.
const std::array<SaveFormatEntry, 3> kSaveFormats = {{
    {SaveFormat::Workbook, "Excel-Arbeitsmappe (*.xlsx)", "xlsx"},
    {SaveFormat::Text, "Text, Tabulator getrennt (*.txt)", "txt"},
    {SaveFormat::SpreadsheetText, "Text für Tabellenkalkulation (*.xls)", "xls"},
}};

// The format a typed name asks for by its extension (in any case), else the chosen filter's;
// a name without one of the three extensions gets the filter's.
std::pair<QString, SaveFormat> NameAndFormat(const QString& chosen, const QString& filter) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    for (const SaveFormatEntry& entry : kSaveFormats) {
        if (suffix == QLatin1String(entry.extension)) {
            return {chosen, entry.format};
        }
    }
    for (const SaveFormatEntry& entry : kSaveFormats) {
        if (filter == QString::fromUtf8(entry.filter)) {
            return {chosen + QLatin1Char('.') + QLatin1String(entry.extension), entry.format};
        }
    }
    return {chosen + QStringLiteral(".xlsx"), SaveFormat::Workbook};
}

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
    QStringList filters;
    for (const SaveFormatEntry& entry : kSaveFormats) {
        filters << QString::fromUtf8(entry.filter);
    }
    PrepareSaveDialog(dialog, filters, saveAsFolder_, QStringLiteral("KolvenarAusgabe.xlsx"));
    while (desktop_.RunFileDialog(dialog) && !dialog.selectedFiles().isEmpty()) {
        const QString typed = dialog.selectedFiles().constFirst();
        const auto [chosen, format] = NameAndFormat(typed, dialog.selectedNameFilter());
        saveAsFolder_ = QFileInfo(chosen).absolutePath();
        const MessageAnswer replace = QFileInfo::exists(chosen)
                                          ? AskToReplace(desktop_, &window_, chosen)
                                          : MessageAnswer::Yes;
        if (replace == MessageAnswer::Closed ||
            (replace == MessageAnswer::Yes &&
             SaveTableAs(chosen, format == SaveFormat::Workbook))) {
            return;
        }
        // Back to the dialog with the name as typed, for another one, or another folder where
        // this one could not be written.
        dialog.selectFile(typed);
    }
}

}  // namespace kolvenar
