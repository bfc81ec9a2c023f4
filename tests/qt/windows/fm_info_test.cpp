// The information window: its texts, its look, its fixed size and its two links.
#include <QAccessible>
#include <QLabel>
#include <QScopeGuard>

#include "support/scenario.h"
#include "support/test_support.h"
#include "ui/windows/fm_info.h"

using namespace kolvenar;

namespace {

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

}  // namespace

class FmInfoTest : public QObject {
    Q_OBJECT

private slots:
    // Every line of the equation ends in CR LF, the last one too; the box shows each line as a
    // paragraph. The window is deep enough to show both links: they lie below 5040 twips. A
    // link shows the address it opens and is followed with the mouse, the keyboard or a screen
    // reader's press action; other clicks open nothing.
    void showsItsTextsAndFollowsItsLinks() {
        testing::FreshSettings settings;
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
        QVERIFY(control("txt_Info1")->property("readOnly").toBool());
        QCOMPARE(Look(control("txt_Info0")) + ", " + Look(control("txt_Info1")) + ", " +
                     Look(control("Lab_Info")) + ", " + Look(control("Links0")) + ", " +
                     Look(control("Links1")),
                 QString("bold #ffffff #000000, bold #e0e0e0 #000000, plain #efefef #000000, bold "
                         "#ffffdc #000000 filled, bold #ffffdc #000000 filled"));
        QCOMPARE(control("Lab_Info")->font(), window->font());
        QCOMPARE(window->size(), QSize(416, 425));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const auto* label = qobject_cast<const QLabel*>(child);
            QVERIFY2(window->rect().contains(child->geometry()) && child->isVisible() &&
                         (!label || label->sizeHint().width() <= label->width()),
                     qPrintable(child->objectName()));
        }
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
        QVERIFY(!testing::ModalWindowOpen());
    }
};

QTEST_MAIN(FmInfoTest)
#include "fm_info_test.moc"
