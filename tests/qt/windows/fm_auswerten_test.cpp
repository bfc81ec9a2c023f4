// The evaluation window: the demonstration plot, read from the kept images of its two areas.
#include <QPointer>
#include <QRegularExpression>

#include "support/test_support.h"
#include "ui/windows/fm_auswerten.h"

using namespace kolvenar;

namespace {

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

}  // namespace

class FmAuswertenTest : public QObject {
    Q_OBJECT

private:
    testing::FreshSettings settings_;
    QPointer<Fm_Auswerten> window_;

    QWidget* Control(const char* name) const { return testing::Control<QWidget>(window_, name); }

    // Where the button and the two areas lie, and how large they are.
    QList<QRect> Layout() const {
        return {Control("cmd_Test")->geometry(), Control("pic_Plot0")->geometry(),
                Control("pic_Plot1")->geometry()};
    }

private slots:
    void init() {
        window_ = new Fm_Auswerten();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    void cleanup() {
        QVERIFY(!testing::ModalWindowOpen());
        delete window_;
    }

    // "AREA LINE COLOURS | SEEN": what is seen along a column ("x<n>") or row ("y<n>") of an area
    // in the colours given (g grid, a axis, 1 2 3 the waves, s their sum, ? any other), as runs
    // "<colour>:<first>[-<last>]". 37.8 pixels are a centimetre; the axis is row 189.
    void testDrawsThePlot_data() {
        QTest::addColumn<QString>("probe");
        // Every half centimetre, the axis on top.
        const QString gridRows =
            " | g:0 g:19 g:38 g:57 g:76 g:95 g:113 g:132 g:151 g:170 a:189 g:208 g:227 g:246 g:265 "
            "g:284 g:302 g:321 g:340 g:359 g:378";
        QTest::newRow("grid rows and the axis right of the waves") << "0 x1100 ?ga123s" + gridRows;
        QTest::newRow("grid rows and the axis right of the sum") << "1 x1100 ?ga123s" + gridRows;
        QTest::newRow("grid columns above the waves")
            << "0 y10 ?ga123s | g:0 g:19 g:38 g:57 g:76 g:95 g:113 g:132 g:151 g:170 g:189 g:208 "
               "g:227 g:246 g:265 g:284 g:302 g:321 g:340 g:359 g:378 g:397 g:416 g:435 g:454 "
               "g:473 g:491 g:510 g:529 g:548 g:567 g:586 g:605 g:624 g:643 g:662 g:680 g:699 "
               "g:718 g:737 g:756 g:775 g:794 g:813 g:832 g:851 g:869 g:888 g:907 g:926 g:945 "
               "g:964 g:983 g:1002 g:1021 g:1040 g:1058 g:1077 g:1096 g:1115 g:1134";
        QTest::newRow("last grid column under the axis")
            << "0 x1134 ?ga123s | g:0-188 a:189 g:190-378";
        QTest::newRow("waves start on the axis") << "0 x0 ?ga123s | g:0-188 3:189 g:190-378";
        QTest::newRow("sum starts on the axis") << "1 x0 ?ga123s | g:0-188 s:189 g:190-378";
        QTest::newRow("waves rise first") << "0 x100 ?123 | 3:164 2:166 1:171";
        QTest::newRow("crest of wave 1") << "0 y170 1 | 1:103-133 1:575-606";
        QTest::newRow("above wave 1") << "0 y169 1 | ";
        QTest::newRow("crest of wave 2") << "0 y151 2 | 2:217-255";
        QTest::newRow("above wave 2") << "0 y150 2 | ";
        QTest::newRow("crest of wave 3") << "0 y113 3 | 3:457-488";
        QTest::newRow("above wave 3") << "0 y112 3 | ";
        QTest::newRow("wave 3 on the axis") << "0 y189 3 | 3:0-2 3:943-945";
        QTest::newRow("sum wrapped round the centre") << "1 x189 ?s | s:16 s:97-98 s:378";
        QTest::newRow("sum right of the figure") << "1 y50 ?s | s:76-77 s:292-293 s:360";
    }

    void testDrawsThePlot() {
        QFETCH(QString, probe);
        const QStringList where = probe.section(" | ", 0, 0).split(' ');
        QTest::mouseClick(Control("cmd_Test"), Qt::LeftButton);
        QCOMPARE(Along(window_->PlotImage(where[0].toInt()), where[1], where.value(2)),
                 probe.section(" | ", 1));
    }

    // Before the first test the areas are empty and white; "Test" grows them and stacks them
    // under the button. With pi the first three angles below would give 0: 22/7 is 0.00126
    // larger than pi, so a wave does not quite come back to the axis after a full turn.
    void opensEmptyAndStacksTheGrownAreasUnderTheButton() {
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
};

QTEST_MAIN(FmAuswertenTest)
#include "fm_auswerten_test.moc"
