// Every input box of every window with hostile text: the program keeps working, reads what
// the reading rule reads, and never shows "inf" or "nan".
#include <QRegularExpression>
#include <QTest>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "support/main_window_fixture.h"
#include "ui/windows/fm_einstellungen.h"
#include "ui/windows/fm_umrechner.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

const QRegularExpression kInfOrNan(QStringLiteral("(^|[^a-z])(inf|nan)([^a-z]|$)"),
                                   QRegularExpression::CaseInsensitiveOption);

struct Box {
    const char* window;  // objectName of the window
    const char* name;
};

// Every box a user can type into, in the windows that hold them.
constexpr Box kBoxes[] = {
    {"Fm_Main", "txt_N_Value0"},          {"Fm_Main", "txt_N_Value1"},
    {"Fm_Main", "txt_Wunschfaktor0"},     {"Fm_Main", "txt_Wunschfaktor1"},
    {"Fm_Main", "txt_Suchen0"},           {"Fm_Main", "txt_Suchen1"},
    {"Fm_Main", "txt_Suchen2"},           {"Fm_Main", "txt_Suchen3"},
    {"Fm_Main", "txt_Suchen4"},           {"Fm_Main", "txt_Toleranz"},
    {"Fm_Umrechner", "txt_Wert0"},        {"Fm_Umrechner", "txt_Wert1"},
    {"Fm_Umrechner", "txt_WertX"},        {"Fm_Einstellungen", "txt_Cx0"},
    {"Fm_Einstellungen", "txt_Cx_Wert0"}, {"Fm_Einstellungen", "txt_Cx_Bezeichnung0"},
};

QWidget* TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// Every text the user can see in any window: captions, boxes, list items and table cells.
QStringList VisibleTexts() {
    QStringList texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        texts << window->windowTitle();
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
            if (box->objectName() != QStringLiteral("txt_Toleranz")) {  // shown as typed
                texts << box->text();
            }
        }
        for (const QComboBox* list : window->findChildren<QComboBox*>()) {
            texts << list->currentText();
        }
        if (auto* table = window->findChild<QTreeView*>(QStringLiteral("lv_Ausgabe"))) {
            const QAbstractItemModel* model = table->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                texts << model->headerData(column, Qt::Horizontal).toString();
            }
            for (int row = 0; row < std::min(model->rowCount(), 300); ++row) {
                for (int column = 0; column < model->columnCount(); ++column) {
                    texts << model->index(row, column).data().toString();
                }
            }
        }
    }
    return texts;
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    void OpenEverything() {
        f_->SetChecked("Chk_Suchmodus", true);  // the search boxes take text only then
        f_->Find<QAction>("ME_Umrechner")->trigger();
        f_->Find<QAction>("ME_Einstellungen")->trigger();
    }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        QTest::qWait(0);
    }

    void everyBoxWithHostileText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "     ";
        QTest::newRow("100000 characters") << QString(100000, QLatin1Char('9'));
        QTest::newRow("100000 letters") << QString(100000, QLatin1Char('x'));
        QTest::newRow("beyond the range") << "1E400";
        QTest::newRow("negative zero") << "-0";
        QTest::newRow("below the range") << "1E-400";
        QTest::newRow("only a sign") << "-";
        QTest::newRow("only an exponent") << "E5";
        QTest::newRow("a comma") << ",";
        QTest::newRow("non-Latin letters") << "Жёлтый 黄色 ١٢٣";
        QTest::newRow("control characters") << QString::fromUtf8("\x01\x02\x1b\t\r\x7f 7");
        QTest::newRow("largest double") << "1.7976931348623157E308";
        QTest::newRow("smallest double") << "4.9E-324";
    }

    void everyBoxWithHostileText() {
        QFETCH(QString, text);
        OpenEverything();
        const double reading = LeadingNumber(text.toStdString());
        for (const Box& box : kBoxes) {
            QWidget* window = TopLevel(QString::fromLatin1(box.window));
            QVERIFY2(window != nullptr, box.window);
            auto* edit = testing::Control<QLineEdit>(window, QString::fromLatin1(box.name));
            QVERIFY2(edit->isEnabled(), box.name);
            edit->setText(text);
            QTest::keyClick(edit, Qt::Key_Return);
            if (QString::fromLatin1(box.window) == QStringLiteral("Fm_Einstellungen")) {
                QTest::mouseClick(testing::Control<QPushButton>(window, "cmd_Speichern"),
                                  Qt::LeftButton);
            }
            for (const QString& shown : VisibleTexts()) {
                QVERIFY2(!kInfOrNan.match(shown).hasMatch(),
                         qPrintable(QString::fromLatin1(box.name) + ": " + shown.left(80)));
            }
            for (const auto& message : f_->desktop.messages) {
                QVERIFY(!kInfOrNan.match(message.text).hasMatch());
            }
            f_->desktop.Reset();
        }
        // What the reading rule reads: the search box holds the normal form of the number
        // (empty for 0), the N box the number within the bar's range.
        const QString searchText =
            reading == 0 ? QString() : QString::fromStdString(NumText(reading));
        QCOMPARE(f_->Find<QLineEdit>("txt_Suchen4")->text(), searchText);
        QCOMPARE(f_->Find<QScrollBar>("HScroll_N1")->value(),
                 static_cast<int>(std::clamp(RoundHalfToEven(reading), -900.0, 900.0)));

        // The program keeps working: back to the ordinary table.
        f_->SetChecked("Chk_Suchmodus", false);
        f_->Find<QComboBox>("Combo_Cx")->setCurrentIndex(0);
        testing::TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value0"), "33");
        testing::TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "1");
        QCOMPARE(f_->Rows(), 118);
        QCOMPARE(f_->Cell(0, 1), QString("Wasserstoff"));
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
