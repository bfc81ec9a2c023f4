// Saving the result table for a spreadsheet.
#include <QDir>
#include <QLabel>

#include "output/export.h"
#include "ui/main/fm_main.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/result_view.h"
#include "ui/windows/desktop_seam.h"

namespace kolvenar {

void Fm_Main::ExportTable(int index) {
    const ExportFolder folder = ChooseExportFolder(exportFolder_, userDataFolder_);
    const QString lineBreak = QStringLiteral("\r\n");
    const auto reportFailure = [&](const QString& what, const FileFailure& failure) {
        desktop_.ShowMessage(this, QStringLiteral(" Fehler"),
                             QStringLiteral("ERR SUB ME_Speichern_Click") + lineBreak + what +
                                 lineBreak + QString::number(failure.number) +
                                 QStringLiteral(" : ") + failure.description,
                             MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
    };
    if (folder.failure) {
        reportFailure(QStringLiteral("Konnte den Ordner '") +
                          QDir::toNativeSeparators(folder.path) +
                          QStringLiteral("' nicht anlegen !?"),
                      *folder.failure);
        return;
    }
    const QString path =
        QDir::toNativeSeparators(QDir(folder.path).filePath(ExportFileName(index)));
    const QByteArray content = ExportFileContent(outputOptions_->Lab_AusgabeCx()->text(), clock_(),
                                                 TableToText(lv_Ausgabe_->Model()));
    if (const auto failure = WriteWholeFile(path, content)) {
        reportFailure(
            QStringLiteral("Konnte die Datei '") + path + QStringLiteral("' nicht speichern !?"),
            *failure);
        return;
    }
    desktop_.ShowMessage(this, QStringLiteral(" Meldung"),
                         QStringLiteral("Datei wurde gespeichert als") + lineBreak + path,
                         MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
    desktop_.OpenAddress(QUrl::fromLocalFile(folder.path));
}

}  // namespace kolvenar
