#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>

#include <memory>

#include "settings/settings_store.h"
#include "support/scenario.h"
#include "support/scripted_desktop.h"
#include "support/test_support.h"
#include "ui/main/fm_main.h"

namespace kolvenar::testing {

// A fresh settings folder, a scripted desktop and the main window on top of them, driven
// through its named controls.
class MainWindowFixture {
public:
    MainWindowFixture() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    ~MainWindowFixture() {
        CloseWindow();
        // Read-only folders a test made would keep their files from being removed.
        QDirIterator everything(files.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                                QDirIterator::Subdirectories);
        while (everything.hasNext()) {
            QFile::setPermissions(everything.next(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    Fm_Main& Start() {
        window_ = std::make_unique<Fm_Main>(desktop);
        rebuilds_ = std::make_unique<QSignalSpy>(window_.get(), &Fm_Main::outputBuilt);
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) {
            QTest::qFail("main window not exposed", __FILE__, __LINE__);
        }
        return *window_;
    }

    // Closes the window as the user does (its close handling stores the settings).
    void CloseWindow() {
        if (window_) {
            window_->close();
            rebuilds_.reset();
            window_.reset();
        }
    }

    // How often the table was built since the last call.
    int TakeRebuilds() {
        const auto count = static_cast<int>(rebuilds_->count());
        rebuilds_->clear();
        return count;
    }

    // The checks a window test ends with: no message that nobody scripted, no scripted answer
    // left over, and no modal window left open.
    void ExpectNoStrayDialogs() const {
        QCOMPARE(desktop.unexpectedMessages, 0);
        QCOMPARE(desktop.UnusedAnswers(), 0);
        QVERIFY(!ModalWindowOpen());
    }

    Fm_Main& Window() { return *window_; }

    // Plays a user's steps on the main window (see Scenario). Settings stored by the first
    // steps are written before the window starts; the window starts when it is first needed.
    // Besides the player's steps: "restart" closes the window and starts it again, "locale en"
    // switches to English numbers, "=rebuilds N" checks the tables built since the last check,
    // "exportfolder PATH" and "userfolder PATH" say where the fixed exports go. "%T" stands
    // for a temporary folder of the test's own.
    // The steps may also come in one text, separated by "; ".
    bool Run(const QString& steps) { return Run(steps.split(QStringLiteral("; "))); }
    bool Run(const QStringList& steps) {
        Scenario scenario(
            desktop, [this] { return static_cast<QWidget*>(window_.get()); }, files.path());
        for (const QString& step : steps) {
            if (!window_ && !step.startsWith(QLatin1String("store ")) &&
                !step.startsWith(QLatin1String("locale "))) {
                Start();
            }
            if (step == QLatin1String("restart")) {
                CloseWindow();
                Start();
            } else if (step.startsWith(QLatin1String("exportfolder "))) {
                window_->SetExportFolder(QString(step.mid(13)).replace("%T", files.path()));
            } else if (step.startsWith(QLatin1String("userfolder "))) {
                window_->SetUserDataFolder(QString(step.mid(11)).replace("%T", files.path()));
            } else if (step == QLatin1String("locale en")) {
                QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
            } else if (step.startsWith(QLatin1String("=rebuilds "))) {
                const int seen = TakeRebuilds();
                if (seen != step.mid(10).toInt()) {
                    QTest::qFail(qPrintable(step + " seen " + QString::number(seen)), __FILE__,
                                 __LINE__);
                    return false;
                }
            } else if (!scenario.Run({step})) {
                return false;
            }
        }
        return true;
    }

    template <typename T>
    T* Find(const QString& name) const {
        return Control<T>(window_.get(), name);
    }

    QTreeView* Table() const { return Find<QTreeView>(QStringLiteral("lv_Ausgabe")); }
    QTreeWidget* ElementList() const { return Find<QTreeWidget>(QStringLiteral("lv_Elemente")); }
    QAbstractItemModel* TableModel() const { return Table()->model(); }

    int Rows() const { return TableModel()->rowCount(); }

    QString Cell(int row, int column) const {
        return TableModel()->index(row, column).data().toString();
    }

    QStringList Headers() const {
        QStringList headers;
        for (int c = 0; c < TableModel()->columnCount(); ++c) {
            headers << TableModel()->headerData(c, Qt::Horizontal).toString();
        }
        return headers;
    }

    QStringList Row(int row) const {
        QStringList cells;
        for (int c = 1; c < TableModel()->columnCount(); ++c) {
            cells << Cell(row, c);
        }
        return cells;
    }

    QString Caption(const QString& labelName) const { return Find<QLabel>(labelName)->text(); }

    // Ticks exactly the given elements, the way the user does: "Keine", then each tick.
    void ChooseOnly(std::initializer_list<int> elements) {
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmd_ElementeVisible0")),
                          Qt::LeftButton);
        for (int z : elements) {
            ElementList()->topLevelItem(z - 1)->setCheckState(0, Qt::Checked);
        }
    }

    void SetChecked(const QString& name, bool checked) {
        auto* box = Find<QCheckBox>(name);
        if (box->isChecked() != checked) {
            QTest::mouseClick(box, Qt::LeftButton);
        }
    }

    void SelectUnit(int quantity, const QString& label) {
        auto* units = Find<QComboBox>(MemberName(QStringLiteral("Cb_Einheit"), quantity));
        const int index = units->findText(label);
        if (index < 0) {
            QTest::qFail(qPrintable("no unit " + label), __FILE__, __LINE__);
        }
        units->setCurrentIndex(index);
    }

    // Sets N von and N bis by typing into their boxes.
    void SetRange(const QString& from, const QString& to) {
        TypeAndEnter(Find<QLineEdit>(QStringLiteral("txt_N_Value0")), from);
        TypeAndEnter(Find<QLineEdit>(QStringLiteral("txt_N_Value1")), to);
    }

    static QString MemberName(const QString& group, int index) {
        return group + QString::number(index);
    }

    ScriptedDesktop desktop;
    FreshSettings settings;
    QTemporaryDir files;

private:
    std::unique_ptr<Fm_Main> window_;
    std::unique_ptr<QSignalSpy> rebuilds_;
};

}  // namespace kolvenar::testing
