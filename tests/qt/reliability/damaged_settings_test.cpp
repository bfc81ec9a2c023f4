// Settings that are damaged, unreadable or unwritable: the program starts with the defaults for
// what it cannot read, says once when it cannot write or sets a file aside, and stores what it
// can.
#include <QDate>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "support/main_window_fixture.h"

using namespace kolvenar;

class DamagedSettingsTest : public QObject {
    Q_OBJECT

private slots:
    // A row: what is written where below the configuration folder (no file: a folder), the
    // permissions it then gets (-1: as it is), and what the user does and sees. Steps before
    // "start" come before the window starts, those after "close" check what is stored; $CONF
    // is the settings file.
    void damage_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("steps");
        const auto row = [](const char* name, const QByteArray& file, const QString& steps,
                            int mode = -1, const QString& where = "Kolvenar/Kolvenar.conf") {
            QTest::newRow(name) << where << file << mode << steps;
        };
        const QString defaults =
            "=rows 118; =text Cb_Einheit0 MHz Mega e+6; =checked opt_Toleranz1 1";
        const QString notWritten =
            "=messages 1; =message  Fehler|Die Einstellungen konnten nicht in die Datei '$CONF' "
            "geschrieben werden !?";
        // The constants of the first start stay in memory, and so do those saved later; closing
        // a side window or the main window does not say it again.
        const QString unwritable =
            "answer OK; start; " + defaults + "; " + notWritten +
            "; =text Lab_AusgabeCx Ce=2.42611E-12 m; =cell 0 4 14385,3475; pick Combo_Cx Cx "
            "Merkurbahnradius; =text Combo_Cx Cx Merkurbahnradius; pick Combo_Cx Ce Elektronen; "
            "trigger ME_Einstellungen; type Fm_Einstellungen/txt_Cx_Wert0 1E-12; click "
            "Fm_Einstellungen/cmd_Speichern; =text Lab_AusgabeCx Ce=1E-12 m; =text Combo_Cx Ce "
            "Elektronen; key Fm_Einstellungen/cmd_Speichern Escape; =windows Fm_Main; close; " +
            notWritten;
        // Whole numbers within their control's range, blanks around; reals with a point or comma.
        row("numbers at the edges",
            "[Fm_Main]\nCb_Einheit0=6\nCb_Einheit1=0\nCb_Einheit2=\" 4 \"\nCb_Einheit3=10\n"
            "Cb_Einheit4=99999999999999999999\nCombo_Cx=3\nopt_Toleranz=0\nchk_Runden=0\nchk_V2=1\n"
            "L=1440\nT=\"1234,5\"\nW=\" 12000.5 \"\nH=inf\n",
            "start; =text Cb_Einheit0 MHz Mega e+6; =text Cb_Einheit1 pm Pico e-12; =text "
            "Cb_Einheit2 µs Mikro e-6; =text Cb_Einheit3 Parsec²; =text Cb_Einheit4 m³; =text "
            "Combo_Cx Cx Merkurbahnradius; =text Lab_AusgabeCx Cx=57910000000 m; =checked "
            "opt_Toleranz0 1; =checked chk_Runden 0; =checked chk_V2 1; close; =stored Fm_Main L "
            "1440; =stored Fm_Main T 1230; =stored Fm_Main W 12000; =stored Fm_Main H 7200");
        // A window stored off every screen opens at the top left of the primary screen.
        for (const char* place : {"L=3000000 T=0", "L=1E300 T=-1E300"}) {
            row(place, "[Fm_Main]\n" + QByteArray(place).replace(' ', '\n'),
                "start; =rows 118; close; =stored Fm_Main L 0; =stored Fm_Main T 0");
        }
        // A window too large for the screen fills it; one mostly off it comes back until a third
        // of it and its top edge are on it. Either opens so again after a restart.
        const auto placed = [](const QString& l, const QString& t, const QString& w,
                               const QString& h) {
            return "restart; close; =stored Fm_Main L " + l + "; =stored Fm_Main T " + t +
                   "; =stored Fm_Main W " + w + "; =stored Fm_Main H " + h;
        };
        row("W=600000", "[Fm_Main]\nW=600000\n", "start; " + placed("0", "0", "12000", "7200"));
        row("L=-300000", "[Fm_Main]\nL=-300000\nT=11850\nW=600000\nH=4500\n",
            "start; " + placed("0", "10500", "12000", "4500"));
        row("L=-9000", "[Fm_Main]\nL=-9000\nT=-3000\n[Fm_Info]\nL=-4500\n",
            "start; trigger ME_Info; " + placed("-6390", "0", "9600", "7200") +
                "; =stored Fm_Info L -4155");
        row("settings file is a folder", QByteArray(), unwritable);
        row("read-only configuration folder", QByteArray(), unwritable, 0500, "");
        const QByteArray edited = "[Fm_Main]\nEinstellungen=Ja\nCb_Einheit0=2\n";
        row("read-only file", edited,
            "answer OK; start; =text Cb_Einheit0 Hz; pick Cb_Einheit0 GHz Giga e+9; close; " +
                notWritten,
            0400);
        row("unreadable file", edited, "answer OK; start; " + defaults + "; close; =messages 1", 0);
        // A file far larger than any the program writes is set aside, nothing deleted, and the
        // program starts with the defaults; one of 1 MiB is still read.
        row("over 1 MiB", edited.leftJustified(1024 * 1024, ';') + '\n',
            "answer OK; start; " + defaults +
                "; =messages 1; =message  Achtung|Die Einstellungsdatei '$CONF' ist beschädigt "
                "(größer als 1 MiB).\nSie wurde als '$CONF.beschädigt-$TODAY' beiseitegelegt. "
                "Kolvenar beginnt mit den Grundeinstellungen.; close; =messages 1; =files "
                "$DIR Kolvenar.conf Kolvenar.conf.beschädigt-$TODAY");
        row("1 MiB", edited.leftJustified(1024 * 1024 - 1, ';') + '\n',
            "start; =text Cb_Einheit0 Hz; close; =messages 0");
    }

    void damage() {
        QFETCH(QString, where);
        QFETCH(QByteArray, file);
        QFETCH(int, mode);
        QFETCH(QString, steps);
        testing::MainWindowFixture f;
        const QString path = QDir(f.settings.Folder()).filePath(where);
        QVERIFY(QDir().mkpath(file.isNull() ? path : QFileInfo(path).path()));
        if (!file.isNull()) {
            testing::WriteFileBytes(path, file);
        }
        if (mode >= 0 && geteuid() == 0) {
            QSKIP("permission bits do not stop root; the _unprivileged test runs this row");
        }
        QVERIFY(mode < 0 || ::chmod(QFile::encodeName(path).constData(), mode) == 0);
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QStringList played = steps.replace("$CONF", f.settings.FilePath())
                                       .replace("$DIR", QFileInfo(path).path())
                                       .replace("$TODAY", today)
                                       .split("; ");
        const qsizetype start = played.indexOf("start"), close = played.indexOf("close");
        testing::Scenario closed(f.desktop, [] { return nullptr; });
        QVERIFY(closed.Run(played.mid(0, start)));
        QVERIFY(f.Run(played.mid(start + 1, close - start - 1)));
        f.CloseWindow();
        ::chmod(QFile::encodeName(path).constData(), 0700);
        QVERIFY(closed.Run(played.mid(close + 1)));
        // A file the program may not write is left as it was, one set aside too.
        QVERIFY(mode < 0 || file.isNull() || testing::ReadFileBytes(path) == file);
        const QString setAside = path + ".beschädigt-" + today;
        QVERIFY(!QFileInfo::exists(setAside) || testing::ReadFileBytes(setAside) == file);
        QVERIFY(f.desktop.messages.isEmpty() ||
                f.desktop.messages[0].icon == MessageIcon::Exclamation);
        f.ExpectNoStrayDialogs();
    }
};

QTEST_MAIN(DamagedSettingsTest)
#include "damaged_settings_test.moc"
