#include "ui/common/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolvenar {

void PrepareSaveDialog(QFileDialog& dialog, const QStringList& filters, const QString& folder,
                       const QString& name) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(!folder.isEmpty()              ? folder
                        : QFileInfo(documents).isDir() ? documents
                                                       : QDir::homePath());
    dialog.selectFile(name);
}

// Word for word, blank before the question mark included (docs/design.md, "Texts with their
// blanks and typos").
MessageAnswer AskToReplace(Desktop& desktop, QWidget* parent, const QString& path) {
    return desktop.ShowMessage(parent, QStringLiteral(" Achtung"),
                               QStringLiteral("Die Datei '") + QDir::toNativeSeparators(path) +
                                   QStringLiteral("' gibt es schon.\r\nSoll sie ersetzt werden ?"),
                               MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No);
}

}  // namespace kolvenar
