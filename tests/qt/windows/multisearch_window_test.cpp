// The Mehrfachsuche window driven as a user drives it: a list typed or opened, the ranking and
// the assignments of the element chosen in it, and what the window keeps for its next opening.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>

#include <optional>

#include "support/scenario.h"
#include "support/test_support.h"
#include "ui/windows/fm_mehrfachsuche.h"
#include "ui/windows/hit_picture.h"

using namespace kolvenar;

namespace {

// One row a line, "NAME: STEPS", the steps separated by " • ". Besides the player's steps: "list
// TEXT" types a list ("/" ends a line), "choose Z" clicks the ranking's row of element Z, "=rank R
// CELLS" and "=assign R CELLS" are a row of the ranking and of the assignment (cells separated by
// "|"), "=summary TEXT" the line below the ranking, "reopen" closes the window and opens it anew,
// "=list TEXT" the box and "=kept TEXT" the list file kept for the next opening ("/" for line
// ends), "open PATH" opens a file with "&Öffnen …", "nul PATH" writes a file with a NUL byte.
const QString kRows =
    // With Cx = 1 m, H (1) gives 1 m at N = 0 and 2 m at N = 1, Li (3) 3 m, B (5) 5 m.
    "a list in m with Cx 1 m: pick Combo_Cx Cx Freie Eingabe • pick Cb_Einheit m • list 1 H/2,0 He"
    "/3;Li/5.0E0 B/2.06 knapp/abc/-4/# Bemerkung • "
    "=rank 0 1|Wasserstoff|1|2 von 5|0|0,7856|Helium (2), Beryllium (4), Sauerstoff (8), Schwefel "
    "(16), Germanium (32), Gadolinium (64) • "
    "=summary 5 Werte gelesen; übersprungen: Zeile 6 (keine Zahl), Zeile 7 (Wert nicht größer als "
    "0); durch "
    "Zufall erklärt ein Element im Mittel 0,14 Werte • "
    "choose 3 • =assign 0 1|H|-2|0,75|-25|außerhalb • =assign 2 3|Li|0|3|0|ja\n"
    "stored and reopened: pick Cb_Groesse Frequenz • pick Cb_Einheit GHz Giga e+9 • type "
    "txt_Toleranz 2,5 • list 1/2 • reopen • =text Cb_Groesse Frequenz • =text Cb_Einheit GHz Giga "
    "e+9 • =text txt_Toleranz 2 • =list 1/2 • =stored Fm_Mehrfachsuche Cb_Groesse 0 • =stored "
    "Fm_Mehrfachsuche Cb_Einheit 5 • =stored Fm_Mehrfachsuche txt_Toleranz 2 • =stored "
    "Fm_Mehrfachsuche Combo_Cx 0 • =kept 1/2\n"
    // Each of 3 and 6 m is explained by Li (3) and every Z that is 3 times a power of two.
    "sorted by a title and copied: pick Combo_Cx Cx Freie Eingabe • pick Cb_Einheit m • list 3/6 "
    "• title lv_Rangliste Element • title lv_Rangliste Element • =rank 0 1|Magnesium|12|2 von "
    "2|0|0,08326|Lithium (3), Kohlenstoff (6), Chrom (24), Cadmium (48), Curium* (96) • =rank 5 "
    "1|Cadmium|48|2 von 2|0|0,08326|Lithium (3), Kohlenstoff (6), Magnesium (12), Chrom (24), "
    "Curium* (96) • choose 24 • key lv_Rangliste Ctrl+C • =copied "
    "Rang\tElement\tZ\tErklärt\tMittlere Abweichung in %\tZufall in "
    "%\tGleichwertig/1\tChrom\t24\t2 "
    "von 2\t0\t0,08326\tLithium (3), Kohlenstoff (6), Magnesium (12), Cadmium (48), Curium* (96)/ "
    "• title lv_Zuordnung N • title lv_Zuordnung N • =assign 0 6||-2|6|0|ja\n"
    // 1 and 2 m are explained by Z = 1, 2, 4 … 64, 3 m by 3, 6 … 96 and 5 m by 5, 10 … 80.
    "the hit picture follows the list, behind its tab too: pick Combo_Cx Cx Freie Eingabe • pick "
    "Cb_Einheit m • list 1/2/3 • tab 1 • =picture 13x3 • list 1/2 • =picture 7x2 • tab 0 • list 5 "
    "• "
    "tab 1 • =picture 5x1\n"
    // Within 0.1 % of 117 m only Z = 117 gives a value (116 and 118 lie 0.85 % off).
    "the ranking saved as text: pick Combo_Cx Cx Freie Eingabe • pick Cb_Einheit m • type "
    "txt_Toleranz 0.1 • list 117 • answer OK • saveas %T/rang.txt • =saved %T/rang.txt REM "
    "Kolvenar ist ein Programm von "
    "Quorvin//REM Datei wurde erzeugt am 07.12.2026 um 14:30 Uhr//REM Zuzovudezivudizer nach der "
    "Gleichung von Velmoran//REM Comptonwellenlänge Cx=1 m//Rang\tElement\tZ\tErklärt\tMittlere "
    "Abweichung in %\tZufall in %\tGleichwertig/1\tUnunseptium\t117\t1 von 1\t0\t0,2885\t//\n"
    "a unit comment chooses the unit, a tolerance out of range: list # Einheit: eV/1,5 • =text "
    "Cb_Groesse Energie • =text Cb_Einheit eV • answer OK • type txt_Toleranz 60 • =message  "
    "Meldung|Bei der Suche mit eigener Toleranz bitte einen Wert >0 und <=50 % eingeben . • "
    "=ranked 0 • =summary Bei der Suche mit eigener Toleranz bitte einen Wert >0 und <=50 % "
    "eingeben . • keys txt_Toleranz X • =ranked 0 • =messages 1\n"
    // Cs (55) with the electron's Compton wavelength gives 586.858 m at N = 42.
    "a label with a control character, opened: file %T/liste.csv 589,0;Na\x01"
    "D2 • open %T/liste.csv • =list 589,0;Na\x01"
    "D2 • =assign 0 589|Na D2|42|586,857954157999|-0,3637|ja\n"
    "a file that is not text: list 7 • nul %T/bild.png • answer OK • open %T/bild.png • =list 7 • "
    "=message  Fehler|Die Datei '%T/bild.png' ist keine Textdatei.\n";

}  // namespace

class MultisearchWindowTest : public QObject {
    Q_OBJECT

private:
    std::optional<testing::FreshSettings> settings_;
    QPointer<Fm_Mehrfachsuche> window_;
    std::optional<testing::ScriptedDesktop> desktop_;

    QString DataFolder() const { return settings_->Folder() + "/daten"; }

    void Open() {
        window_ = new Fm_Mehrfachsuche(*desktop_, DataFolder());
        window_->SetClock([] { return QDateTime(QDate(2026, 12, 7), QTime(14, 30)); });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    QTableView* View(const char* name) const { return testing::Control<QTableView>(window_, name); }

    static QString Row(const QTableView* view, int row) {
        QStringList cells;
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            cells << view->model()->index(row, c).data().toString();
        }
        return cells.join('|');
    }

    void TypeList(const QString& text) {
        auto* box = testing::Control<QPlainTextEdit>(window_, "txt_Messwerte");
        box->clear();
        for (const QString& line : text.split('/')) {
            if (box->document()->characterCount() > 1) {
                QTest::keyClick(box, Qt::Key_Return);
            }
            QTest::keyClicks(box, line);
        }
        QApplication::processEvents();
    }

    void Choose(const QString& z) {
        QTableView* view = View("lv_Rangliste");
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            if (view->model()->index(row, 2).data().toString() == z) {
                const QRect cell = view->visualRect(view->model()->index(row, 1));
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
                return;
            }
        }
        QFAIL(qPrintable("no row of element " + z));
    }

    static void ClickTitle(QTableView* view, const QString& title) {
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            if (view->model()->headerData(c, Qt::Horizontal).toString() == title) {
                QHeaderView* header = view->horizontalHeader();
                const int x = header->sectionViewportPosition(c) + header->sectionSize(c) / 2;
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
                return;
            }
        }
        QFAIL(qPrintable("no column titled " + title));
    }

private slots:
    // Numbers as a German user sees them, whatever the machine's language.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init() {
        settings_.emplace();
        desktop_.emplace();
    }

    void cleanup() {
        QVERIFY(!testing::ModalWindowOpen());
        delete window_;
    }

    void drivesTheWindow_data() {
        QTest::addColumn<QString>("steps");
        for (const QString& row : kRows.split('\n', Qt::SkipEmptyParts)) {
            QTest::newRow(qPrintable(row.section(": ", 0, 0))) << row.section(": ", 1);
        }
    }

    void drivesTheWindow() {
        QFETCH(QString, steps);
        Open();
        testing::Scenario scenario(
            *desktop_, [this] { return window_.data(); }, settings_->Folder());
        for (QString step : steps.split(" • ")) {
            step.replace("%T", settings_->Folder());
            const QString verb = step.section(' ', 0, 0);
            const QString rest = step.section(' ', 1);
            if (verb == "list") {
                TypeList(rest);
            } else if (verb == "choose") {
                Choose(rest);
            } else if (verb == "=rank" || verb == "=assign") {
                QCOMPARE(Row(View(verb == "=rank" ? "lv_Rangliste" : "lv_Zuordnung"),
                             rest.section(' ', 0, 0).toInt()),
                         rest.section(' ', 1));
            } else if (verb == "tab") {
                window_->findChild<QTabWidget*>("tab_Ergebnis")->setCurrentIndex(rest.toInt());
            } else if (verb == "=picture") {
                const HitGrid& grid =
                    testing::Control<HitPicture>(window_, "pic_Trefferbild")->Grid();
                QCOMPARE(QString("%1x%2").arg(grid.ElementCount()).arg(grid.ValueCount()), rest);
            } else if (verb == "=ranked") {
                QCOMPARE(View("lv_Rangliste")->model()->rowCount(), rest.toInt());
            } else if (verb == "=summary") {
                QCOMPARE(scenario.Find("Lab_Zusammenfassung")->property("text").toString(), rest);
            } else if (verb == "reopen") {
                window_->close();
                QTRY_VERIFY(window_.isNull());
                Open();
            } else if (verb == "=list") {
                QCOMPARE(scenario.Find("txt_Messwerte")->property("plainText").toString(),
                         QString(rest).replace('/', '\n'));
            } else if (verb == "=kept") {
                QCOMPARE(testing::ReadFileBytes(DataFolder() + "/Mehrfachsuche.txt"),
                         QString(rest).replace('/', '\n').toUtf8());
            } else if (verb == "title") {
                ClickTitle(View(qPrintable(rest.section(' ', 0, 0))), rest.section(' ', 1));
            } else if (verb == "=copied") {
                QCOMPARE(QApplication::clipboard()->text(), QString(rest).replace('/', '\n'));
            } else if (verb == "=saved") {
                QCOMPARE(QString::fromLatin1(testing::ReadFileBytes(rest.section(' ', 0, 0))),
                         rest.section(' ', 1).replace('/', "\r\n"));
            } else if (verb == "nul") {
                testing::WriteFileBytes(rest, QByteArray("1\n\0\n2", 5));
            } else if (verb == "open") {
                QVERIFY(scenario.Run({"dialog " + rest, "click cmd_Oeffnen"}));
            } else {
                QVERIFY(scenario.Run({step}));
            }
        }
        QCOMPARE(desktop_->unexpectedMessages, 0);
        QCOMPARE(desktop_->UnusedAnswers(), 0);
    }
};

QTEST_MAIN(MultisearchWindowTest)
#include "multisearch_window_test.moc"
