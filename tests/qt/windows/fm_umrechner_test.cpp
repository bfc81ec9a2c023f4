// The converter window: frequency and wavelength, decimal prefixes, its messages and settings.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <functional>
#include <memory>

#include "settings/settings_store.h"
#include "support/scripted_desktop.h"
#include "support/test_support.h"
#include "ui/windows/fm_umrechner.h"

using namespace kolvenar;

namespace {

const QString kSection = QStringLiteral("Fm_Umrechner");
const QString kAboutL = QStringLiteral("Bitte bei L einen Wert <> 0 eingeben !");
const QString kAboutF = QStringLiteral("Bitte bei f einen Wert <> 0 eingeben !");

// A scripted desktop that also lets a test look at the window the moment a message appears.
class WatchingDesktop : public testing::ScriptedDesktop {
public:
    MessageAnswer ShowMessage(QWidget* owner, const QString& title, const QString& text,
                              MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultAnswer) override {
        if (onMessage) {
            onMessage();
        }
        return ScriptedDesktop::ShowMessage(owner, title, text, icon, buttons, defaultAnswer);
    }

    std::function<void()> onMessage;
};

void Store(const QString& key, const QString& value) {
    SettingsStore store;
    store.Write(kSection, key, value);
}

// Replaces the text of a box as a user does, without pressing Enter.
void Type(QLineEdit* box, const QString& text) {
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
    } else {
        QTest::keyClicks(box, text);
    }
}

}  // namespace

class FmUmrechnerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::FreshSettings> settings_;
    WatchingDesktop desktop_;
    QPointer<Fm_Umrechner> window_;

    void Open() {
        window_ = new Fm_Umrechner(desktop_);
        window_->show();
    }

    QLineEdit* Box(const QString& name) const { return testing::Control<QLineEdit>(window_, name); }
    QLineEdit* ValueBox(int i) const { return Box(QStringLiteral("txt_Wert%1").arg(i)); }
    QComboBox* List(const QString& name) const {
        return testing::Control<QComboBox>(window_, name);
    }
    QCheckBox* Runden() const { return testing::Control<QCheckBox>(window_, "chk_Runden"); }
    QString F() const { return ValueBox(0)->text(); }
    QString L() const { return ValueBox(1)->text(); }
    QString Result() const { return testing::Control<QLabel>(window_, "Lab_WertXGleich")->text(); }

    // One user step of the form "<verb> <f|L> [text]": enter (type and press Enter, or only
    // press Enter when no text follows), type, unit (pick a list index), click (the rounding box).
    void Run(const QString& step) {
        const QStringList words = step.split(QLatin1Char(' '));
        const int index = words.value(1) == QLatin1String("f") ? 0 : 1;
        const QString text = words.mid(2).join(QLatin1Char(' '));
        if (words[0] == QLatin1String("enter")) {
            if (words.size() > 2) {
                testing::TypeAndEnter(ValueBox(index), text);
            } else {
                QTest::keyClick(ValueBox(index), Qt::Key_Return);
            }
        } else if (words[0] == QLatin1String("type")) {
            Type(ValueBox(index), text);
        } else if (words[0] == QLatin1String("unit")) {
            List(QStringLiteral("Cb_Einheit%1").arg(index))->setCurrentIndex(text.toInt());
        } else if (words[0] == QLatin1String("click")) {
            QTest::mouseClick(Runden(), Qt::LeftButton);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

private slots:
    void init() {
        settings_ = std::make_unique<testing::FreshSettings>();
        desktop_.Reset();
        desktop_.onMessage = nullptr;
    }

    void cleanup() {
        const int unexpected = desktop_.unexpectedMessages;
        const int unused = desktop_.UnusedAnswers();
        const bool modal = testing::ModalWindowOpen();
        desktop_.onMessage = nullptr;
        if (window_) {
            window_->close();
        }
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        settings_.reset();
        QCOMPARE(unexpected, 0);
        QCOMPARE(unused, 0);
        QVERIFY(!modal);
    }

    void firstOpeningShowsOneHertz() {
        Open();
        QCOMPARE(window_->windowTitle(), QString(" Umrechner"));
        QCOMPARE(window_->size(), QSize(312, 165));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(F(), QString("1"));
        QCOMPARE(L(), QString("299792458"));
        QCOMPARE(List("Cb_Einheit0")->currentText(), QString("Hz"));
        QCOMPARE(List("Cb_Einheit1")->currentText(), QString("m"));
        QCOMPARE(List("Cb_EinheitX0")->currentIndex(), 8);
        QCOMPARE(List("Cb_EinheitX1")->currentText(), QString());
        QVERIFY(Runden()->isChecked());
        QCOMPARE(Box("txt_WertX")->text(), QString("1"));
        QCOMPARE(Result(), QString("1"));
        QCOMPARE(window_->LastSource(), 0);
        QVERIFY(desktop_.messages.isEmpty());
    }

    void listsHoldTheUnitsAndPrefixes_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("frequency")
            << "Cb_Einheit0" << QStringList{"µHz Mikro e-6", "mHz Milli e-3", "Hz",
                                            "kHz Kilo e+3",  "MHz Mega e+6",  "GHz Giga e+9"};
        QTest::newRow("wavelength")
            << "Cb_Einheit1"
            << QStringList{"µm Mikro e-6", "mm Milli e-3", "cm Centi e-2", "m", "km Kilo e+3"};
        const QStringList prefixes = {"Atto e-18", "Femto e-15", "Pico e-12", "Nano e-9",
                                      "Mikro e-6", "Milli e-3",  "Centi e-2", "Dezi e-1",
                                      "",          "Deka e+1",   "Hekto e+2", "Kilo e+3",
                                      "Mega e+6",  "Giga e+9",   "Tera e+12"};
        QTest::newRow("prefix of X") << "Cb_EinheitX0" << prefixes;
        QTest::newRow("prefix of the result") << "Cb_EinheitX1" << prefixes;
    }

    void listsHoldTheUnitsAndPrefixes() {
        QFETCH(QString, list);
        QFETCH(QStringList, items);
        Open();
        QStringList shown;
        for (int i = 0; i < List(list)->count(); ++i) {
            shown << List(list)->itemText(i);
        }
        QCOMPARE(shown, items);
    }

    void noCaptionIsClipped() {
        Open();
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
        QVERIFY(Runden()->sizeHint().width() <= Runden()->width());
        QCOMPARE(Runden()->text(), QString("Ausgabe Runden"));
        QCOMPARE(Runden()->toolTip(), QString("(auf 4 Stellen nach dem Komma)"));
        for (const char* name : {"txt_Wert0", "txt_Wert1", "txt_WertX"}) {
            QCOMPARE(Box(name)->toolTip(), QString("Wert eingeben und Enter drücken"));
        }
    }

    void tabGoesThroughTheInputsInOrder() {
        Open();
        QStringList order;
        QWidget* widget = ValueBox(0);
        do {
            if (widget->focusPolicy() & Qt::TabFocus) {
                order << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != ValueBox(0));
        QCOMPARE(order, (QStringList{"txt_Wert0", "Cb_Einheit0", "txt_Wert1", "Cb_Einheit1",
                                     "chk_Runden", "txt_WertX", "Cb_EinheitX0", "Cb_EinheitX1"}));
    }

    void convertsTheConfirmedBox_data() {
        QTest::addColumn<int>("fUnit");
        QTest::addColumn<int>("LUnit");
        QTest::addColumn<bool>("rounding");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("L");
        QTest::newRow("1 MHz unrounded") << 4 << 3 << false << 0 << "1"
                                         << "1"
                                         << "299.792458";
        QTest::newRow("1 MHz rounded") << 4 << 3 << true << 0 << "1"
                                       << "1"
                                       << "299.7925";
        QTest::newRow("1 µm in MHz") << 4 << 0 << true << 1 << "1"
                                     << "299792458"
                                     << "1";
        QTest::newRow("1 km in kHz") << 3 << 4 << false << 1 << "1"
                                     << "299.792458"
                                     << "1";
        QTest::newRow("1 GHz in cm") << 5 << 2 << true << 0 << "1"
                                     << "1"
                                     << "29.9792";
        QTest::newRow("comma ends the number") << 2 << 3 << true << 0 << "2,5"
                                               << "2"
                                               << "149896229";
        QTest::newRow("exponent and blanks") << 2 << 3 << true << 0 << " 2.5 E3"
                                             << "2500"
                                             << "119916.9832";
        QTest::newRow("negative") << 2 << 3 << true << 0 << "-1"
                                  << "-1"
                                  << "-299792458";
        QTest::newRow("frequency beyond the range") << 2 << 3 << true << 1 << "1E-320"
                                                    << "Überlauf"
                                                    << "9.99988867182683E-321";
        QTest::newRow("beyond the range in µHz") << 0 << 3 << true << 1 << "1E-303"
                                                 << "Überlauf"
                                                 << "1E-303";
        // c / f alone leaves the range; the result in km does not.
        QTest::newRow("within the range in km") << 5 << 4 << true << 0 << "1E-305"
                                                << "1E-305"
                                                << "2.99792458E+301";
        QTest::newRow("within the range in GHz") << 5 << 4 << true << 1 << "1E-305"
                                                 << "2.99792458E+301"
                                                 << "1E-305";
    }

    void convertsTheConfirmedBox() {
        QFETCH(int, fUnit);
        QFETCH(int, LUnit);
        QFETCH(bool, rounding);
        QFETCH(int, source);
        QFETCH(QString, typed);
        Store("Cb_Einheit0", QString::number(fUnit));
        Store("Cb_Einheit1", QString::number(LUnit));
        Store("chk_Runden", rounding ? "1" : "0");
        Open();
        testing::TypeAndEnter(ValueBox(source), typed);
        QTEST(F(), "f");
        QTEST(L(), "L");
        QCOMPARE(window_->LastSource(), source);
        // A number too long for its box shows its start.
        QCOMPARE(ValueBox(1 - source)->cursorPosition(), 0);
        QVERIFY(desktop_.messages.isEmpty());
    }

    void typingEmptiesTheOtherBoxUntilEnter() {
        Open();
        QTest::keyClick(ValueBox(0), Qt::Key_End);
        QTest::keyClicks(ValueBox(0), "5");
        QCOMPARE(F(), QString("15"));
        QCOMPARE(L(), QString());
        QTest::keyClick(ValueBox(0), Qt::Key_Return);
        QCOMPARE(L(), QString("19986163.8667"));

        Type(ValueBox(1), "7");
        QCOMPARE(F(), QString());
        QCOMPARE(L(), QString("7"));
    }

    void roundingBoxRecomputesFromTheLastConfirmedBox() {
        Open();
        QTest::mouseClick(Runden(), Qt::LeftButton);
        QVERIFY(!Runden()->isChecked());
        testing::TypeAndEnter(ValueBox(1), "3");
        QCOMPARE(F(), QString("99930819.3333333"));
        QTest::mouseClick(Runden(), Qt::LeftButton);
        QCOMPARE(F(), QString("99930819.3333"));
        QCOMPARE(L(), QString("3"));
    }

    void roundingBoxRecomputesFromFWhenNothingWasConfirmed() {
        Store("Cb_Einheit0", "4");
        Store("chk_Runden", "0");
        Open();
        QCOMPARE(L(), QString("299.792458"));
        QTest::mouseClick(Runden(), Qt::LeftButton);
        QCOMPARE(F(), QString("1"));
        QCOMPARE(L(), QString("299.7925"));
    }

    void unitChangeRecomputesTheOtherWay() {
        Open();
        List("Cb_Einheit1")->setCurrentIndex(4);
        QCOMPARE(L(), QString("299792.458"));
        List("Cb_Einheit0")->setCurrentIndex(3);
        QCOMPARE(F(), QString(".001"));
        QCOMPARE(L(), QString("299792.458"));
        QCOMPARE(window_->LastSource(), 0);
    }

    void zeroSourceShowsAMessageAndEmptiesBoxes_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        // The two boxes when the message appears, and afterwards.
        QTest::addColumn<QString>("fThen");
        QTest::addColumn<QString>("LThen");
        QTest::addColumn<QString>("fAfter");
        QTest::addColumn<QString>("LAfter");
        QTest::newRow("zero L") << QStringList{"enter L 0"} << kAboutL << ""
                                << "0"
                                << ""
                                << "0";
        QTest::newRow("unreadable f") << QStringList{"enter f abc"} << kAboutF << "abc"
                                      << ""
                                      << "abc"
                                      << "";
        QTest::newRow("new f, then another f unit")
            << QStringList{"type f 5", "unit f 4"} << kAboutL << ""
            << ""
            << ""
            << "";
        QTest::newRow("new L, then another L unit")
            << QStringList{"type L 5", "unit L 0"} << kAboutF << ""
            << ""
            << ""
            << "";
        // Emptying the other box empties the source box as well, before the message.
        QTest::newRow("f rounded to 0, then an L unit")
            << QStringList{"unit f 5", "unit L 4"} << kAboutF << ""
            << ""
            << ""
            << "";
        QTest::newRow("L rounded to 0, then an f unit")
            << QStringList{"enter f 1E20", "unit f 3"} << kAboutL << ""
            << ""
            << ""
            << "";
        // From the rounding box the emptying is suppressed: only the other box is emptied.
        QTest::newRow("f rounded to 0, then the rounding box")
            << QStringList{"unit f 5", "click round"} << kAboutF << "0"
            << ""
            << "0"
            << "";
        QTest::newRow("overflow confirmed with Enter")
            << QStringList{"enter L 1E-320", "enter f"} << kAboutF << ""
            << ""
            << ""
            << "";
    }

    void zeroSourceShowsAMessageAndEmptiesBoxes() {
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        Open();
        QStringList seen;
        desktop_.onMessage = [&] {
            seen << F() << L();
        };
        desktop_.Answer(MessageAnswer::Ok);
        for (const QString& step : steps) {
            Run(step);
        }
        QCOMPARE(desktop_.messages.size(), 1);
        const testing::ShownMessage& shown = desktop_.messages.first();
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title, QString(" Meldung"));
        QCOMPARE(shown.icon, MessageIcon::Information);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(seen.size(), 2);
        QTEST(seen.value(0), "fThen");
        QTEST(seen.value(1), "LThen");
        QTEST(F(), "fAfter");
        QTEST(L(), "LAfter");
    }

    void overflowStaysOverflowWhenRoundingChanges() {
        Open();
        testing::TypeAndEnter(ValueBox(1), "1E-320");
        QTest::mouseClick(Runden(), Qt::LeftButton);
        QCOMPARE(F(), QString("Überlauf"));
        List("Cb_Einheit0")->setCurrentIndex(5);
        QCOMPARE(F(), QString("Überlauf"));
        QCOMPARE(L(), QString("9.99988867182683E-321"));
        QVERIFY(desktop_.messages.isEmpty());
    }

    void convertsPrefixes_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("result");
        QTest::newRow("Kilo to none") << 11 << 8 << "1"
                                      << "1"
                                      << "1000";
        QTest::newRow("none to Kilo") << 8 << 11 << "1"
                                      << "1"
                                      << ".001";
        QTest::newRow("Atto to Tera") << 0 << 14 << "1"
                                      << "1"
                                      << "?";
        QTest::newRow("empty box") << 8 << 8 << ""
                                   << "0"
                                   << "?";
        QTest::newRow("comma") << 12 << 11 << "2,5"
                               << "2"
                               << "2000";
        QTest::newRow("negative") << 5 << 8 << "-7"
                                  << "-7"
                                  << "-.007";
        QTest::newRow("smallest kept") << 0 << 8 << "1"
                                       << "1"
                                       << "1E-18";
        QTest::newRow("below 18 places") << 0 << 9 << "1"
                                         << "1"
                                         << "?";
        QTest::newRow("beyond the range") << 14 << 0 << "1E300"
                                          << "1E+300"
                                          << "Überlauf";
        QTest::newRow("within the range") << 14 << 13 << "1E300"
                                          << "1E+300"
                                          << "1E+303";
    }

    void convertsPrefixes() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, typed);
        Open();
        List("Cb_EinheitX0")->setCurrentIndex(from);
        List("Cb_EinheitX1")->setCurrentIndex(to);
        testing::TypeAndEnter(Box("txt_WertX"), typed);
        QTEST(Box("txt_WertX")->text(), "shown");
        QTEST(Result(), "result");
        QVERIFY(desktop_.messages.isEmpty());
    }

    void editingXEmptiesTheResultUntilAPrefixIsPicked() {
        Open();
        QTest::keyClick(Box("txt_WertX"), Qt::Key_End);
        QTest::keyClicks(Box("txt_WertX"), "2");
        QCOMPARE(Result(), QString());
        List("Cb_EinheitX1")->setCurrentIndex(11);
        QCOMPARE(Result(), QString(".012"));
        QCOMPARE(Box("txt_WertX")->text(), QString("12"));
    }

    void settingsSurviveClosingAndOpening() {
        Open();
        window_->move(90, 60);
        QTest::mouseClick(Runden(), Qt::LeftButton);
        List("Cb_Einheit1")->setCurrentIndex(1);
        List("Cb_Einheit0")->setCurrentIndex(4);
        List("Cb_EinheitX0")->setCurrentIndex(11);
        List("Cb_EinheitX1")->setCurrentIndex(3);
        window_->close();
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        {
            const SettingsStore store;
            QCOMPARE(store.Read(kSection, "Cb_Einheit0", ""), QString("4"));
            QCOMPARE(store.Read(kSection, "Cb_Einheit1", ""), QString("1"));
            QCOMPARE(store.Read(kSection, "Cb_EinheitX0", ""), QString("11"));
            QCOMPARE(store.Read(kSection, "Cb_EinheitX1", ""), QString("3"));
            QCOMPARE(store.Read(kSection, "chk_Runden", ""), QString("0"));
            QCOMPARE(store.Read(kSection, "L", ""), QString("1350"));
            QCOMPARE(store.Read(kSection, "T", ""), QString("900"));
            QCOMPARE(store.Read("Fm_Main", "chk_Runden", "absent"), QString("absent"));
        }
        Open();
        QCOMPARE(window_->pos(), QPoint(90, 60));
        QCOMPARE(List("Cb_Einheit0")->currentIndex(), 4);
        QCOMPARE(List("Cb_Einheit1")->currentIndex(), 1);
        QCOMPARE(List("Cb_EinheitX0")->currentIndex(), 11);
        QCOMPARE(List("Cb_EinheitX1")->currentIndex(), 3);
        QVERIFY(!Runden()->isChecked());
        QCOMPARE(F(), QString("1"));
        QCOMPARE(L(), QString("299792.458"));
        QCOMPARE(Result(), QString("1000000000000"));
    }

    void damagedSettingsGiveTheDefault_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        // The list index, or for the rounding box 1 ticked and 0 clear.
        QTest::addColumn<int>("expected");
        QTest::newRow("f unit past the list") << "Cb_Einheit0"
                                              << "6" << 2;
        QTest::newRow("f unit negative") << "Cb_Einheit0"
                                         << "-1" << 2;
        QTest::newRow("f unit not a number") << "Cb_Einheit0"
                                             << "abc" << 2;
        QTest::newRow("f unit with a fraction") << "Cb_Einheit0"
                                                << "1.5" << 2;
        QTest::newRow("f unit last") << "Cb_Einheit0"
                                     << "5" << 5;
        QTest::newRow("L unit past the list") << "Cb_Einheit1"
                                              << "5" << 3;
        QTest::newRow("L unit last") << "Cb_Einheit1"
                                     << "4" << 4;
        QTest::newRow("prefix past the list") << "Cb_EinheitX0"
                                              << "15" << 8;
        QTest::newRow("prefix first") << "Cb_EinheitX0"
                                      << "0" << 0;
        QTest::newRow("prefix beyond 16 bits") << "Cb_EinheitX1"
                                               << "70000" << 8;
        QTest::newRow("prefix last") << "Cb_EinheitX1"
                                     << "14" << 14;
        QTest::newRow("rounding 2") << "chk_Runden"
                                    << "2" << 1;
        QTest::newRow("rounding text") << "chk_Runden"
                                       << "ja" << 1;
        QTest::newRow("rounding clear") << "chk_Runden"
                                        << "0" << 0;
    }

    void damagedSettingsGiveTheDefault() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, expected);
        Store(key, value);
        Open();
        if (key == QLatin1String("chk_Runden")) {
            QCOMPARE(Runden()->isChecked() ? 1 : 0, expected);
        } else {
            QCOMPARE(List(key)->currentIndex(), expected);
        }
        QCOMPARE(F(), QString("1"));
        QVERIFY(!L().isEmpty());
        QVERIFY(desktop_.messages.isEmpty());
    }

    void escapeClosesFromAnyControl_data() {
        QTest::addColumn<QString>("control");
        for (const char* name :
             {"txt_Wert0", "Cb_Einheit1", "chk_Runden", "txt_WertX", "Cb_EinheitX1"}) {
            QTest::newRow(name) << name;
        }
    }

    void escapeClosesFromAnyControl() {
        QFETCH(QString, control);
        Open();
        QTest::keyClick(testing::Control<QWidget>(window_, control), Qt::Key_Escape);
        QTest::qWait(0);
        QVERIFY(window_.isNull());
        const SettingsStore store;
        QCOMPARE(store.Read(kSection, "Cb_Einheit0", ""), QString("2"));
        QCOMPARE(store.Read(kSection, "WindowState", ""), QString("0"));
    }
};

QTEST_MAIN(FmUmrechnerTest)
#include "fm_umrechner_test.moc"
