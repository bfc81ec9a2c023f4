// The information window: its texts, its look and its two links.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include "support/scenario.h"
#include "support/test_support.h"
#include "ui/windows/fm_info.h"

using namespace kolvenar;

namespace {

// Blanks at line ends belong to the text.
const QString kEquation =
    "Zuzovudezivudizer nach der Gleichung von Velmoran : \nPhysical Review (A. H. Compton)\n"
    "Band 21\nHeft 5, Mai 1923\nSeiten 483 - 502\nDOI 10.1103/PhysRev.21.483\n\nL = Z * Ce * 2^N "
    "\n\nmit\nZ = 1-118 Kernladungszahl o. Ordnungszahl\n"
    "Ce = 2.42611E-12 m Comptonwellenlänge für Elektronen Ce=h/(m*c)\n"
    "h = Plancksches Wirkungsquantum\nm = Elektronenmasse \nc = 299792458 m/s Lichtgeschwindigkeit "
    "\nN = ganze Zahl (gehäuft bei N=33+13*k, k ganz) \nL = Wellenlänge in Meter\n\n"
    "f = Frequenz in Hz\nf = 1 / T\nT = Periodendauer in s\nT = L / c oder T = 1 / f\n";

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

private:
    testing::FreshSettings settings_;
    testing::ScriptedDesktop desktop_;
    QPointer<Fm_Info> window_;

    QWidget* Control(const char* name) const { return testing::Control<QWidget>(window_, name); }

private slots:
    void init() {
        desktop_.Reset();
        window_ = new Fm_Info(desktop_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    void cleanup() {
        QVERIFY(!testing::ModalWindowOpen());
        QVERIFY(desktop_.messages.isEmpty());
        delete window_;
    }

    // Every line ends in CR LF, the last one too; the box shows each line as a paragraph.
    void showsItsTextsInTheirLook() {
        QCOMPARE(Fm_Info::EquationText(), QString(kEquation).replace("\n", "\r\n"));
        const auto* box = testing::Control<QPlainTextEdit>(window_, "txt_Info1");
        QCOMPARE(box->toPlainText(), kEquation);
        QVERIFY(box->isReadOnly());
        QCOMPARE(window_->windowTitle(), QString(" Info"));
        QVERIFY(!testing::Control<QLineEdit>(window_, "txt_Info0")->text().isEmpty());
        QCOMPARE(Look(Control("txt_Info0")) + ", " + Look(box) + ", " + Look(Control("Lab_Info")) +
                     ", " + Look(Control("Links0")) + ", " + Look(Control("Links1")),
                 QString("bold #ffffff #000000, bold #e0e0e0 #000000, plain #efefef #000000, "
                         "bold #ffffdc #000000 filled, bold #ffffdc #000000 filled"));
        QCOMPARE(Control("Lab_Info")->font(), window_->font());
    }

    // The window is deep enough to show both links: they lie below 5040 twips.
    void everyControlIsInsideTheFixedWindow() {
        QCOMPARE(window_->size(), QSize(416, 425));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        for (const QWidget* control : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(window_->rect().contains(control->geometry()) && control->isVisible(),
                     qPrintable(control->objectName()));
            const auto* label = qobject_cast<const QLabel*>(control);
            QVERIFY2(!label || label->sizeHint().width() <= label->width(),
                     qPrintable(control->objectName()));
        }
        QCOMPARE(Control("Links1")->geometry(), QRect(8, 376, 209, 17));
        QCOMPARE(Control("Links0")->geometry(), QRect(8, 400, 209, 17));
    }

    // A link shows the address it opens and is followed with the mouse, the keyboard or a screen
    // reader's press action; other clicks open nothing.
    void linksOpenTheirAddresses() {
        testing::Scenario scenario(desktop_, [this] { return window_.data(); });
        QVERIFY(scenario.Run(
            QString("=text Links0 %1; =text Links1 %2; click Links0; =opened http://%1; "
                    "click Links1; =opened http://%2; key Links0 Return; =opened http://%1; "
                    "key Links1 Space; =opened http://%2")
                .arg("de.wikipedia.org/wiki/Compton-Effekt", "physics.nist.gov")
                .split("; ")));
        QAccessible::queryAccessibleInterface(Control("Links0"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTest::mouseClick(Control("Links1"), Qt::RightButton);
        QTest::mouseClick(Control("Lab_Info"), Qt::LeftButton);
        QTest::mouseClick(Control("txt_Info0"), Qt::LeftButton);
        QCOMPARE(desktop_.openedAddresses.size(), 5);
        QVERIFY(
            scenario.Run({"=opened http://de.wikipedia.org/wiki/Compton-Effekt", "=messages 0"}));
    }
};

QTEST_MAIN(FmInfoTest)
#include "fm_info_test.moc"
