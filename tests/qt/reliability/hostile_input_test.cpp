// Every input box of the three windows with hostile text: the program keeps working, shows the
// number it reads, and never "inf" or "nan".
#include <QRegularExpression>
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    // What the N bis box and caption, the fifth search box and the converter's result show
    // afterwards, and the messages that came.
    void everyBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        for (const QString& zero : QStringList{"", QString(100000, 'x'), "1E-400",
                                               "Жёлтый 黄色 ١٢٣", "\x01\x02\x1b\t\r\x7f 7"}) {
            QTest::addRow("reads as 0: %s", zero.left(12).toUtf8().toPercentEncoding().constData())
                << zero
                << "=text txt_N_Value1 0; =text Lab_N1 N bis 0; =text txt_Suchen4 ; =text "
                   "Fm_Umrechner/txt_WertX 0; =messages 2; =message  Meldung|Bitte bei L einen "
                   "Wert <> 0 eingeben !";
        }
        QTest::newRow("beyond the range")
            << "1E400"
            << "=messages 0; =text Lab_N1 N bis 900; =text txt_Suchen4 1.79769313486231E+308; "
               "=text txt_N_Value1 900; =text Fm_Umrechner/txt_WertX 1.79769313486231E+308";
    }

    void everyBox() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const QRegularExpression infOrNan("(?i)(^|[^a-z])(inf|nan)([^a-z]|$)");
        testing::MainWindowFixture f;
        testing::Scenario play(f.desktop, [&f] { return &f.Window(); });
        // The search boxes take text only in search mode.
        QVERIFY(f.Run({"click Chk_Suchmodus", "trigger ME_Umrechner", "trigger ME_Einstellungen"}));
        for (const char* name : {"Fm_Main", "Fm_Umrechner", "Fm_Einstellungen"}) {
            for (auto* box : play.Find(QString(name) + '/' + name)->findChildren<QLineEdit*>()) {
                QVERIFY2(box->isEnabled(), qPrintable(box->objectName()));
                box->setText(text);  // pasted: every character arrives
                QTest::keyClick(box, Qt::Key_Return);
                QVERIFY(QString(name) != "Fm_Einstellungen" ||
                        play.Run({"click Fm_Einstellungen/cmd_Speichern"}));
                // Every text a user can see: captions, boxes, lists and the tables' cells.
                for (const QWidget* control : QApplication::allWidgets()) {
                    const auto* view = qobject_cast<const QAbstractItemView*>(control);
                    const QAbstractItemModel* model = view != nullptr ? view->model() : nullptr;
                    bool bad =
                        infOrNan.match(control->property("text").toString()).hasMatch() ||
                        infOrNan.match(control->property("currentText").toString()).hasMatch();
                    for (int c = 0; model != nullptr && c < model->columnCount(); ++c) {
                        bad = bad || !model
                                          ->match(model->index(0, c), Qt::DisplayRole, infOrNan, 1,
                                                  Qt::MatchRegularExpression)
                                          .isEmpty();
                    }
                    QVERIFY2(!bad,
                             qPrintable(box->objectName() + " shows in " + control->objectName()));
                }
            }
        }
        // Then the program keeps working: back to the ordinary table.
        QVERIFY(f.Run(shown + "; check Chk_Suchmodus 0; type txt_N_Value0 33; type "
                              "txt_Wunschfaktor0 1; =rows 118; =cell 0 1 Wasserstoff"));
        for (const auto& message : f.desktop.messages) {
            QVERIFY2(!infOrNan.match(message.text).hasMatch(), qPrintable(message.text));
        }
        QVERIFY(!testing::ModalWindowOpen());  // the messages were expected: counted above
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
