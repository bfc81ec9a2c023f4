// What the Mehrfachsuche does with its inputs: the ranking as the list is typed, the
// assignments of the chosen element, opening a list and saving the results.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "multisearch/ranking.h"
#include "table/search.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/window_support.h"
#include "ui/windows/fm_mehrfachsuche.h"
#include "ui/windows/hit_picture.h"
#include "ui/windows/multisearch_list_file.h"
#include "ui/windows/multisearch_models.h"
#include "ui/windows/sortable_table_view.h"

namespace kolvenar {

namespace {

// The main window's words for a tolerance out of range, whose rule this window shares.
const QString kToleranceOutOfRange =
    QStringLiteral("Bei der Suche mit eigener Toleranz bitte einen Wert >0 und <=50 % eingeben .");

bool ToleranceInRange(double tolerance) {
    return tolerance > 0 && tolerance <= kOwnToleranceCeiling;
}

bool SameRequest(const MultiSearchRequest& a, const MultiSearchRequest& b) {
    return a.quantity == b.quantity && a.unit.label == b.unit.label && a.tolerance == b.tolerance &&
           a.cx == b.cx;
}

std::string Separator() {
    return QLocale().decimalPoint().toStdString();
}

}  // namespace

MultiSearchRequest Fm_Mehrfachsuche::Request(double tolerance) const {
    MultiSearchRequest request;
    const int quantity = std::clamp(cb_Groesse_->currentIndex(), 0, kMultiQuantityCount - 1);
    request.quantity = kQuantityRows[static_cast<std::size_t>(quantity)].quantity;
    const std::span<const UnitRow> units = QuantityUnits(request.quantity);
    const int unit = std::clamp(cb_Einheit_->currentIndex(), 0, static_cast<int>(units.size()) - 1);
    request.unit = units[static_cast<std::size_t>(unit)];
    request.tolerance = tolerance;
    const int cx = std::clamp(combo_Cx_->currentIndex(), 0, kCxSlotCount - 1);
    request.cx = constants_[static_cast<std::size_t>(cx)].Cx_Wert;
    return request;
}

void Fm_Mehrfachsuche::UpdateRanking() {
    updateTimer_->stop();
    const int keptElement = rankingModel_->ElementAt(lv_Rangliste_->currentIndex().row());
    list_ = ReadValueList(txt_Messwerte_->toPlainText().toStdString());
    FollowListUnit();
    values_ = std::make_shared<const std::vector<MeasuredValue>>(std::move(list_.values));
    list_.values.clear();
    const std::string separator = Separator();
    const double tolerance = LeadingNumber(txt_Toleranz_->text().toStdString());
    if (!ToleranceInRange(tolerance)) {
        matcher_.reset();
        rankingModel_->SetRanking({}, separator);
        lab_Zusammenfassung_->setText(kToleranceOutOfRange);
        ShowPicture();
        ShowAssignments();
        return;
    }
    const MultiSearchRequest request = Request(tolerance);
    if (!matcher_ || !SameRequest(matcher_->Request(), request)) {
        matcher_.emplace(request);
    }
    Ranking ranking = RankElements(*matcher_, *values_);
    lab_Zusammenfassung_->setText(FromUtf8(SummaryText(list_, ranking, separator)));
    rankingModel_->SetRanking(std::move(ranking), separator);
    ShowPicture();
    // The element looked at stays chosen while it is in the ranking, else the first one is.
    int row = 0;
    for (int i = 0; i < rankingModel_->rowCount(); ++i) {
        if (rankingModel_->ElementAt(i) == keptElement) {
            row = i;
        }
    }
    if (rankingModel_->rowCount() > 0) {
        lv_Rangliste_->setCurrentIndex(rankingModel_->index(row, 0));
    }
    ShowAssignments();
}

void Fm_Mehrfachsuche::ShowPicture() {
    pictureBehind_ = tabs_->currentWidget() != pic_Trefferbild_;
    if (pictureBehind_) {
        return;
    }
    if (matcher_) {
        pic_Trefferbild_->Show(*matcher_, rankingModel_->Shown(), *values_);
    } else {
        pic_Trefferbild_->Clear();
    }
}

void Fm_Mehrfachsuche::ShowAssignments() {
    const int z = rankingModel_->ElementAt(lv_Rangliste_->currentIndex().row());
    if (z == 0 || !matcher_) {
        assignmentModel_->Clear();
        return;
    }
    assignmentModel_->SetElement(z);
    assignmentModel_->SetAssignments(values_, AssignValues(*matcher_, z, *values_), Separator());
}

void Fm_Mehrfachsuche::FollowListUnit() {
    const std::optional<UnitChoice> named = list_.unit;
    const bool same =
        named.has_value() == listUnit_.has_value() &&
        (!named || (named->quantity == listUnit_->quantity && named->index == listUnit_->index));
    listUnit_ = named;
    if (same || !named) {
        return;
    }
    SuppressedEvents quiet(suppressEvents_);
    cb_Groesse_->setCurrentIndex(static_cast<int>(named->quantity));
    cb_Einheit_->setCurrentIndex(named->index);
}

void Fm_Mehrfachsuche::txt_Messwerte_Change() {
    // A burst of keys (or a paste) makes one ranking, once the events waiting are handled.
    if (!suppressEvents_) {
        updateTimer_->start();
    }
}

void Fm_Mehrfachsuche::Cb_Groesse_Click() {
    InputChanged();
}

void Fm_Mehrfachsuche::InputChanged() {
    if (!suppressEvents_) {
        UpdateRanking();
    }
}

// Read as the main window reads its own tolerance, while it is typed; Enter rewrites it in
// normal form, and one out of range is named in a message as the main window names it (while
// typing only the line below the ranking names it, and no ranking is shown).
void Fm_Mehrfachsuche::txt_Toleranz_KeyEnter() {
    const double tolerance = LeadingNumber(txt_Toleranz_->text().toStdString());
    {
        SuppressedEvents quiet(suppressEvents_);
        txt_Toleranz_->setText(FromUtf8(NumText(tolerance)));
    }
    UpdateRanking();
    if (!ToleranceInRange(tolerance)) {
        ShowMessage(QStringLiteral(" Meldung"), kToleranceOutOfRange, false);
    }
}

void Fm_Mehrfachsuche::OpenList() {
    QFileDialog dialog(this, QStringLiteral(" Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Messwerte (*.txt *.csv *.dat *.lst)"),
                           QStringLiteral("Alle Dateien (*)")});
    if (!desktop_.RunFileDialog(dialog) || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const OpenedList opened = OpenListFile(dialog.selectedFiles().constFirst());
    if (!opened.text) {
        ShowMessage(QStringLiteral(" Fehler"), opened.failure, true);
        return;
    }
    txt_Messwerte_->setPlainText(*opened.text);
    UpdateRanking();
}

void Fm_Mehrfachsuche::ShowMessage(const QString& title, const QString& text, bool error) {
    desktop_.ShowMessage(this, title, text,
                         error ? MessageIcon::Exclamation : MessageIcon::Information,
                         MessageButtons::Ok, MessageAnswer::Ok);
}

}  // namespace kolvenar
