// The editor of the reference constants, opened from the main window.
#include "support/main_window_fixture.h"

using namespace kolvenar;

class FmEinstellungenTest : public QObject {
    Q_OBJECT

private slots:
    // Scenario steps on the main window; "E/" names a control of the settings window.
    void editsTheConstants_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("shows the stored constants, Save disabled")
            << "trigger ME_Einstellungen; =text E/Fm_Einstellungen  Einstellungen; =enabled "
               "E/cmd_Speichern 0; =text E/txt_Cx0 Ce; =text E/txt_Cx_Wert0 2.42611E-12; =text "
               "E/txt_Cx_Bezeichnung0 Elektronen; =text E/txt_Cx1 Cp; =text E/txt_Cx_Wert1 "
               "1.3214098555E-15; =text E/txt_Cx_Bezeichnung1 Protonen; =text E/txt_Cx2 Cn; =text "
               "E/txt_Cx_Wert2 1.3195909067E-15; =text E/txt_Cx_Bezeichnung2 Neutronen; =text "
               "E/txt_Cx3 Cx; =text E/txt_Cx_Wert3 57910000000; =text E/txt_Cx_Bezeichnung3 "
               "Merkurbahnradius; =text E/txt_Cx4 Cx; =text E/txt_Cx_Wert4 1; =text "
               "E/txt_Cx_Bezeichnung4 Freie Eingabe";
        // Saved without surrounding blanks; the main window reads the leading number.
        QTest::newRow("saving updates the main window at once")
            << "pick Combo_Cx Cn Neutronen; trigger ME_Einstellungen; keys E/txt_Cx_Bezeichnung0 "
               "X; =enabled E/cmd_Speichern 1; type E/txt_Cx0   Ca  ; type E/txt_Cx_Wert0 2,5E-12; "
               "click E/cmd_Speichern; =enabled E/cmd_Speichern 0; =windows Fm_Einstellungen "
               "Fm_Main; =stored Fm_Main Cx0 Ca; =stored Fm_Main Cx_Wert0 2,5E-12; =stored Fm_Main "
               "Cx_Bezeichnung0 ElektronenX; =text Combo_Cx Ca ElektronenX; =text Lab_AusgabeCx "
               "Ca=2 m; =rows 118";
    }

    void editsTheConstants() {
        QFETCH(QString, steps);
        testing::MainWindowFixture f;
        QVERIFY(f.Run(steps.replace("E/", "Fm_Einstellungen/")));
        f.ExpectNoStrayDialogs();
    }
};

QTEST_MAIN(FmEinstellungenTest)
#include "fm_einstellungen_test.moc"
