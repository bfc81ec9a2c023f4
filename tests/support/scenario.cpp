#include "support/scenario.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QTreeView>

#include <array>

#include "settings/settings_store.h"
#include "support/test_support.h"

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

QString Number(qsizetype n) {
    return QString::number(n);
}

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

QString FileText(const QString& path) {
    return QString::fromLatin1(ReadFileBytes(path));
}

// One row's cells from the second column on, or the headers for row -1.
QString RowCells(const QAbstractItemModel* model, int row) {
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

}  // namespace

std::span<const Scenario::StepKind> Scenario::Steps() {
    using S = Scenario;
    using W = Words;
    static constexpr std::array<StepKind, 44> kSteps = {{
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
        {"answer", 1, [](S& s, const W& w) { return s.Answer(w); }},
        {"dialog", 1, [](S& s, const W& w) { return s.Dialog(w); }},
        {"saveas", 1, [](S& s, const W& w) { return s.Dialog(w); }},
        {"trigger", 1, [](S& s, const W& w) { return s.Trigger(w); }},
        {"only", 1, [](S& s, const W& w) { return s.Tick(w); }},
        {"untick", 1, [](S& s, const W& w) { return s.Tick(w); }},
        {"range", 1, [](S& s, const W& w) {
             TypeAndEnter(s.Find("txt_N_Value0"), w.name);
             TypeAndEnter(s.Find("txt_N_Value1"), w.all.value(2));
             return true;
         }},
        {"select", 1, [](S& s, const W& w) { return s.Select(w); }},
        {"header", 1, [](S& s, const W& w) { return s.Header(w); }},
        {"type", 2, [](S& s, const W& w) { return s.Type(w); }},
        {"keys", 2, [](S& s, const W& w) { return s.Type(w); }},
        {"click", 1, [](S& s, const W& w) { return s.Click(w); }},
        {"check", 1, [](S& s, const W& w) { return s.Click(w); }},
        {"pick", 2, [](S& s, const W& w) { return s.Pick(w); }},
        {"key", 2, [](S& s, const W& w) { return s.Key(w); }},
        {"=rows", 1, nullptr, [](S& s, const W&) { return Number(s.Model()->rowCount()); }},
        {"=row", 2, nullptr, [](S& s, const W& w) { return RowCells(s.Model(), w.name.toInt()); }},
        {"=headers", 1, nullptr, [](S& s, const W&) { return RowCells(s.Model(), -1); }},
        {"=cell", 3, nullptr, [](S& s, const W& w) {
             return s.Model()->index(w.name.toInt(), w.all.value(2).toInt()).data().toString();
         }},
        {"=order", 1, nullptr, [](S& s, const W&) { return Order(s.Model()); }},
        {"=sorted", 1, nullptr, [](S& s, const W&) { return Sorted(s.Table()); }},
        {"=ticked", 1, nullptr, [](S& s, const W&) { return s.Ticked(); }},
        {"=stored", 3, nullptr, [](S&, const W& w) {
             return SettingsStore().Read(w.name, w.all.value(2), QStringLiteral("<missing>"));
         }},
        {"=messages", 1, nullptr, [](S& s, const W&) { return Number(s.Messages().size()); }},
        {"=message", 1, nullptr, [](S& s, const W&) {
             const ShownMessage last = s.Messages().value(s.Messages().size() - 1);
             return last.title + QLatin1Char('|') + QString(last.text).replace("\r\n", "\n");
         }},
        {"=dialog", 1, nullptr, [](S& s, const W&) { return s.desktop_.shownFileName; }},
        {"=focus", 1, nullptr, [](S& s, const W&) { return s.Focus(); }},
        {"=opened", 1, nullptr, [](S& s, const W&) {
             const QList<QUrl>& opened = s.desktop_.openedAddresses;
             return opened.isEmpty() ? QString() : opened.last().toString();
         }},
        {"=clipboard", 1, nullptr, [](S&, const W&) { return Clipboard(); }},
        {"=copied", 1, nullptr, [](S&, const W&) { return Number(Clipboard().count('\n')); }},
        {"=windows", 1, nullptr, [](S&, const W&) { return Windows(); }},
        {"=file", 2, nullptr, [](S&, const W& w) { return FileText(w.name); }},
        {"=files", 1, nullptr, [](S&, const W& w) { return Files(w.name, w.rest); }},
        {"=text", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=enabled", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=visible", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=checked", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=value", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=accessibleName", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
        {"=y", 2, nullptr, [](S& s, const W& w) { return s.Property(w); }},
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
        const Words words{all[0], all, all.value(1), Rest(step_, kind.wordsBeforeText)};
        if (kind.act != nullptr ? !kind.act(*this, words) : !Check(kind, words)) {
            return false;
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

// A check fails when it finds nothing to look at (recorded there) or sees something else.
bool Scenario::Check(const StepKind& kind, const Words& words) {
    failed_ = false;
    QString seen = kind.look(*this, words);
    return !failed_ && (seen == words.rest || Fail("seen: " + seen.replace('\n', "\\n")));
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

const QList<ShownMessage>& Scenario::Messages() const {
    return desktop_.messages;
}

const QAbstractItemModel* Scenario::Model() const {
    return Table()->model();
}

bool Scenario::Fail(const QString& why) const {
    failed_ = true;
    QTest::qFail(qPrintable(QString(step_).replace('\n', "\\n") + "\n   " + why), __FILE__,
                 __LINE__);
    return false;
}

}  // namespace kolvenar::testing
