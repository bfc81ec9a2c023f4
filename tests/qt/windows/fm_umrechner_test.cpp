// The converter window: frequency and wavelength, decimal prefixes, its messages and settings.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

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
const QString kAboutL = "=message  Meldung|Bitte bei L einen Wert <> 0 eingeben !";
const QString kAboutF = "=message  Meldung|Bitte bei f einen Wert <> 0 eingeben !";

QString Text(QWidget* window, const QString& name) {
    QWidget* control = testing::Control<QWidget>(window, kNames.value(name));
    const auto* box = qobject_cast<QLineEdit*>(control);
    return box ? box->text() : qobject_cast<QLabel*>(control)->text();
}

}  // namespace

class FmUmrechnerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::FreshSettings> settings_;
    testing::ScriptedDesktop desktop_;
    QPointer<Fm_Umrechner> window_;

private slots:
    void init() {
        settings_ = std::make_unique<testing::FreshSettings>();
        desktop_.Reset();
    }

    void cleanup() {
        const int unexpected = desktop_.unexpectedMessages;
        const bool modal = testing::ModalWindowOpen();
        delete window_;
        settings_.reset();
        QCOMPARE(unexpected, 0);
        QCOMPARE(desktop_.UnusedAnswers(), 0);
        QVERIFY(!modal);
    }

    void captionsAreWholeAndBoxesExplainEnter() {
        window_ = new Fm_Umrechner(desktop_);
        window_->show();
        QCOMPARE(window_->size(), QSize(312, 165));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        for (const QWidget* caption : window_->findChildren<QWidget*>()) {
            if (qobject_cast<const QLabel*>(caption) || qobject_cast<const QCheckBox*>(caption)) {
                QVERIFY2(caption->sizeHint().width() <= caption->width(),
                         qPrintable(caption->objectName()));
            }
        }
        QCOMPARE(testing::Control<QCheckBox>(window_, "chk_Runden")->toolTip(),
                 QString("(auf 4 Stellen nach dem Komma)"));
        for (const char* name : {"txt_Wert0", "txt_Wert1", "txt_WertX"}) {
            QCOMPARE(testing::Control<QLineEdit>(window_, name)->toolTip(),
                     QString("Wert eingeben und Enter drücken"));
        }
    }

    // Scenario steps with the short names above; "save NAME VALUE" stores a setting before the
    // window opens, "=fL F|L" are the value boxes, "=XR X|R" the prefix box and its result.
    void converts_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("first opening shows 1 Hz") << QString(
            "=text Fm_Umrechner  Umrechner; =fL 1|299792458; =text uf Hz; =text uL m; "
            "=text pX; =text pR; =checked r 1; =XR 1|1");
        // Nothing was confirmed yet: the rounding box recomputes from f.
        QTest::newRow("1 MHz, unrounded, then rounded")
            << QString("save uf 4; save r 0; =fL 1|299.792458; click r; =fL 1|299.7925");
        QTest::newRow("1 µm in MHz, 1 km in kHz") << QString(
            "save uf 4; save uL 0; type L 1; =fL 299792458|1; pick uf kHz Kilo e+3; "
            "check r 0; pick uL km Kilo e+3; type L 1; =fL 299.792458|1");
        // A number is shown from its start: what is typed next comes before it.
        QTest::newRow("1 GHz in cm")
            << QString("save uf 5; save uL 2; type f 1; =fL 1|29.9792; keys L 7; =fL |729.9792");
        QTest::newRow("how numbers are read") << QString(
            "type f 2,5; =fL 2|149896229; type f  2.5 E3; =fL 2500|119916.9832; "
            "type f -1; =fL -1|-299792458");
        QTest::newRow("beyond the range") << QString(
            "type L 1E-320; =fL Überlauf|9.99988867182683E-321; click r; "
            "=fL Überlauf|9.99988867182683E-321; pick uf GHz Giga e+9; "
            "=fL Überlauf|9.99988867182683E-321; pick uf µHz Mikro e-6; "
            "type L 1E-303; =fL Überlauf|1E-303");
        // c / f alone leaves the range; the result in km does not.
        QTest::newRow("within the range in GHz and km") << QString(
            "save uf 5; save uL 4; type f 1E-305; =fL 1E-305|2.99792458E+301; "
            "type L 1E-305; =fL 2.99792458E+301|1E-305");
        QTest::newRow("typing empties the other box until Enter") << QString(
            "keys f 5; =fL 51|; key f Return; =fL 51|5878283.4902; keys L 3; =fL |"
            "35878283.4902; type L 3; click r; =fL 99930819.3333333|3; click r; "
            "=fL 99930819.3333|3");
        QTest::newRow("a unit recomputes the other box") << QString(
            "pick uL km Kilo e+3; =fL 1|299792.458; pick uf kHz Kilo e+3; "
            "=fL .001|299792.458");
        QTest::newRow("zero L") << QString("answer OK; type L 0; %1; =fL |0").arg(kAboutL);
        QTest::newRow("unreadable f")
            << QString("answer OK; type f abc; %1; =fL abc|").arg(kAboutF);
        QTest::newRow("new f, then another f unit")
            << QString("answer OK; keys f 5; pick uf MHz Mega e+6; %1; =fL |").arg(kAboutL);
        QTest::newRow("new L, then another L unit")
            << QString("answer OK; keys L 5; pick uL µm Mikro e-6; %1; =fL |").arg(kAboutF);
        // Emptying the other box empties the source box as well, before the message.
        QTest::newRow("f rounded to 0, then an L unit")
            << QString(
                   "answer OK; pick uf GHz Giga e+9; =fL 0|299792458; pick uL km Kilo e+3; %1; =fL "
                   "|")
                   .arg(kAboutF);
        QTest::newRow("L rounded to 0, then an f unit")
            << QString("answer OK; type f 1E20; =fL 1E+20|0; pick uf kHz Kilo e+3; %1; =fL |")
                   .arg(kAboutL);
        // From the rounding box the emptying is suppressed: only the other box is emptied.
        QTest::newRow("f rounded to 0, then the rounding box")
            << QString("answer OK; pick uf GHz Giga e+9; click r; %1; =fL 0|").arg(kAboutF);
        QTest::newRow("overflow confirmed with Enter")
            << QString("answer OK; type L 1E-320; key f Return; %1; =fL |").arg(kAboutF);
        QTest::newRow("prefixes") << QString(
            "pick pX Kilo e+3; type X 1; =XR 1|1000; pick pX; pick pR Kilo e+3; "
            "=XR 1|.001; pick pX Mega e+6; type X 2,5; =XR 2|2000; pick pX Milli e-3; "
            "pick pR; type X -7; =XR -7|-.007; type X; =XR 0|?");
        QTest::newRow("prefixes at the ends") << QString(
            "pick pX Atto e-18; =XR 1|1E-18; pick pR Deka e+1; =XR 1|?; "
            "pick pR Tera e+12; =XR 1|?; pick pX Tera e+12; pick pR Atto e-18; "
            "type X 1E300; =XR 1E+300|Überlauf; pick pR Giga e+9; =XR 1E+300|1E+303");
        QTest::newRow("editing X empties the result until a prefix is picked")
            << QString("keys X 2; =XR 21|; pick pR Kilo e+3; =XR 21|.021");
        QTest::newRow("damaged settings give the defaults") << QString(
            "save uf 6; save uL 5; save pX 15; save pR 70000; save r 2; =text uf Hz; "
            "=text uL m; =text pX; =text pR; =checked r 1; =fL 1|299792458");
        QTest::newRow("unreadable settings give the defaults") << QString(
            "save uf -1; save uL abc; save pX 1.5; save r ja; =text uf Hz; =text uL m; "
            "=text pX; =checked r 1");
        QTest::newRow("settings at the ends of the lists") << QString(
            "save uf 5; save uL 4; save pX 0; save pR 14; save r 0; "
            "=text uf GHz Giga e+9; =text uL km Kilo e+3; =text pX Atto e-18; "
            "=text pR Tera e+12; =checked r 0; =fL 1|.000299792458");
    }

    void converts() {
        QFETCH(QString, steps);
        testing::Scenario scenario(desktop_, [this] { return window_.data(); });
        for (const QString& step : steps.split("; ")) {
            QStringList words = step.split(' ');
            words[1] = kNames.value(words.value(1), words.value(1));
            if (words[0] == "save") {
                words[0] = "store Fm_Umrechner";
            } else if (!window_) {
                window_ = new Fm_Umrechner(desktop_);
                window_->show();
            }
            if (words[0] == "=fL" || words[0] == "=XR") {
                QCOMPARE(Text(window_, step.mid(1, 1)) + "|" + Text(window_, step.mid(2, 1)),
                         step.mid(4));
            } else {
                QVERIFY(scenario.Run({words.join(' ')}));
            }
        }
        for (const testing::ShownMessage& message : desktop_.messages) {
            QVERIFY(message.icon == MessageIcon::Information &&
                    message.buttons == MessageButtons::Ok);
        }
    }
};

QTEST_MAIN(FmUmrechnerTest)
#include "fm_umrechner_test.moc"
