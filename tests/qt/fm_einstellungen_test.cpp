// The editor of the reference constants, opened from the main window.
#include "support/main_window_fixture.h"

using namespace kolvenar;

class FmEinstellungenTest : public QObject {
    Q_OBJECT

private slots:
    void editsTheConstants_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("shows the stored constants, Save disabled") << QString(
            "trigger ME_Einstellungen; =text Fm_Einstellungen/Fm_Einstellungen  Einstellungen; "
            "=enabled Fm_Einstellungen/cmd_Speichern 0; =text Fm_Einstellungen/txt_Cx0 Ce; "
            "=text Fm_Einstellungen/txt_Cx_Wert0 2.42611E-12; "
            "=text Fm_Einstellungen/txt_Cx_Bezeichnung0 Elektronen; =text Fm_Einstellungen/txt_Cx1 "
            "Cp; "
            "=text Fm_Einstellungen/txt_Cx_Wert1 1.3214098555E-15; "
            "=text Fm_Einstellungen/txt_Cx_Bezeichnung1 Protonen; =text Fm_Einstellungen/txt_Cx2 "
            "Cn; "
            "=text Fm_Einstellungen/txt_Cx_Wert2 1.3195909067E-15; "
            "=text Fm_Einstellungen/txt_Cx_Bezeichnung2 Neutronen; =text Fm_Einstellungen/txt_Cx3 "
            "Cx; "
            "=text Fm_Einstellungen/txt_Cx_Wert3 57910000000; "
            "=text Fm_Einstellungen/txt_Cx_Bezeichnung3 Merkurbahnradius; "
            "=text Fm_Einstellungen/txt_Cx4 Cx; =text Fm_Einstellungen/txt_Cx_Wert4 1; "
            "=text Fm_Einstellungen/txt_Cx_Bezeichnung4 Freie Eingabe");
        // Saved without surrounding blanks; the main window reads the leading number.
        QTest::newRow("saving updates the main window at once") << QString(
            "pick Combo_Cx Cn Neutronen; trigger ME_Einstellungen; "
            "keys Fm_Einstellungen/txt_Cx_Bezeichnung0 X; =enabled Fm_Einstellungen/cmd_Speichern "
            "1; "
            "type Fm_Einstellungen/txt_Cx0   Ca  ; type Fm_Einstellungen/txt_Cx_Wert0 2,5E-12; "
            "click Fm_Einstellungen/cmd_Speichern; =enabled Fm_Einstellungen/cmd_Speichern 0; "
            "=windows Fm_Einstellungen Fm_Main; =stored Fm_Main Cx0 Ca; "
            "=stored Fm_Main Cx_Wert0 2,5E-12; =stored Fm_Main Cx_Bezeichnung0 ElektronenX; "
            "=text Combo_Cx Ca ElektronenX; =text Lab_AusgabeCx Ca=2 m; =rows 118");
    }

    void editsTheConstants() {
        QFETCH(QString, steps);
        testing::MainWindowFixture f;
        QVERIFY(f.Run(steps.split("; ")));
        f.ExpectNoStrayDialogs();
    }
};

QTEST_MAIN(FmEinstellungenTest)
#include "fm_einstellungen_test.moc"
