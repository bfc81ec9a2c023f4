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
    const QString folder = ChooseExportFolder(exportFolder_, userDataFolder_);
    const QString path = QDir::toNativeSeparators(QDir(folder).filePath(ExportFileName(index)));
    const QByteArray content = ExportFileContent(outputOptions_->Lab_AusgabeCx()->text(), clock_(),
                                                 TableToText(lv_Ausgabe_->Model()));
    const QString lineBreak = QStringLiteral("\r\n");
    if (const auto failure = WriteWholeFile(path, content)) {
        desktop_.ShowMessage(this, QStringLiteral(" Fehler"),
                             QStringLiteral("ERR SUB ME_Speichern_Click") + lineBreak +
                                 QStringLiteral("Konnte die Datei '") + path +
                                 QStringLiteral("' nicht speichern !?") + lineBreak +
                                 QString::number(failure->number) + QStringLiteral(" : ") +
                                 failure->description,
                             MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
        return;
    }
    desktop_.ShowMessage(this, QStringLiteral(" Meldung"),
                         QStringLiteral("Datei wurde gespeichert als") + lineBreak + path,
                         MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
    desktop_.OpenAddress(QUrl::fromLocalFile(folder));
}

}  // namespace kolvenar
