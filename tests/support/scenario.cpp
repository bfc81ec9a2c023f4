#include "support/scenario.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMimeData>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <vector>

#include "export/table_text.h"
#include "settings/settings_store.h"
#include "support/test_support.h"
#include "ui/main/result_view.h"

namespace kolvenar::testing {

namespace {

// The text after the first `words` words of a step.
QString Rest(const QString& step, int words) {
    qsizetype at = 0;
    for (int i = 0; i < words && at >= 0; ++i) {
        at = step.indexOf(QLatin1Char(' '), at);
        at = at < 0 ? -1 : at + 1;
    }
    return at < 0 ? QString() : step.mid(at);
}

// One row's cells from the second column on, or the headers for row -1.
QString RowCells(const QTreeView* table, int row) {
    const QAbstractItemModel* model = table->model();
    QStringList texts;
    for (int c = 1; c < model->columnCount(); ++c) {
        texts << (row < 0 ? model->headerData(c, Qt::Horizontal) : model->index(row, c).data())
                     .toString();
    }
    return texts.join(QLatin1Char('|'));
}

QString Order(const QAbstractItemModel* model) {
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        rows << model->index(row, 2).data().toString() + QLatin1Char(':') +
                    model->index(row, 3).data().toString();
    }
    return rows.join(QLatin1Char(' '));
}

QString Sorted(const QTreeView* table) {
    const int column = table->header()->sortIndicatorSection();
    const bool up = table->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    return column < 0 ? QString()
                      : table->model()->headerData(column, Qt::Horizontal).toString() +
                            (up ? QStringLiteral(" ascending") : QStringLiteral(" descending"));
}

QString Windows() {
    QStringList open;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && !top->objectName().isEmpty()) {
            open << top->objectName();
        }
    }
    open.sort();
    return open.join(QLatin1Char(' '));
}

// Blanks around the list do not count.
QString Files(const QString& folder, const QString& expected) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    const QString seen =
        QString(folder + QLatin1Char(' ') + files.join(QLatin1Char(' '))).trimmed();
    return seen == expected.trimmed() ? expected : seen;
}

// The clipboard against the text of the result table's highlighted rows written on one thread:
// "same", or the first line that differs.
QString CopiedAsOneThread(QTreeView* table) {
    auto* view = qobject_cast<ResultTableView*>(table);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    if (view == nullptr || copied == nullptr) {
        return QStringLiteral("no table or nothing copied");
    }
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    const QByteArray expected =
        TableText(view->Model().Shown(), TableTextFormat{"\n", false}, &rows, 1);
    const QList<QByteArray> seen = copied->data(QStringLiteral("text/plain")).split('\n');
    const QList<QByteArray> lines = expected.split('\n');
    qsizetype line = 0;
    while (line < seen.size() && line < lines.size() && seen[line] == lines[line]) {
        ++line;
    }
    return seen.size() == lines.size() && line == lines.size()
               ? QStringLiteral("same")
               : QStringLiteral("line %1: %2 / %3")
                     .arg(line + 1)
                     .arg(QString::fromUtf8(seen.value(line)),
                          QString::fromUtf8(lines.value(line)));
}

}  // namespace

std::span<const Scenario::StepKind> Scenario::Steps() {
    using S = Scenario;
    using W = Words;
    static constexpr std::array<StepKind, 49> kSteps = {{
        {"store", 3, [](S&, const W& w) {
             SettingsStore().Write(w.name, w.all.value(2), w.rest);
             return true;
         }},
        {"file", 2, [](S&, const W& w) {
             QDir().mkpath(QFileInfo(w.name).path());
             WriteFileBytes(w.name, w.rest.toUtf8());
             return true;
         }},
        {"folder", 1, [](S&, const W& w) {
             QDir().mkpath(w.name);
             return true;
         }},
        {"readonly", 1, [](S&, const W& w) {
             const bool folder = QFileInfo(w.name).isDir();
             QFile::setPermissions(w.name,
                                   folder ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
             return true;
         }},
        {"answer", 1, [](S& s, const W& w) {
             s.desktop_.Answer(w.name == "Ja"       ? MessageAnswer::Yes
                               : w.name == "Nein"   ? MessageAnswer::No
                               : w.name == "Escape" ? MessageAnswer::Closed
                                                    : MessageAnswer::Ok,
                               w.all.value(2) == "tick");
             return true;
         }},
        {"dialog", 1, [](S& s, const W& w) { return s.Dialog(w); }},
        {"cancel", 1, [](S& s, const W&) { return s.Cancel(); }},
        {"saveas", 1, [](S& s, const W& w) { return s.Dialog(w); }},
        {"trigger", 1, [](S& s, const W& w) {
             auto* action = s.window_()->findChild<QAction*>(w.name);
             if (action != nullptr) {
                 action->trigger();
             }
             return action != nullptr || s.Fail(QStringLiteral("no such menu entry"));
         }},
        {"only", 1, [](S& s, const W& w) { return s.Tick(w); }},
        {"untick", 1, [](S& s, const W& w) { return s.Tick(w); }},
        {"range", 1, [](S& s, const W& w) {
             TypeAndEnter(s.Find("txt_N_Value0"), w.name);
             TypeAndEnter(s.Find("txt_N_Value1"), w.all.value(2));
             return true;
         }},
        {"select", 1, [](S& s, const W& w) {
             for (const QString& row : w.all.mid(1)) {
                 const QModelIndex index = s.Table()->model()->index(row.toInt(), 0);
                 if (!index.isValid()) {
                     return s.Fail("no row " + row);
                 }
                 s.Table()->selectionModel()->select(
                     index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
             }
             return true;
         }},
        {"header", 1, [](S& s, const W& w) {
             QTreeView* table = s.Table();
             QHeaderView* bar = table->header();
             int column = 0;
             while (column < table->model()->columnCount() &&
                    table->model()->headerData(column, Qt::Horizontal).toString() != w.rest) {
                 ++column;
             }
             if (column == table->model()->columnCount()) {
                 return s.Fail("no column titled " + w.rest);
             }
             const int x = bar->sectionViewportPosition(column) + bar->sectionSize(column) / 2;
             QTest::mouseClick(bar->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
             return true;
         }},
        {"type", 2, [](S& s, const W& w) { return s.Type(w); }},
        {"keys", 2, [](S& s, const W& w) { return s.Type(w); }},
        {"click", 1, [](S& s, const W& w) { return s.Click(w); }},
        {"check", 1, [](S& s, const W& w) { return s.Click(w); }},
        {"pick", 2, [](S& s, const W& w) {
             auto* list = qobject_cast<QComboBox*>(s.Control(w.name));
             const int entry = list == nullptr ? -1 : list->findText(w.rest);
             if (entry >= 0) {
                 list->setCurrentIndex(entry);
             }
             return list != nullptr && (entry >= 0 || s.Fail("no entry " + w.rest));
         }},
        {"key", 2, [](S& s, const W& w) { return s.Key(w); }},
        {"=rows", 1, nullptr,
         [](S& s, const W&) { return QString::number(s.Table()->model()->rowCount()); }},
        {"=row", 2, nullptr, [](S& s, const W& w) { return RowCells(s.Table(), w.name.toInt()); }},
        {"=headers", 1, nullptr, [](S& s, const W&) { return RowCells(s.Table(), -1); }},
        {"=cell", 3, nullptr, [](S& s, const W& w) {
             const int row = w.name.toInt();
             return s.Table()->model()->index(row, w.all.value(2).toInt()).data().toString();
         }},
        {"=order", 1, nullptr, [](S& s, const W&) { return Order(s.Table()->model()); }},
        {"=sorted", 1, nullptr, [](S& s, const W&) { return Sorted(s.Table()); }},
        {"=ticked", 1, nullptr, [](S& s, const W&) {
             const auto* elements = qobject_cast<QTreeWidget*>(s.Find("lv_Elemente"));
             QStringList ticked;
             for (int i = 0; i < elements->topLevelItemCount(); ++i) {
                 if (elements->topLevelItem(i)->checkState(0) == Qt::Checked) {
                     ticked << elements->topLevelItem(i)->text(1);
                 }
             }
             return ticked.join(' ');
         }},
        {"=stored", 3, nullptr, [](S&, const W& w) {
             return SettingsStore().Read(w.name, w.all.value(2), QStringLiteral("<missing>"));
         }},
        {"=messages", 1, nullptr, [](S& s, const W&) {
             return QString::number(s.desktop_.messages.size());
         }},
        {"=message", 1, nullptr, [](S& s, const W&) {
             const ShownMessage last = s.desktop_.messages.value(s.desktop_.messages.size() - 1);
             return last.title + QLatin1Char('|') + QString(last.text).replace("\r\n", "\n");
         }},
        {"=dialog", 1, nullptr, [](S& s, const W&) { return s.desktop_.shownFileName; }},
        {"=focus", 1, nullptr, [](S& s, const W&) {
             const QWidget* focused = s.window_()->focusWidget();
             const QString name = focused == nullptr ? QString() : focused->objectName();
             const QTreeView* table = s.Table();
             return table == nullptr || focused != table
                        ? name
                        : name + ' ' + QString::number(table->currentIndex().row());
         }},
        {"=opened", 1, nullptr, [](S& s, const W&) {
             const QList<QUrl>& opened = s.desktop_.openedAddresses;
             return opened.isEmpty() ? QString() : opened.last().toString();
         }},
        {"=clipboard", 1, nullptr,
         [](S&, const W&) { return QGuiApplication::clipboard()->text(); }},
        {"=copied", 1, nullptr, [](S&, const W&) {
             return QString::number(QGuiApplication::clipboard()->text().count('\n'));
         }},
        {"=copiedAsOneThread", 1, nullptr,
         [](S& s, const W&) { return CopiedAsOneThread(s.Table()); }},
        {"=windows", 1, nullptr, [](S&, const W&) { return Windows(); }},
        {"=file", 2, nullptr, [](S&, const W& w) {
             return QString::fromLatin1(ReadFileBytes(w.name));
         }},
        {"=files", 1, nullptr, [](S&, const W& w) { return Files(w.name, w.rest); }},
        {"=text", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=enabled", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=visible", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=checked", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=value", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=accessibleName", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=y", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=minimized", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=toolTip", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=shown", 2, nullptr, [](S& s, const W& w) { return s.Shown(w); }},
    }};
    return kSteps;
}

const Scenario::StepKind* Scenario::KindOf(const QString& step) {
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    for (const StepKind& kind : Steps()) {
        if (verb == QLatin1String(kind.verb.data(), static_cast<qsizetype>(kind.verb.size()))) {
            return &kind;
        }
    }
    return nullptr;
}

bool Scenario::Knows(const QString& step) {
    return KindOf(step) != nullptr;
}

bool Scenario::Run(const QStringList& steps) {
    for (const QString& written : steps) {
        if (!Knows(written)) {
            step_ = written;
            return Fail(QStringLiteral("unknown step; nothing played"));
        }
    }
    for (const QString& written : steps) {
        step_ = QString(written).replace(QStringLiteral("%T"), folder_);
        const StepKind& kind = *KindOf(step_);
        const QStringList all = step_.split(QLatin1Char(' '));
        const Words words{all, all.value(1), Rest(step_, kind.wordsBeforeText)};
        failed_ = false;
        QString seen = kind.act != nullptr ? QString() : kind.look(*this, words);
        if ((kind.act != nullptr && !kind.act(*this, words)) || failed_) {
            return false;
        }
        if (kind.look != nullptr && seen != words.rest) {
            return Fail("seen: " + seen.replace('\n', "\\n"));
        }
    }
    return true;
}

QWidget* Scenario::Find(const QString& name) const {
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    QWidget* root = window_();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (slash > 0 && top->objectName() == name.left(slash) && top->isVisible()) {
            root = top;
        }
    }
    const QString control = name.mid(slash + 1);
    if (root == nullptr || root->objectName() == control) {
        return root;
    }
    return root->findChild<QWidget*>(control);
}

QWidget* Scenario::Control(const QString& name) const {
    QWidget* control = Find(name);
    if (control == nullptr) {
        Fail(QStringLiteral("no such control"));
    }
    return control;
}

QTreeView* Scenario::Table() const {
    return qobject_cast<QTreeView*>(Find(QStringLiteral("lv_Ausgabe")));
}

bool Scenario::Fail(const QString& why) const {
    failed_ = true;
    QTest::qFail(qPrintable(QString(step_).replace('\n', "\\n") + "\n   " + why), __FILE__,
                 __LINE__);
    return false;
}

}  // namespace kolvenar::testing
