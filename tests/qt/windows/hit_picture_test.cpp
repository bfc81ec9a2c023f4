// The hit picture of the Mehrfachsuche: which cells it colours, with many values too, and the
// picture saved as PNG and SVG and copied.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "support/scripted_desktop.h"
#include "ui/windows/hit_picture.h"

using namespace kolvenar;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
// The colour scale at 0 (a value met exactly) and at 0.9195 (Es's 0.9195 % at a tolerance of
// 1 %).
const QRgb kExact = qRgb(0x44, 0x01, 0x54);
const QRgb kNearEdge = qRgb(0xC9, 0xE1, 0x26);

// With Cx = 1 m, L = Z × 2^N m: 49 m is In (N = 0) and Cf (N = -1), 196.196 m both again and
// Es (99 × 2 m, 0.92 % off), 300 m only Re (75 × 4 m). Ranked In, Cf, Re, Es.
const MultiMatcher kMatcher({MultiQuantity::Wavelength, kWavelengthUnits[6], 1, 1});  // m

// The colour inside a cell, away from the N written in its middle.
QRgb CellColour(const HitPicture& picture, const QImage& image, int row, int column) {
    const QPointF at = picture.CellRect(row, column).topLeft() + QPointF(2, 2);
    return image.pixel(at.toPoint()) & 0xFFFFFF;
}

}  // namespace

class HitPictureTest : public QObject {
    Q_OBJECT

private:
    testing::ScriptedDesktop desktop_;
    QTemporaryDir files_;

private slots:
    void cleanup() { QCOMPARE(desktop_.unexpectedMessages, 0); }

    // An explained value's cell takes the colour of its deviation, one not explained stays
    // empty; as the widget paints it and as a picture of another size.
    void cellsAsShown() {
        const ValueList list = ReadValueList("49\n196,196\n300\n");
        HitPicture picture(desktop_);
        picture.resize(900, 600);
        picture.Show(kMatcher, RankElements(kMatcher, list.values), list.values);
        QCOMPARE(picture.objectName(), QString("pic_Trefferbild"));
        QCOMPARE(picture.Grid().ElementCount(), 4);
        const QImage image = picture.grab().toImage();
        QCOMPARE(CellColour(picture, image, 0, 0) & 0xFFFFFF, kExact & 0xFFFFFF);
        QCOMPARE(CellColour(picture, image, 0, 2), kWhite & 0xFFFFFF);
        QCOMPARE(CellColour(picture, image, 3, 1), kNearEdge & 0xFFFFFF);
        QCOMPARE(CellColour(picture, image, 3, 0), kWhite & 0xFFFFFF);
        QCOMPARE(picture.Picture(), image.convertToFormat(QImage::Format_RGB32));
    }

    // More values than pixels: a value an element explains still shows among the values
    // beside it it does not explain; the picture keeps to the first 30 elements. (In and Cf
    // explain the 49 at 1000 and the thousand at the end, Re and many more the values between
    // 1000 and 1667, which In explains only from 1552 on.)
    void manyValues() {
        QString text;
        for (int i = 0; i < 3000; ++i) {
            text +=
                (i == 1000 || i >= 2000 ? QString("49") : QString::number(1000 + i / 3.0)) + "\n";
        }
        const ValueList list = ReadValueList(text.toStdString());
        HitPicture picture(desktop_);
        picture.resize(900, 600);
        const Ranking ranking = RankElements(kMatcher, list.values);
        QVERIFY(ranking.rows.size() > 30);
        picture.Show(kMatcher, ranking, list.values);
        QCOMPARE(picture.Grid().ElementCount(), 30);
        QCOMPARE(picture.Grid().Element(0), 49);
        const int indium = 0;
        const QImage image = picture.Picture();
        const QRectF cell = picture.CellRect(indium, 1000);
        QVERIFY(cell.width() < 1);
        QCOMPARE(image.pixel(cell.center().toPoint()) & 0xFFFFFF, kExact & 0xFFFFFF);
        QCOMPARE(image.pixel(picture.CellRect(indium, 500).center().toPoint()) & 0xFFFFFF,
                 kWhite & 0xFFFFFF);
    }

    // "Bild speichern …" writes PNG or SVG after the type or the typed extension; both read
    // back. Ctrl+C puts the picture on the clipboard.
    void savesAndCopies() {
        const ValueList list = ReadValueList("49\n196,196\n300\n");
        HitPicture picture(desktop_);
        picture.resize(900, 600);
        picture.Show(kMatcher, RankElements(kMatcher, list.values), list.values);
        const auto save = [&](const QString& name, const QString& filter) {
            desktop_.InFileDialog([&](QFileDialog& dialog) {
                dialog.selectNameFilter(filter);
                auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                box->setText(files_.filePath(name));
                QTest::keyClick(box, Qt::Key_Return);
            });
            desktop_.Answer(MessageAnswer::Ok);
            picture.findChild<QAction*>("ME_BildSpeichern")->trigger();
            return desktop_.messages.last().title + "|" + desktop_.messages.last().text;
        };
        QCOMPARE(save("bild", "PNG-Bild (*.png)"),
                 " Meldung|Datei wurde gespeichert als\r\n" + files_.filePath("bild.png"));
        QCOMPARE(save("bild.SVG", "PNG-Bild (*.png)"),
                 " Meldung|Datei wurde gespeichert als\r\n" + files_.filePath("bild.SVG"));
        QCOMPARE(save("fehlt/bild", "SVG-Grafik (*.svg)").section('\n', 0, 0),
                 " Fehler|Konnte die Datei '" + files_.filePath("fehlt/bild.svg") +
                     "' nicht speichern !?\r");
        const QImage png(files_.filePath("bild.png"));
        QCOMPARE(png.size(), QSize(900, 600));
        QCOMPARE(CellColour(picture, png, 0, 0), kExact & 0xFFFFFF);
        QSvgRenderer svg(files_.filePath("bild.SVG"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 900, 600));

        QGuiApplication::clipboard()->clear();
        picture.show();
        picture.setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        QTest::keyClick(&picture, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(900, 600));
    }
};

QTEST_MAIN(HitPictureTest)
#include "hit_picture_test.moc"
