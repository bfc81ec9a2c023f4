// The side windows' life beside the main window: each at most once, Escape, their places and
// settings kept, the program's icon; the guide behind F1.
#include <QFileInfo>
#include <QTest>

#include "support/main_window_fixture.h"
#include "ui/main/application.h"
#include "ui/windows/fm_auswerten.h"

using namespace kolvenar;

class FmMainWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::MainWindowFixture> f_;

private slots:
    void initTestCase() { SetUpApplication(); }

    void init() { f_ = std::make_unique<testing::MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QTest::qWait(0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Scenario steps on the main window and: "move W X Y" and "resize W WIDTH HEIGHT" a window,
    // "plot" opens the evaluation window (it has no menu entry yet), "close" closes the main
    // window; "=active W", "=icons" (every window shows the program's icon in its seven sizes),
    // "=guide" (the guide opened is the German page with its four pictures beside it).
    // A window reopened at its place stores that place again when it closes.
    void sideWindowLife_data() {
        QTest::addColumn<QString>("steps");
        // Chosen again: the same window, brought to the front. Escape closes it from any control.
        for (QString control :
             {"txt_Wert0", "Cb_Einheit1", "chk_Runden", "txt_WertX", "Cb_EinheitX1"}) {
            QTest::newRow(qPrintable("converter, Escape in " + control))
                << QString(
                       "trigger ME_Umrechner; type Fm_Umrechner/txt_Wert0 5; trigger ME_Info; "
                       "trigger ME_Umrechner; =active Fm_Umrechner; =enabled Fm_Main 1; =text "
                       "Fm_Umrechner/txt_Wert0 5; key Fm_Umrechner/%1 Escape; =windows Fm_Info "
                       "Fm_Main")
                       .arg(control);
        }
        for (QString control : {"txt_Info0", "txt_Info1", "Links1", "Links0"}) {
            QTest::newRow(qPrintable("information, Escape in " + control))
                << QString(
                       "trigger ME_Info; trigger ME_Umrechner; trigger ME_UeberKolvenar; =active "
                       "Fm_Info; move Fm_Info 150 75; key Fm_Info/%1 Escape; =windows Fm_Main "
                       "Fm_Umrechner; =stored Fm_Info L 2250; =stored Fm_Info T 1125; trigger "
                       "ME_Info; key Fm_Info/%1 Escape; =stored Fm_Info L 2250; =stored Fm_Info T "
                       "1125")
                       .arg(control);
        }
        QTest::newRow("converter reopened at its place with its settings")
            << "trigger ME_Umrechner; move Fm_Umrechner 90 60; click Fm_Umrechner/chk_Runden; pick "
               "Fm_Umrechner/Cb_Einheit1 mm Milli e-3; pick Fm_Umrechner/Cb_EinheitX1 Nano e-9; "
               "key Fm_Umrechner/txt_Wert1 Escape; =stored Fm_Umrechner L 1350; =stored "
               "Fm_Umrechner T 900; =stored Fm_Umrechner Cb_Einheit1 1; =stored Fm_Main chk_Runden "
               "<missing>; trigger ME_Umrechner; =text Fm_Umrechner/Cb_Einheit1 mm Milli e-3; "
               "=checked Fm_Umrechner/chk_Runden 0; =text Fm_Umrechner/txt_Wert1 299792458000; "
               "=text Fm_Umrechner/Lab_WertXGleich 1000000000; key Fm_Umrechner/txt_Wert1 Escape; "
               "=stored Fm_Umrechner L 1350; =stored Fm_Umrechner T 900";
        // Unsaved edits go with the window.
        QTest::newRow("settings")
            << "trigger ME_Einstellungen; keys Fm_Einstellungen/txt_Cx1 Zz; trigger ME_Umrechner; "
               "trigger ME_Einstellungen; =active Fm_Einstellungen; =text Fm_Einstellungen/txt_Cx1 "
               "CpZz; move Fm_Einstellungen 90 60; key Fm_Einstellungen/txt_Cx_Wert3 Escape; "
               "=windows Fm_Main Fm_Umrechner; =stored Fm_Einstellungen L 1350; =stored "
               "Fm_Einstellungen T 900; trigger ME_Einstellungen; =text Fm_Einstellungen/txt_Cx1 "
               "Cp; key Fm_Einstellungen/cmd_Speichern Escape; =stored Fm_Einstellungen T 900";
        // The size is kept with the frame: 2 pixels each side.
        QTest::newRow("plot")
            << "=enabled ME_Auswerten 0; trigger ME_Auswerten; =windows Fm_Main; plot; =icons; key "
               "Fm_Auswerten/pic_Plot1 Escape; =windows Fm_Main; =stored Fm_Auswerten W 9600; "
               "=stored Fm_Auswerten H 7200; plot; resize Fm_Auswerten 700 500; key "
               "Fm_Auswerten/cmd_Test Escape; =stored Fm_Auswerten W 10560; plot; key "
               "Fm_Auswerten/pic_Plot0 Escape; =stored Fm_Auswerten W 10560; =stored Fm_Auswerten "
               "H 7560";
        QTest::newRow("F1 opens the guide") << "key Fm_Main F1; =messages 0; =guide";
        QTest::newRow("all close with the main window")
            << "trigger ME_Umrechner; trigger ME_Info; trigger ME_Einstellungen; =icons; pick "
               "Fm_Umrechner/Cb_EinheitX0 Kilo e+3; move Fm_Umrechner 30 15; move Fm_Einstellungen "
               "45 30; close; =windows; =stored Fm_Umrechner Cb_EinheitX0 11; =stored Fm_Umrechner "
               "L 450; =stored Fm_Info WindowState 0; =stored Fm_Einstellungen T 450";
    }

    void sideWindowLife() {
        QFETCH(QString, steps);
        QPointer<QWidget> main = &f_->Start();
        testing::Scenario scenario(f_->desktop, [&main] { return main.data(); });
        for (const QString& step : steps.split("; ")) {
            const QStringList words = step.split(' ');
            QWidget* window = scenario.Find(words.value(1) + "/" + words.value(1));
            if (words[0] == "plot") {
                (new Fm_Auswerten())->show();
            } else if (words[0] == "close") {
                f_->CloseWindow();
            } else if (words[0] == "=icons") {
                for (QWidget* shown : testing::TopLevelWindows<QWidget>()) {
                    QCOMPARE(shown->windowIcon().availableSizes().size(), 7);
                }
            } else if (words[0] == "=guide") {
                const QString guide = f_->desktop.openedAddresses.value(0).toLocalFile();
                const QString page = QString::fromUtf8(testing::ReadFileBytes(guide));
                QVERIFY2(page.contains("<html lang=\"de\">") &&
                             page.contains("<title>Kolvenar – Anleitung</title>"),
                         qPrintable(guide));
                for (const QString picture : {"hauptfenster", "suche", "umrechner", "tabelle"}) {
                    QVERIFY2(page.contains("src=\"bilder/" + picture + ".png\"") &&
                                 QFileInfo(guide).dir().exists("bilder/" + picture + ".png"),
                             qPrintable(picture));
                }
                QCOMPARE(page.count("<img "), 4);
            } else if (words[0] == "=active") {
                QVERIFY2(window && QTest::qWaitForWindowActive(window), qPrintable(step));
            } else if (words[0] == "move" || words[0] == "resize") {
                QVERIFY2(window, qPrintable(step));
                const QPoint at(words[2].toInt(), words[3].toInt());
                words[0] == "move" ? window->move(at) : window->resize(at.x(), at.y());
            } else {
                QVERIFY(scenario.Run({step}));
            }
        }
    }
};

QTEST_MAIN(FmMainWindowsTest)
#include "fm_main_windows_test.moc"
