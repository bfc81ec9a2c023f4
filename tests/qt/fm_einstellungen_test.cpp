// The editor of the reference constants, opened from the main window.
#include <QTest>

#include "support/main_window_fixture.h"
#include "ui/windows/fm_einstellungen.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmEinstellungenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    Fm_Einstellungen* Open() {
        f_->Find<QAction>("ME_Einstellungen")->trigger();
        const auto windows = testing::TopLevelWindows<Fm_Einstellungen>(false);
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    static QLineEdit* Box(Fm_Einstellungen* window, const QString& group, int row) {
        return testing::Control<QLineEdit>(window, group + QString::number(row));
    }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        QTest::qWait(0);  // let closed windows be deleted
        QVERIFY(testing::TopLevelWindows<Fm_Einstellungen>(false).isEmpty());
    }

    void showsTheStoredConstantsWithSaveDisabled() {
        Fm_Einstellungen* window = Open();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString(" Einstellungen"));
        const QStringList rows = {"Ce 2.42611E-12 Elektronen", "Cp 1.3214098555E-15 Protonen",
                                  "Cn 1.3195909067E-15 Neutronen",
                                  "Cx 57910000000 Merkurbahnradius", "Cx 1 Freie Eingabe"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Box(window, "txt_Cx", i)->text() + " " +
                         Box(window, "txt_Cx_Wert", i)->text() + " " +
                         Box(window, "txt_Cx_Bezeichnung", i)->text(),
                     rows[i]);
        }
        QVERIFY(!testing::Control<QPushButton>(window, "cmd_Speichern")->isEnabled());
        QCOMPARE(window->size(), QSize(296, 185));
    }

    void choosingTheEntryTwiceGivesOneWindow() {
        Fm_Einstellungen* first = Open();
        Fm_Einstellungen* second = Open();
        QVERIFY(first);
        QCOMPARE(first, second);
    }

    void savingUpdatesTheMainWindowAtOnce() {
        f_->Find<QComboBox>("Combo_Cx")->setCurrentIndex(2);
        Fm_Einstellungen* window = Open();
        auto* save = testing::Control<QPushButton>(window, "cmd_Speichern");
        QTest::keyClicks(Box(window, "txt_Cx_Bezeichnung", 0), "X");
        QVERIFY(save->isEnabled());
        Box(window, "txt_Cx", 0)->setText("  Ca  ");
        Box(window, "txt_Cx_Wert", 0)->setText("2,5E-12");
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!save->isEnabled());
        QVERIFY(window->isVisible());

        SettingsStore store;
        QCOMPARE(store.Read("Fm_Main", "Cx0", ""), QString("Ca"));
        QCOMPARE(store.Read("Fm_Main", "Cx_Wert0", ""), QString("2,5E-12"));
        QCOMPARE(store.Read("Fm_Main", "Cx_Bezeichnung0", ""), QString("ElektronenX"));
        auto* combo = f_->Find<QComboBox>("Combo_Cx");
        QCOMPARE(combo->itemText(0), QString("Ca ElektronenX"));
        QCOMPARE(combo->currentIndex(), 0);
        // The main window reads only the leading number of the stored text.
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Ca=2 m"));
        QCOMPARE(f_->Rows(), 118);
    }

    void closingDiscardsUnsavedEdits() {
        Fm_Einstellungen* window = Open();
        Box(window, "txt_Cx", 1)->setText("Zz");
        window->close();
        QTest::qWait(0);
        Fm_Einstellungen* again = Open();
        QVERIFY(again);
        QCOMPARE(Box(again, "txt_Cx", 1)->text(), QString("Cp"));
    }

    void escapeClosesItAndItsPlaceIsStored() {
        Fm_Einstellungen* window = Open();
        window->move(90, 60);
        QTest::keyClick(Box(window, "txt_Cx_Wert", 3), Qt::Key_Escape);
        QTest::qWait(0);
        QVERIFY(testing::TopLevelWindows<Fm_Einstellungen>(false).isEmpty());
        SettingsStore store;
        QCOMPARE(store.Read("Fm_Einstellungen", "L", ""), QString("1350"));
        QCOMPARE(store.Read("Fm_Einstellungen", "T", ""), QString("900"));
        Fm_Einstellungen* again = Open();
        QCOMPARE(again->pos(), QPoint(90, 60));
    }

    void closingTheMainWindowClosesIt() {
        QPointer<Fm_Einstellungen> window = Open();
        f_->CloseWindow();
        QTest::qWait(0);
        QVERIFY(window.isNull());
    }
};

QTEST_MAIN(FmEinstellungenTest)
#include "fm_einstellungen_test.moc"
