// The evaluation window: the demonstration plot, read from the kept images of its two areas.
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cmath>
#include <memory>

#include "settings/settings_store.h"
#include "support/test_support.h"
#include "ui/windows/fm_auswerten.h"

using namespace kolvenar;

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kGrid = qRgb(192, 192, 192);
constexpr QRgb kAxis = qRgb(1, 1, 1);
constexpr QRgb kWave1 = qRgb(0, 0, 128);
constexpr QRgb kWave2 = qRgb(0, 128, 0);
constexpr QRgb kWave3 = qRgb(128, 0, 0);
constexpr QRgb kSum = qRgb(128, 0, 128);

// At 96 dots per inch: the middle axis (5 cm) and the plot's pixel size (30 x 10 cm and one).
constexpr int kAxisRow = 189;
constexpr QSize kPlotSize(1135, 379);

// Pixel of the grid line k half centimetres from the edge: 18.9 pixels apart.
int GridPixel(int k) {
    return (k * 189 + 5) / 10;
}

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(Pixel(image, x, y));
        }
    }
    return colours;
}

// The farthest any pixel of the colour lies from the middle axis, in rows.
int LargestDeviation(const QImage& image, QRgb colour) {
    int largest = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Pixel(image, x, y) == colour) {
                largest = std::max(largest, std::abs(y - kAxisRow));
            }
        }
    }
    return largest;
}

bool ColourNear(const QImage& image, QRgb colour, QPoint centre, int reach) {
    for (int y = centre.y() - reach; y <= centre.y() + reach; ++y) {
        for (int x = centre.x() - reach; x <= centre.x() + reach; ++x) {
            if (image.valid(x, y) && Pixel(image, x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class FmAuswertenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::FreshSettings> settings_;
    QPointer<Fm_Auswerten> window_;

    void Open() {
        window_ = new Fm_Auswerten();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    QWidget* Area(int i) const {
        return testing::Control<QWidget>(window_, QStringLiteral("pic_Plot%1").arg(i));
    }
    QPushButton* TestButton() const { return testing::Control<QPushButton>(window_, "cmd_Test"); }

    void PressTest() { QTest::mouseClick(TestButton(), Qt::LeftButton); }

private slots:
    void init() { settings_ = std::make_unique<testing::FreshSettings>(); }

    void cleanup() {
        const bool modal = testing::ModalWindowOpen();
        if (window_) {
            window_->close();
        }
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        settings_.reset();
        QVERIFY(!modal);
    }

    void opensWithTwoEmptyWhiteAreasAtTheDefaultSize() {
        Open();
        QCOMPARE(window_->windowTitle(), QString(" Auswerten"));
        QCOMPARE(window_->frameGeometry().size(), QSize(640, 480));
        QCOMPARE(TestButton()->text(), QString("Test"));
        QCOMPARE(TestButton()->geometry(), QRect(8, 8, 81, 25));
        QCOMPARE(Area(0)->geometry(), QRect(8, 40, 441, 161));
        QCOMPARE(Area(1)->geometry(), QRect(8, 208, 441, 161));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(window_->PlotImage(i).size(), Area(i)->size());
            QCOMPARE(Colours(window_->PlotImage(i)), QSet<QRgb>{kWhite});
        }
    }

    void anglesUseTwentyTwoSevenths_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        // With pi the first three would be 0: 22/7 is 0.00126 larger than pi, so a wave does
        // not quite come back to the axis after a full turn.
        QTest::newRow("sine of 180") << Fm_Auswerten::SinDeg(180) << -0.00126448893037729;
        QTest::newRow("sine of 360") << Fm_Auswerten::SinDeg(360) << 0.002528975838921635;
        QTest::newRow("cosine of 90") << Fm_Auswerten::CosDeg(90) << -0.000632244591553242;
        QTest::newRow("wave height is negated")
            << Fm_Auswerten::WaveHeight(2, 90) << -1.9999996002667364;
        QTest::newRow("wave after one wavelength")
            << Fm_Auswerten::WaveAt(12.5041, 12.5041, 30, 1) << -0.0012644879194608175;
    }

    void anglesUseTwentyTwoSevenths() {
        QFETCH(double, value);
        QFETCH(double, expected);
        QVERIFY2(std::abs(value - expected) < 1e-12, qPrintable(QString::number(value, 'g', 17)));
    }

    void centimetresFollowTheScreenResolution() {
        Open();
        QCOMPARE(window_->logicalDpiX(), 96);
        QCOMPARE(window_->CmToPixelX(1), 37.8f);
        QCOMPARE(window_->CmToPixelY(10), 378.0f);
    }

    void testStacksTheGrownAreas() {
        Open();
        PressTest();
        QCOMPARE(Area(0)->geometry(), QRect(QPoint(8, 7), kPlotSize));
        // 105 twips (7 pixels) below the first area's bottom edge.
        QCOMPARE(Area(1)->geometry(), QRect(QPoint(8, 7 + 379 + 7), kPlotSize));
        QCOMPARE(window_->PlotImage(0).size(), kPlotSize);
        QCOMPARE(window_->PlotImage(1).size(), kPlotSize);
        QCOMPARE(window_->PlotIndex(), 1);
    }

    void eachAreaHasItsColours() {
        Open();
        PressTest();
        QCOMPARE(Colours(window_->PlotImage(0)),
                 (QSet<QRgb>{kWhite, kGrid, kAxis, kWave1, kWave2, kWave3}));
        QCOMPARE(Colours(window_->PlotImage(1)), (QSet<QRgb>{kWhite, kGrid, kAxis, kSum}));
    }

    void gridIsHalfCentimetresWithTheAxisOnTop() {
        Open();
        PressTest();
        for (int i = 0; i < 2; ++i) {
            const QImage& image = window_->PlotImage(i);
            // A column right of every curve: grid rows, the axis, white between.
            for (int y = 0; y < image.height(); ++y) {
                QRgb expected = kWhite;
                for (int k = 0; k <= 20; ++k) {
                    if (GridPixel(k) == y) {
                        expected = kGrid;
                    }
                }
                if (y == kAxisRow) {
                    expected = kAxis;
                }
                QVERIFY2(Pixel(image, 1100, y) == expected, qPrintable(QString::number(y)));
            }
            QCOMPARE(Pixel(image, 1134, 300), kGrid);
        }
        // A row above the waves: one pixel for each of the 61 vertical lines.
        const QImage& first = window_->PlotImage(0);
        for (int x = 0; x < first.width(); ++x) {
            bool line = false;
            for (int k = 0; k <= 60; ++k) {
                line = line || GridPixel(k) == x;
            }
            QVERIFY2(Pixel(first, x, 10) == (line ? kGrid : kWhite),
                     qPrintable(QString::number(x)));
        }
    }

    void wavesStartOnTheAxisWithTheirHeights() {
        Open();
        PressTest();
        const QImage& first = window_->PlotImage(0);
        // All three start at the axis; the last drawn of them covers the others there.
        QCOMPARE(Pixel(first, 0, kAxisRow), kWave3);
        QCOMPARE(Pixel(window_->PlotImage(1), 0, kAxisRow), kSum);
        // Amplitudes 0.5, 1 and 2 cm: 18.9, 37.8 and 75.6 pixels.
        QCOMPARE(LargestDeviation(first, kWave1), 19);
        QCOMPARE(LargestDeviation(first, kWave2), 38);
        QCOMPARE(LargestDeviation(first, kWave3), 76);
        // The heights are negated: every wave rises first (towards the top of the area).
        for (QRgb wave : {kWave1, kWave2, kWave3}) {
            for (int x = 1; x < 120; ++x) {
                for (int y = kAxisRow + 1; y < first.height(); ++y) {
                    QVERIFY(Pixel(first, x, y) != wave);
                }
            }
        }
        // The longest wave ends its half period 25 cm from the left edge, back at the axis.
        QVERIFY(ColourNear(first, kWave3, QPoint(945, kAxisRow), 1));
        QVERIFY(!ColourNear(first, kWave3, QPoint(960, kAxisRow), 10));
    }

    void sumIsWrappedRoundTheCentre() {
        Open();
        PressTest();
        const QImage& second = window_->PlotImage(1);
        // Half a turn after the start the radius is 7 - 2.41 cm, straight above (5 cm, 5 cm).
        QVERIFY(ColourNear(second, kSum, QPoint(189, 16), 1));
        // No point lies farther right than 5 + 10.5 cm, save for the straight sum.
        for (int x = 600; x < 1135; ++x) {
            for (int y = 0; y < 100; ++y) {
                QVERIFY(Pixel(second, x, y) != kSum);
            }
        }
    }

    void areasPaintTheirKeptImages() {
        Open();
        PressTest();
        for (int i = 0; i < 2; ++i) {
            const QImage shown = Area(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown, window_->PlotImage(i).convertToFormat(QImage::Format_RGB32));
        }
    }

    void buttonStaysOnTopAndRedraws() {
        Open();
        PressTest();
        const QPoint centre = TestButton()->geometry().center();
        QCOMPARE(window_->childAt(centre), TestButton());
        window_->SetPlotIndex(0);
        window_->PlotPoint(29.2, 9.75, QColor(255, 0, 0));
        QCOMPARE(Pixel(window_->PlotImage(0), 1104, 369), qRgb(255, 0, 0));
        // Clicked where the user sees the button: whatever lies on top there gets the click.
        QWidget* onTop = window_->childAt(centre);
        QTest::mouseClick(onTop, Qt::LeftButton, {}, onTop->mapFrom(window_, centre));
        QCOMPARE(Pixel(window_->PlotImage(0), 1104, 369), kWhite);
    }

    void resizingMovesNothing() {
        Open();
        PressTest();
        const QList<QWidget*> controls = {TestButton(), Area(0), Area(1)};
        QList<QRect> before;
        for (QWidget* control : controls) {
            before << control->geometry();
        }
        for (const QSize size : {QSize(1300, 900), QSize(200, 150)}) {
            window_->resize(size);
            QTest::qWait(0);
            for (int i = 0; i < controls.size(); ++i) {
                QCOMPARE(controls[i]->geometry(), before[i]);
            }
        }
    }

    void escapeClosesAndTheSizeIsKept() {
        Open();
        window_->resize(700, 500);
        const QSize outer = window_->frameGeometry().size();
        QTest::keyClick(Area(1), Qt::Key_Escape);
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        {
            const SettingsStore store;
            QCOMPARE(store.Read("Fm_Auswerten", "W", ""), QString::number(outer.width() * 15));
            QCOMPARE(store.Read("Fm_Auswerten", "H", ""), QString::number(outer.height() * 15));
        }
        Open();
        QCOMPARE(window_->frameGeometry().size(), outer);
        QTest::keyClick(TestButton(), Qt::Key_Escape);
        QTest::qWait(0);
        QVERIFY(window_.isNull());
    }
};

QTEST_MAIN(FmAuswertenTest)
#include "fm_auswerten_test.moc"
