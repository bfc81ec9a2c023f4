#pragma once

#include <QComboBox>
#include <QDirIterator>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
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
        window_->SetGuideFile(BuiltGuideFile());
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
        // The fixture's own steps, and the player's.
        const QRegularExpression own(
            QStringLiteral("^(restart|locale en|exportfolder |userfolder |=rebuilds )"));
        for (const QString& step : steps) {
            if (!own.match(step).hasMatch() && !Scenario::Knows(step)) {
                QTest::qFail(qPrintable("unknown step, nothing played: " + step), __FILE__,
                             __LINE__);
                return false;
            }
        }
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
                const auto seen = static_cast<int>(rebuilds_->count());
                rebuilds_->clear();
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

    ScriptedDesktop desktop;
    FreshSettings settings;
    QTemporaryDir files;

private:
    std::unique_ptr<Fm_Main> window_;
    std::unique_ptr<QSignalSpy> rebuilds_;
};

}  // namespace kolvenar::testing
