// The side windows on their own: the converter (frequency and wavelength, prefixes, its look,
// messages and settings), the evaluation window's demonstration plot, read from the kept images
// of its two areas, and the information window (its texts, look, fixed size and two links), and
// the desktop's opener behind such links.
#include <QAccessible>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <optional>

#include "support/scenario.h"
#include "support/test_support.h"
#include "ui/common/desktop_seam.h"
#include "ui/windows/fm_auswerten.h"
#include "ui/windows/fm_info.h"
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
    "=text uf Hz; =text uL m; =text pX; =text pR; =checked r 1; =XR 1|1\n"
    "1 µm in MHz, 1 km in kHz: save uf 4; save uL 0; type L 1; =fL 299792458|1; pick uf kHz Kilo "
    "e+3; check r 0; pick uL km Kilo e+3; type L 1; =fL 299.792458|1\n"
    "beyond the range: type L 1E-320; =fL Überlauf|9.99988867182683E-321; click r; =fL "
    "Überlauf|9.99988867182683E-321; pick uf GHz Giga e+9; =fL Überlauf|9.99988867182683E-321; "
    "pick uf µHz Mikro e-6; type L 1E-303; =fL Überlauf|1E-303\n"
    // c / f alone leaves the range; the result in km does not.
    "within the range in GHz and km: save uf 5; save uL 4; type f 1E-305; =fL "
    "1E-305|2.99792458E+301; type L 1E-305; =fL 2.99792458E+301|1E-305\n"
    // A value rounded to 0 is asked for again; from the rounding box only the other box is
    // emptied, not the source box too.
    "f rounded to 0, then the rounding box: answer OK; pick uf GHz Giga e+9; click r; =asks f; =fL "
    "0|\n"
    "prefixes: pick pX Kilo e+3; type X 1; =XR 1|1000; pick pX; pick pR Kilo e+3; =XR 1|.001; pick "
    "pX Mega e+6; type X 2,5; =XR 2|2000; pick pX Milli e-3; pick pR; type X -7; =XR -7|-.007; "
    "type X; =XR 0|?\n"
    "damaged settings give the defaults: save uf 6; save uL 6; save pX 15; save pR 70000; save r "
    "2; =text uf Hz; =text uL m; =text pX; =text pR; =checked r 1; =fL 1|299792458\n";

// The plot's colours: grid, axis, the three waves, their sum; anything else is "?".
const QHash<QRgb, QChar> kColours = {{qRgb(192, 192, 192), 'g'}, {qRgb(1, 1, 1), 'a'},
                                     {qRgb(0, 0, 128), '1'},     {qRgb(0, 128, 0), '2'},
                                     {qRgb(128, 0, 0), '3'},     {qRgb(128, 0, 128), 's'},
                                     {qRgb(255, 255, 255), ' '}};

// What lies along column "x<n>" or row "y<n>" of an image in the colours given: each run of one
// colour as "<colour>:<first>[-<last>]".
QString Along(const QImage& image, const QString& line, const QString& colours) {
    const int at = line.mid(1).toInt();
    const bool column = line.startsWith('x');
    QString pixels;
    for (int i = 0; i < (column ? image.height() : image.width()); ++i) {
        pixels += kColours.value(image.pixel(column ? at : i, column ? i : at) | 0xff000000u, '?');
    }
    QStringList runs;
    for (const auto& run : QRegularExpression("(.)\\1*").globalMatch(pixels)) {
        if (colours.contains(run.captured(1))) {
            runs << run.captured(1) + ":" + QString::number(run.capturedStart()) +
                        (run.capturedLength() > 1 ? "-" + QString::number(run.capturedEnd() - 1)
                                                  : "");
        }
    }
    return runs.join(' ');
}

// Blanks at line ends belong to the text.
const QString kEquation =
    "Zuzovudezivudizer nach der Gleichung von Velmoran : \nPhysical Review (A. H. Compton)\nBand "
    "21\nHeft 5, Mai 1923\nSeiten 483 - 502\nDOI 10.1103/PhysRev.21.483\n\nL = Z * Ce * 2^N "
    "\n\nmit\nZ = 1-118 Kernladungszahl o. Ordnungszahl\nCe = 2.42611E-12 m Comptonwellenlänge für "
    "Elektronen Ce=h/(m*c)\nh = Plancksches Wirkungsquantum\nm = Elektronenmasse \nc = 299792458 "
    "m/s Lichtgeschwindigkeit \nN = ganze Zahl (gehäuft bei N=33+13*k, k ganz) \nL = Wellenlänge "
    "in Meter\n\nf = Frequenz in Hz\nf = 1 / T\nT = Periodendauer in s\nT = L / c oder T = 1 / f\n";

// A control's font, background and text colours, and whether it fills its background.
QString Look(const QWidget* control) {
    const bool label = control->inherits("QLabel");
    const QPalette& colours = control->palette();
    return QString(control->font().bold() ? "bold " : "plain ") +
           colours.color(label ? QPalette::Window : QPalette::Base).name() + " " +
           colours.color(label ? QPalette::WindowText : QPalette::Text).name() +
           (control->autoFillBackground() ? " filled" : "");
}

// A window of the fixed size given, which asks the window manager for no maximise button:
// every control lies inside it and is shown, and every caption (a label or a check box) shows
// its whole text.
void ExpectFixedWithWholeCaptions(const QWidget* window, QSize size) {
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->windowFlags().testFlag(Qt::CustomizeWindowHint) &&
            !window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        const bool caption = child->inherits("QLabel") || child->inherits("QCheckBox");
        QVERIFY2((child->parentWidget() != window ||
                  (window->rect().contains(child->geometry()) && child->isVisible())) &&
                     (!caption || child->sizeHint().width() <= child->width()),
                 qPrintable(child->objectName()));
    }
}

}  // namespace

class SideWindowsTest : public QObject {
    Q_OBJECT

private:
    std::optional<testing::FreshSettings> settings_;  // a fresh one for every row
    QPointer<Fm_Auswerten> window_;  // the evaluation window, where a test opened it

    void OpenEvaluation() {
        window_ = new Fm_Auswerten();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    QWidget* Control(const char* name) const { return testing::Control<QWidget>(window_, name); }

    // Where the button and the two areas lie, and how large they are.
    QList<QRect> Layout() const {
        return {Control("cmd_Test")->geometry(), Control("pic_Plot0")->geometry(),
                Control("pic_Plot1")->geometry()};
    }

private slots:
    void init() { settings_.emplace(); }

    void cleanup() {
        QVERIFY(!testing::ModalWindowOpen());
        delete window_;
    }

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
                ExpectFixedWithWholeCaptions(window, QSize(words[1].toInt(), words[2].toInt()));
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
    }

    // "AREA LINE COLOURS | SEEN": what is seen along a column ("x<n>") or row ("y<n>") of an area
    // in the colours given (g grid, a axis, 1 2 3 the waves, s their sum, ? any other), as runs
    // "<colour>:<first>[-<last>]". 37.8 pixels are a centimetre; the axis is row 189.
    void testDrawsThePlot_data() {
        QTest::addColumn<QString>("probe");
        // Every half centimetre, the axis on top.
        QTest::newRow("grid rows and the axis right of the waves")
            << "0 x1100 ?ga123s | g:0 g:19 g:38 g:57 g:76 g:95 g:113 g:132 g:151 g:170 a:189 g:208 "
               "g:227 g:246 g:265 g:284 g:302 g:321 g:340 g:359 g:378";
        QTest::newRow("crest of wave 1") << "0 y170 1 | 1:103-133 1:575-606";
        QTest::newRow("sum right of the figure") << "1 y50 ?s | s:76-77 s:292-293 s:360";
    }

    void testDrawsThePlot() {
        QFETCH(QString, probe);
        OpenEvaluation();
        const QStringList where = probe.section(" | ", 0, 0).split(' ');
        QTest::mouseClick(Control("cmd_Test"), Qt::LeftButton);
        QCOMPARE(Along(window_->PlotImage(where[0].toInt()), where[1], where.value(2)),
                 probe.section(" | ", 1));
    }

    // Before the first test the areas are empty and white; "Test" grows them and stacks them
    // under the button. With pi the first three angles below would give 0: 22/7 is 0.00126
    // larger than pi, so a wave does not quite come back to the axis after a full turn.
    void opensEmptyAndStacksTheGrownAreasUnderTheButton() {
        OpenEvaluation();
        QCOMPARE(window_->windowTitle(), QString(" Auswerten"));
        QCOMPARE(Layout(), QList<QRect>({{8, 8, 81, 25}, {8, 40, 441, 161}, {8, 208, 441, 161}}));
        QImage white(441, 161, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(window_->PlotImage(0), white);
        QCOMPARE(window_->PlotImage(1), white);
        QCOMPARE(Fm_Auswerten::SinDeg(180), -0.00126448893037729);
        QCOMPARE(Fm_Auswerten::SinDeg(360), 0.002528975838921635);
        QCOMPARE(Fm_Auswerten::CosDeg(90), -0.000632244591553242);
        QCOMPARE(Fm_Auswerten::WaveHeight(2, 90), -1.9999996002667364);
        QCOMPARE(Fm_Auswerten::WaveAt(12.5041, 12.5041, 30, 1), -0.0012644879194608175);
        // 96 dots per inch: 37.8 pixels to the centimetre.
        QCOMPARE(window_->CmToPixelX(1), 37.8f);
        QCOMPARE(window_->CmToPixelY(10), 378.0f);
        QTest::mouseClick(Control("cmd_Test"), Qt::LeftButton);
        const QList<QRect> stacked = {{8, 8, 81, 25}, {8, 7, 1135, 379}, {8, 393, 1135, 379}};
        // 105 twips (7 pixels) above and between the areas, each 30 x 10 cm and one pixel; the
        // window's size does not move them.
        QCOMPARE(window_->PlotIndex(), 1);
        for (const QSize size : {window_->size(), QSize(1300, 900), QSize(200, 150)}) {
            window_->resize(size);
            QCOMPARE(Layout(), stacked);
        }
        for (int i = 0; i < 2; ++i) {
            const QImage shown = Control(i ? "pic_Plot1" : "pic_Plot0")->grab().toImage();
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), window_->PlotImage(i));
        }
        // Clicked where the user sees the button: whatever lies on top there gets the click.
        window_->SetPlotIndex(0);
        window_->PlotPoint(29.2, 9.75, QColor(255, 0, 0));
        QCOMPARE(Along(window_->PlotImage(0), "y369", "?"), QString("?:1104"));
        const QPoint centre = Control("cmd_Test")->geometry().center();
        QWidget* onTop = window_->childAt(centre);
        QCOMPARE(onTop, Control("cmd_Test"));
        QTest::mouseClick(onTop, Qt::LeftButton, {}, onTop->mapFrom(window_, centre));
        QCOMPARE(Along(window_->PlotImage(0), "y369", "?"), QString());
        // No area grows beyond 16384 pixels, whatever it is asked for.
        window_->DrawGrid(1000, 1);
        QCOMPARE(window_->PlotImage(window_->PlotIndex()).width(), 16384);
    }

    // Every line of the equation ends in CR LF, the last one too; the box shows each line as a
    // paragraph. The window is deep enough to show both links: they lie below 5040 twips. A
    // link shows the address it opens and is followed with the mouse, the keyboard or a screen
    // reader's press action; other clicks open nothing.
    void showsItsTextsAndFollowsItsLinks() {
        testing::ScriptedDesktop desktop;
        QPointer<Fm_Info> window = new Fm_Info(desktop);
        const auto drop = qScopeGuard([&window] { delete window; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        testing::Scenario scenario(desktop, [&window] { return window.data(); });
        const auto control = [&scenario](const char* name) {
            return scenario.Find(name);
        };
        QCOMPARE(Fm_Info::EquationText(), QString(kEquation).replace("\n", "\r\n"));
        QVERIFY(scenario.Run({"=text txt_Info1 " + kEquation}));
        QVERIFY(control("txt_Info0")->property("readOnly").toBool() &&
                control("txt_Info1")->property("readOnly").toBool());
        QCOMPARE(Look(control("txt_Info0")) + ", " + Look(control("txt_Info1")) + ", " +
                     Look(control("Lab_Info")) + ", " + Look(control("Links0")) + ", " +
                     Look(control("Links1")),
                 QString("bold #ffffff #000000, bold #e0e0e0 #000000, plain #efefef #000000, bold "
                         "#ffffdc #000000 filled, bold #ffffdc #000000 filled"));
        QCOMPARE(control("Lab_Info")->font(), window->font());
        ExpectFixedWithWholeCaptions(window, QSize(416, 425));
        QCOMPARE(control("Links1")->geometry(), QRect(8, 376, 209, 17));
        QCOMPARE(control("Links0")->geometry(), QRect(8, 400, 209, 17));
        QVERIFY(scenario.Run(
            QString("=text Fm_Info  Info; =text txt_Info0 Die Gleichung des Zuzovudezivudizers und "
                    "ihre Größen; =text Links0 %1; =text Links1 %2; click Links0; =opened "
                    "http://%1; click Links1; =opened http://%2; key Links0 Return; =opened "
                    "http://%1; key Links1 Space; =opened http://%2")
                .arg("de.wikipedia.org/wiki/Compton-Effekt", "physics.nist.gov")
                .split("; ")));
        QAccessible::queryAccessibleInterface(control("Links0"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTest::mouseClick(control("Links1"), Qt::RightButton);
        QTest::mouseClick(control("Lab_Info"), Qt::LeftButton);
        QTest::mouseClick(control("txt_Info0"), Qt::LeftButton);
        QCOMPARE(desktop.openedAddresses.size(), 5);
        QVERIFY(
            scenario.Run({"=opened http://de.wikipedia.org/wiki/Compton-Effekt", "=messages 0"}));
    }

    // The desktop's opener is watched: an exit status other than 0, or its end by a signal,
    // means it opened nothing (F1 then shows the guide's own window).
    void openerExitStatus() {
        QTemporaryDir files;
        QStringList refused;
        QObject context;
        const QUrl guide = QUrl::fromLocalFile("/usr/share/doc/kolvenar/Anleitung.html");
        for (const QString ends : {"exit 0", "exit 3", "kill -9 $$"}) {
            const QString opener = files.filePath(ends.section(' ', 1));
            testing::WriteFileBytes(opener,
                                    "#!/bin/sh\necho \"$1\" > \"$0.given\"\n" + ends.toUtf8());
            QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QVERIFY(QtDesktop(opener).OpenAddress(guide, &context, [&, ends] { refused << ends; }));
        }
        QTRY_COMPARE(refused.size(), 2);
        refused.sort();
        QCOMPARE(refused, QStringList({"exit 3", "kill -9 $$"}));
        QCOMPARE(testing::ReadFileBytes(files.filePath("0.given")), guide.path().toUtf8() + "\n");
    }
};

QTEST_MAIN(SideWindowsTest)
#include "side_windows_test.moc"
