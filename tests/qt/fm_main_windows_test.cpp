// The window commands of the main window's menu: each side window at most once, and all of
// them closed (storing their settings) when the main window closes; the help menu; the
// program's icon on every window.
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "support/main_window_fixture.h"
#include "ui/main/application.h"
#include "ui/windows/fm_auswerten.h"
#include "ui/windows/fm_info.h"
#include "ui/windows/fm_umrechner.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    void Choose(const QString& entry) { f_->Find<QAction>(entry)->trigger(); }

private slots:
    void initTestCase() { SetUpApplication(); }

    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        QTest::qWait(0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void choosingAnEntryTwiceGivesOneWindow() {
        Choose("ME_Umrechner");
        Choose("ME_Umrechner");
        QCOMPARE(testing::TopLevelWindows<Fm_Umrechner>().size(), 1);
        QCOMPARE(testing::TopLevelWindows<Fm_Umrechner>().first()->windowTitle(),
                 QString(" Umrechner"));
        Choose("ME_Info");
        Choose("ME_Info");
        QCOMPARE(testing::TopLevelWindows<Fm_Info>().size(), 1);
        QCOMPARE(testing::TopLevelWindows<Fm_Info>().first()->windowTitle(), QString(" Info"));
        // The main window stays usable beside them.
        QVERIFY(f_->Window().isEnabled());
        QVERIFY(testing::TopLevelWindows<Fm_Info>().first()->parentWidget() == nullptr);
    }

    void evaluationEntryStaysDisabled() {
        QAction* entry = f_->Find<QAction>("ME_Auswerten");
        QVERIFY(!entry->isEnabled());
        entry->trigger();
        QTest::qWait(0);
        QVERIFY(testing::TopLevelWindows<Fm_Auswerten>().isEmpty());
    }

    void closedWindowIsCreatedAnewAtItsStoredPlace() {
        Choose("ME_Info");
        Fm_Info* info = testing::TopLevelWindows<Fm_Info>().first();
        info->move(45, 30);
        QPointer<Fm_Info> first(info);
        QTest::keyClick(info, Qt::Key_Escape);
        QTest::qWait(0);
        QVERIFY(first.isNull());
        Choose("ME_Info");
        QCOMPARE(testing::TopLevelWindows<Fm_Info>().size(), 1);
        QCOMPARE(testing::TopLevelWindows<Fm_Info>().first()->pos(), QPoint(45, 30));
    }

    void closingTheMainWindowClosesTheOthersAndStoresTheirSettings() {
        Choose("ME_Umrechner");
        Choose("ME_Info");
        Fm_Umrechner* converter = testing::TopLevelWindows<Fm_Umrechner>().first();
        testing::Control<QComboBox>(converter, "Cb_EinheitX0")->setCurrentIndex(11);
        converter->move(30, 15);
        f_->CloseWindow();
        QTest::qWait(0);
        QVERIFY(testing::TopLevelWindows<Fm_Umrechner>().isEmpty());
        QVERIFY(testing::TopLevelWindows<Fm_Info>().isEmpty());
        SettingsStore store;
        QCOMPARE(store.Read("Fm_Umrechner", "Cb_EinheitX0", ""), QString("11"));
        QCOMPARE(store.Read("Fm_Umrechner", "L", ""), QString("450"));
        QCOMPARE(store.Read("Fm_Info", "WindowState", ""), QString("0"));
    }

    void helpMenuFollowsTheWindowMenu() {
        QStringList menus;
        for (QAction* menu : f_->Window().menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, QStringList({"&Datei", "&Fenster", "&Hilfe"}));
        QStringList entries;
        for (QAction* entry : f_->Find<QMenu>("MT_Hilfe")->actions()) {
            entries << entry->text();
        }
        QCOMPARE(entries, QStringList({"Anleitung", "&Über Kolvenar"}));
    }

    void f1OpensTheGuideWithItsPictures() {
        f_->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f_->Window()));
        QTest::keyClick(&f_->Window(), Qt::Key_F1);
        QCOMPARE(f_->desktop.openedAddresses.size(), 1);
        const QUrl address = f_->desktop.openedAddresses.first();
        QVERIFY2(address.isLocalFile(), qPrintable(address.toString()));
        const QString page = QString::fromUtf8(testing::ReadFileBytes(address.toLocalFile()));
        QVERIFY2(page.contains("<html lang=\"de\">"), qPrintable(address.toString()));
        QVERIFY(page.contains("<title>Kolvenar – Anleitung</title>"));
        QVERIFY(page.contains("<h1>Kolvenar – Anleitung</h1>"));
        const QFileInfo guide(address.toLocalFile());
        int pictures = 0;
        for (const auto& image :
             QRegularExpression("<img [^>]*src=\"([^\"]+)\"").globalMatch(page)) {
            QVERIFY2(QFileInfo::exists(guide.dir().filePath(image.captured(1))),
                     qPrintable(image.captured(1)));
            ++pictures;
        }
        QCOMPARE(pictures, 4);
    }

    void aboutEntryOpensTheInfoWindow() {
        Choose("ME_UeberKolvenar");
        QCOMPARE(testing::TopLevelWindows<Fm_Info>().size(), 1);
        Choose("ME_UeberKolvenar");
        QCOMPARE(testing::TopLevelWindows<Fm_Info>().size(), 1);
    }

    void everyWindowShowsTheProgramIcon() {
        QCOMPARE(QApplication::windowIcon().availableSizes(),
                 QList<QSize>(
                     {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        Choose("ME_Umrechner");
        Choose("ME_Einstellungen");
        Choose("ME_Info");
        Fm_Auswerten evaluation;
        evaluation.show();
        const QList<QWidget*> windows = testing::TopLevelWindows<QWidget>();
        QCOMPARE(windows.size(), 5);
        for (QWidget* window : windows) {
            QVERIFY2(!window->windowIcon().isNull(), qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(FmMainWindowsTest)
#include "fm_main_windows_test.moc"
