// The converter window: frequency and wavelength, prefixes, its look, messages and settings.
#include <QPointer>
#include <QScopeGuard>

#include "support/scenario.h"
#include "support/test_support.h"
#include "ui/windows/fm_umrechner.h"

using namespace kolvenar;

namespace {

// Short names for the controls in the steps below.
const QHash<QString, QString> kNames = {
    {"f", "txt_Wert0"},    {"L", "txt_Wert1"},     {"uf", "Cb_Einheit0"},
    {"uL", "Cb_Einheit1"}, {"X", "txt_WertX"},     {"R", "Lab_WertXGleich"},
    {"r", "chk_Runden"},   {"pX", "Cb_EinheitX0"}, {"pR", "Cb_EinheitX1"}};

// One row a line, "NAME: STEPS"; the steps use the short names above.
const QString kRows =
    "first opening shows 1 Hz: =fixed 312 165; =tip r (auf 4 Stellen nach dem Komma); =tip f|L|X "
    "Wert eingeben und Enter drücken; =bold f|L|X; =text Fm_Umrechner  Umrechner; =fL 1|299792458; "
    "=text uf "
    "Hz; =text uL m; =text pX; =text pR; =checked r 1; =XR 1|1\n"
    // Nothing was confirmed yet: the rounding box recomputes from f.
    "1 MHz, unrounded, then rounded: save uf 4; save r 0; =fL 1|299.792458; click r; =fL "
    "1|299.7925\n"
    "1 µm in MHz, 1 km in kHz: save uf 4; save uL 0; type L 1; =fL 299792458|1; pick uf kHz Kilo "
    "e+3; check r 0; pick uL km Kilo e+3; type L 1; =fL 299.792458|1\n"
    // A number is shown from its start: what is typed next comes before it.
    "1 GHz in cm: save uf 5; save uL 2; type f 1; =fL 1|29.9792; keys L 7; =fL |729.9792\n"
    "how numbers are read: type f 2,5; =fL 2|149896229; type f  2.5 E3; =fL 2500|119916.9832; type "
    "f -1; =fL -1|-299792458\n"
    "beyond the range: type L 1E-320; =fL Überlauf|9.99988867182683E-321; click r; =fL "
    "Überlauf|9.99988867182683E-321; pick uf GHz Giga e+9; =fL Überlauf|9.99988867182683E-321; "
    "pick uf µHz Mikro e-6; type L 1E-303; =fL Überlauf|1E-303\n"
    // c / f alone leaves the range; the result in km does not.
    "within the range in GHz and km: save uf 5; save uL 4; type f 1E-305; =fL "
    "1E-305|2.99792458E+301; type L 1E-305; =fL 2.99792458E+301|1E-305\n"
    "typing empties the other box until Enter: keys f 5; =fL 51|; key f Return; =fL "
    "51|5878283.4902; keys L 3; =fL |35878283.4902; type L 3; click r; =fL 99930819.3333333|3; "
    "click r; =fL 99930819.3333|3\n"
    "a unit recomputes the other box: pick uL km Kilo e+3; =fL 1|299792.458; pick uf kHz Kilo e+3; "
    "=fL .001|299792.458\n"
    "zero L: answer OK; type L 0; =asks L; =fL |0\n"
    "unreadable f: answer OK; type f abc; =asks f; =fL abc|\n"
    "new f, then another f unit: answer OK; keys f 5; pick uf MHz Mega e+6; =asks L; =fL |\n"
    "new L, then another L unit: answer OK; keys L 5; pick uL µm Mikro e-6; =asks f; =fL |\n"
    // Emptying the other box empties the source box as well, before the message.
    "f rounded to 0, then an L unit: answer OK; pick uf GHz Giga e+9; =fL 0|299792458; pick uL km "
    "Kilo e+3; =asks f; =fL |\n"
    "L rounded to 0, then an f unit: answer OK; type f 1E20; =fL 1E+20|0; pick uf kHz Kilo e+3; "
    "=asks L; =fL |\n"
    // From the rounding box the emptying is suppressed: only the other box is emptied.
    "f rounded to 0, then the rounding box: answer OK; pick uf GHz Giga e+9; click r; =asks f; =fL "
    "0|\n"
    "overflow confirmed with Enter: answer OK; type L 1E-320; key f Return; =asks f; =fL |\n"
    "prefixes: pick pX Kilo e+3; type X 1; =XR 1|1000; pick pX; pick pR Kilo e+3; =XR 1|.001; pick "
    "pX Mega e+6; type X 2,5; =XR 2|2000; pick pX Milli e-3; pick pR; type X -7; =XR -7|-.007; "
    "type X; =XR 0|?\n"
    "prefixes at the ends: pick pX Atto e-18; =XR 1|1E-18; pick pR Deka e+1; =XR 1|?; pick pR Tera "
    "e+12; =XR 1|?; pick pX Tera e+12; pick pR Atto e-18; type X 1E300; =XR 1E+300|Überlauf; pick "
    "pR Giga e+9; =XR 1E+300|1E+303\n"
    "editing X empties the result until a prefix is picked: keys X 2; =XR 21|; pick pR Kilo e+3; "
    "=XR 21|.021\n"
    "damaged settings give the defaults: save uf 6; save uL 5; save pX 15; save pR 70000; save r "
    "2; =text uf Hz; =text uL m; =text pX; =text pR; =checked r 1; =fL 1|299792458\n"
    "unreadable settings give the defaults: save uf -1; save uL abc; save pX 1.5; save r ja; =text "
    "uf Hz; =text uL m; =text pX; =checked r 1\n"
    "settings at the ends of the lists: save uf 5; save uL 4; save pX 0; save pR 14; save r 0; "
    "=text uf GHz Giga e+9; =text uL km Kilo e+3; =text pX Atto e-18; =text pR Tera e+12; =checked "
    "r 0; =fL 1|.000299792458\n";

}  // namespace

class FmUmrechnerTest : public QObject {
    Q_OBJECT

private slots:
    // Scenario steps with the short names above; "save NAME VALUE" stores a setting before the
    // window opens, "=fL F|L" are the value boxes, "=XR X|R" the prefix box and its result,
    // "=asks f|L" the message asking for a value there, "=tip A|B TEXT" the tool tips, "=bold A|B"
    // boxes in bold type and "=fixed W H" a window of that fixed size whose captions show whole.
    void converts_data() {
        QTest::addColumn<QString>("steps");
        for (const QString& row : kRows.split('\n', Qt::SkipEmptyParts)) {
            QTest::newRow(qPrintable(row.section(": ", 0, 0))) << row.section(": ", 1);
        }
    }

    void converts() {
        QFETCH(QString, steps);
        testing::FreshSettings settings;
        testing::ScriptedDesktop desktop;
        QPointer<Fm_Umrechner> window;
        const auto drop = qScopeGuard([&window] { delete window; });
        testing::Scenario scenario(desktop, [&window] { return window.data(); });
        const auto text = [&scenario](QChar name) {
            return scenario.Find(kNames.value(name))->property("text").toString();
        };
        for (const QString& step : steps.split("; ")) {
            QStringList words = step.split(' ');
            words[1] = kNames.value(words.value(1), words.value(1));
            if (words[0] == "save") {
                words[0] = "store Fm_Umrechner";
            } else if (!window) {
                window = new Fm_Umrechner(desktop);
                window->show();
            }
            if (words[0] == "=fL" || words[0] == "=XR") {
                QCOMPARE(text(step[1]) + "|" + text(step[2]), step.mid(4));
            } else if (words[0] == "=asks") {
                QVERIFY(scenario.Run({"=message  Meldung|Bitte bei " + step.mid(6) +
                                      " einen Wert <> 0 eingeben !"}));
            } else if (words[0] == "=tip") {
                for (const QString& name : step.section(' ', 1, 1).split('|')) {
                    QCOMPARE(scenario.Find(kNames.value(name))->toolTip(), step.section(' ', 2));
                }
            } else if (words[0] == "=bold") {
                for (const QString& name : words[1].split('|')) {
                    QVERIFY(scenario.Find(kNames.value(name))->font().bold());
                }
            } else if (words[0] == "=fixed") {
                QCOMPARE(window->size(), QSize(words[1].toInt(), words[2].toInt()));
                QCOMPARE(window->minimumSize(), window->maximumSize());
                for (const QWidget* caption : window->findChildren<QWidget*>()) {
                    QVERIFY2(!(caption->inherits("QLabel") || caption->inherits("QCheckBox")) ||
                                 caption->sizeHint().width() <= caption->width(),
                             qPrintable(caption->objectName()));
                }
            } else {
                QVERIFY(scenario.Run({words.join(' ')}));
            }
        }
        for (const testing::ShownMessage& message : desktop.messages) {
            QVERIFY(message.icon == MessageIcon::Information &&
                    message.buttons == MessageButtons::Ok);
        }
        QCOMPARE(desktop.unexpectedMessages, 0);
        QCOMPARE(desktop.UnusedAnswers(), 0);
        QVERIFY(!testing::ModalWindowOpen());
    }
};

QTEST_MAIN(FmUmrechnerTest)
#include "fm_umrechner_test.moc"
