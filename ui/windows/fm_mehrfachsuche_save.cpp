// "Speichern unter …" of the Mehrfachsuche: the ranking as the other text files are written, or
// a workbook with the ranking and every assignment.
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <algorithm>
#include <array>

#include "core/number_text.h"
#include "export/multisearch_export.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/save_dialog.h"
#include "ui/common/window_support.h"
#include "ui/windows/fm_mehrfachsuche.h"
#include "ui/windows/multisearch_models.h"

namespace kolvenar {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// In the order the dialog offers them; the first is the workbook.
constexpr std::array<SaveFileType, 2> kSaveTypes = {{
    {"Excel-Arbeitsmappe (*.xlsx)", "xlsx"},
    {"Text, Tabulator getrennt (*.txt)", "txt"},
}};

}  // namespace

QString Fm_Mehrfachsuche::ReferenceLengthCaption() const {
    const CxEntry& entry = constants_[static_cast<std::size_t>(
        std::clamp(combo_Cx_->currentIndex(), 0, kCxSlotCount - 1))];
    return FromUtf8(entry.Cx) + QLatin1Char('=') + FromUtf8(NumText(entry.Cx_Wert)) +
           QStringLiteral(" m");
}

void Fm_Mehrfachsuche::SaveAs() {
    QFileDialog dialog(this, QStringLiteral(" Speichern unter"));
    PrepareSaveDialog(dialog, kSaveTypes, saveAsFolder_, QStringLiteral("Mehrfachsuche.xlsx"));
    while (desktop_.RunFileDialog(dialog) && !dialog.selectedFiles().isEmpty()) {
        const QString typed = dialog.selectedFiles().constFirst();
        const auto [chosen, type] = NameAndType(typed, dialog.selectedNameFilter(), kSaveTypes);
        saveAsFolder_ = QFileInfo(chosen).absolutePath();
        const MessageAnswer replace =
            QFileInfo::exists(chosen) ? AskToReplace(desktop_, this, chosen) : MessageAnswer::Yes;
        if (replace == MessageAnswer::Yes) {
            SaveResults(chosen, type == 0);
        }
        if (replace != MessageAnswer::No) {
            return;
        }
        dialog.selectFile(typed);
    }
}

void Fm_Mehrfachsuche::SaveResults(const QString& path, bool workbook) {
    const QStringList header = ExportHeaderLines(ReferenceLengthCaption(), clock_());
    const Ranking& ranking = rankingModel_->Shown();
    const std::string separator = QLocale().decimalPoint().toStdString();
    std::optional<FileFailure> failure;
    {
        const BusyCursor busy;
        if (!workbook) {
            failure = WriteRankingTextFile(path, header, ranking, separator);
        } else if (matcher_) {
            failure = WriteMultiSearchWorkbook(path, header, *matcher_, ranking, *values_);
        } else {
            failure =
                WriteMultiSearchWorkbook(path, header, MultiMatcher(Request(1)), ranking, *values_);
        }
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    if (failure) {
        ShowMessage(QStringLiteral(" Fehler"),
                    QStringLiteral("ERR SUB ME_SpeichernUnter_Click") + kLineBreak +
                        QStringLiteral("Konnte die Datei '") + shownPath +
                        QStringLiteral("' nicht speichern !?") + kLineBreak +
                        QString::number(failure->number) + QStringLiteral(" : ") +
                        failure->description,
                    true);
        return;
    }
    ShowMessage(QStringLiteral(" Meldung"),
                QStringLiteral("Datei wurde gespeichert als") + kLineBreak + shownPath, false);
}

}  // namespace kolvenar
