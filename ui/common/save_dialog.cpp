#include "ui/common/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace kolvenar {

void PrepareSaveDialog(QFileDialog& dialog, std::span<const SaveFileType> types,
                       const QString& folder, const QString& name) {
    QStringList filters;
    for (const SaveFileType& type : types) {
        filters << QString::fromUtf8(type.filter);
    }
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

std::pair<QString, std::size_t> NameAndType(const QString& typed, const QString& filter,
                                            std::span<const SaveFileType> types) {
    const QString suffix = QFileInfo(typed).suffix().toLower();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (suffix == QLatin1String(types[i].extension)) {
            return {typed, i};
        }
    }
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (filter == QString::fromUtf8(types[i].filter)) {
            chosen = i;
        }
    }
    return {typed + QLatin1Char('.') + QLatin1String(types[chosen].extension), chosen};
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
