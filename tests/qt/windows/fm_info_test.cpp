// The information window: its texts, its two links and its place.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include <memory>

#include "settings/settings_store.h"
#include "support/scripted_desktop.h"
#include "support/test_support.h"
#include "ui/windows/fm_info.h"

using namespace kolvenar;

namespace {

// Every line ends in CR LF, the last one too; blanks at line ends belong to the text.
const char kEquation[] =
    "Zuzovudezivudizer nach der Gleichung von Velmoran : \r\n"
    "Physical Review (A. H. Compton)\r\n"
    "Band 21\r\n"
    "Heft 5, Mai 1923\r\n"
    "Seiten 483 - 502\r\n"
    "DOI 10.1103/PhysRev.21.483\r\n"
    "\r\n"
    "L = Z * Ce * 2^N \r\n"
    "\r\n"
    "mit\r\n"
    "Z = 1-118 Kernladungszahl o. Ordnungszahl\r\n"
    "Ce = 2.42611E-12 m Comptonwellenl\xc3\xa4nge f\xc3\xbcr Elektronen Ce=h/(m*c)\r\n"
    "h = Plancksches Wirkungsquantum\r\n"
    "m = Elektronenmasse \r\n"
    "c = 299792458 m/s Lichtgeschwindigkeit \r\n"
    "N = ganze Zahl (geh\xc3\xa4uft bei N=33+13*k, k ganz) \r\n"
    "L = Wellenl\xc3\xa4nge in Meter\r\n"
    "\r\n"
    "f = Frequenz in Hz\r\n"
    "f = 1 / T\r\n"
    "T = Periodendauer in s\r\n"
    "T = L / c oder T = 1 / f\r\n";

}  // namespace

class FmInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::FreshSettings> settings_;
    testing::ScriptedDesktop desktop_;
    QPointer<Fm_Info> window_;

    void Open() {
        window_ = new Fm_Info(desktop_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    QLabel* Label(const QString& name) const { return testing::Control<QLabel>(window_, name); }

private slots:
    void init() {
        settings_ = std::make_unique<testing::FreshSettings>();
        desktop_.Reset();
    }

    void cleanup() {
        const int unexpected = desktop_.unexpectedMessages;
        const bool modal = testing::ModalWindowOpen();
        if (window_) {
            window_->close();
        }
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        settings_.reset();
        QCOMPARE(unexpected, 0);
        QVERIFY(!modal);
        QVERIFY(desktop_.messages.isEmpty());
    }

    void equationTextIsExact() {
        QCOMPARE(Fm_Info::EquationText().toUtf8(), QByteArray(kEquation));
        Open();
        // The box shows each line on its own; it keeps line ends as paragraphs.
        const auto* box = testing::Control<QPlainTextEdit>(window_, "txt_Info1");
        QCOMPARE(box->toPlainText(), QString::fromUtf8(kEquation).replace("\r\n", "\n"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 0, 0));
        QVERIFY(box->font().bold());
    }

    void windowShowsItsCaptionsAndColours() {
        Open();
        QCOMPARE(window_->windowTitle(), QString(" Info"));
        const auto* heading = testing::Control<QLineEdit>(window_, "txt_Info0");
        QVERIFY(!heading->text().isEmpty());
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(heading->palette().color(QPalette::Text), QColor(0, 0, 0));
        QVERIFY(!Label("Lab_Info")->font().bold());
        QCOMPARE(Label("Lab_Info")->font(), window_->font());
        for (const char* name : {"Links0", "Links1"}) {
            const QLabel* link = Label(name);
            QVERIFY(link->font().bold());
            QVERIFY(link->autoFillBackground());
            QCOMPARE(link->palette().color(QPalette::Window),
                     QPalette().color(QPalette::ToolTipBase));
            QCOMPARE(link->palette().color(QPalette::WindowText),
                     QPalette().color(QPalette::ToolTipText));
        }
    }

    // The window is deep enough to show both links: they lie below 5040 twips.
    void everyControlIsInsideTheFixedWindow() {
        Open();
        QCOMPARE(window_->size(), QSize(416, 425));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        for (const QWidget* control : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(window_->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            QVERIFY(control->isVisible());
        }
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
        QCOMPARE(Label("Links1")->geometry(), QRect(8, 376, 209, 17));
        QCOMPARE(Label("Links0")->geometry(), QRect(8, 400, 209, 17));
    }

    // A link is followed with the mouse, the keyboard, or a screen reader's press action.
    void linkOpensHttpAndItsCaption_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("address");
        const QString page = "http://de.wikipedia.org/wiki/Compton-Effekt";
        const QString host = "http://physics.nist.gov";
        QTest::newRow("page, click") << "Links0"
                                     << "click" << page;
        QTest::newRow("host, click") << "Links1"
                                     << "click" << host;
        QTest::newRow("page, Enter") << "Links0"
                                     << "Enter" << page;
        QTest::newRow("host, Space") << "Links1"
                                     << "Space" << host;
        QTest::newRow("page, screen reader") << "Links0"
                                             << "press" << page;
    }

    void linkOpensHttpAndItsCaption() {
        QFETCH(QString, link);
        QFETCH(QString, way);
        QFETCH(QString, address);
        Open();
        QLabel* label = Label(link);
        QCOMPARE(QStringLiteral("http://") + label->text(), address);
        if (way == "click") {
            QTest::mouseClick(label, Qt::LeftButton);
        } else if (way == "press") {
            QAccessible::queryAccessibleInterface(label)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        } else {
            label->setFocus(Qt::TabFocusReason);
            QTest::keyClick(label, way == "Enter" ? Qt::Key_Return : Qt::Key_Space);
        }
        QCOMPARE(desktop_.openedAddresses.size(), 1);
        QCOMPARE(desktop_.openedAddresses.first().toString(), address);
        QVERIFY(window_->isVisible());
    }

    void otherClicksOpenNothing() {
        Open();
        QTest::mouseClick(Label("Links0"), Qt::RightButton);
        QTest::mouseClick(Label("Lab_Info"), Qt::LeftButton);
        QTest::mouseClick(testing::Control<QWidget>(window_, "txt_Info0"), Qt::LeftButton);
        QVERIFY(desktop_.openedAddresses.isEmpty());
    }

    void escapeClosesAndItReopensAtItsPlace() {
        Open();
        window_->move(150, 75);
        QTest::keyClick(testing::Control<QWidget>(window_, "txt_Info1"), Qt::Key_Escape);
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        {
            const SettingsStore store;
            QCOMPARE(store.Read("Fm_Info", "L", ""), QString("2250"));
            QCOMPARE(store.Read("Fm_Info", "T", ""), QString("1125"));
        }
        Open();
        QCOMPARE(window_->pos(), QPoint(150, 75));
        QCOMPARE(window_->size(), QSize(416, 425));
    }
};

QTEST_MAIN(FmInfoTest)
#include "fm_info_test.moc"
