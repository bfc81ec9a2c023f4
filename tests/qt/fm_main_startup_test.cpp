// Start-up and closing of the main window: what comes from and goes to the settings store.
#include <QFile>
#include <QGroupBox>
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainStartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    QString Stored(const QString& section, const QString& key) {
        return SettingsStore().Read(section, key, QStringLiteral("<missing>"));
    }

    void Store(const QString& section, const QString& key, const QString& value) {
        SettingsStore().Write(section, key, value);
    }

    QStringList ComboItems(const QString& name) {
        QStringList items;
        auto* combo = f_->Find<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        return items;
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void firstStartStoresTheFactoryConstants() {
        Fm_Main& window = f_->Start();
        const QStringList symbols = {"Ce", "Cp", "Cn", "Cx", "Cx"};
        const QStringList values = {"2.42611E-12", "1.3214098555E-15", "1.3195909067E-15",
                                    "57910000000", "1"};
        const QStringList names = {"Elektronen", "Protonen", "Neutronen", "Merkurbahnradius",
                                   "Freie Eingabe"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Stored("Fm_Main", "Cx" + QString::number(i)), symbols[i]);
            QCOMPARE(Stored("Fm_Main", "Cx_Wert" + QString::number(i)), values[i]);
            QCOMPARE(Stored("Fm_Main", "Cx_Bezeichnung" + QString::number(i)), names[i]);
        }
        QCOMPARE(Stored("Fm_Main", "Einstellungen"), QString("Ja"));
        // The hidden settings window stored its placement when it was unloaded.
        QCOMPARE(Stored("Fm_Einstellungen", "WindowState"), QString("0"));

        QCOMPARE(ComboItems("Combo_Cx"),
                 (QStringList{"Ce Elektronen", "Cp Protonen", "Cn Neutronen", "Cx Merkurbahnradius",
                              "Cx Freie Eingabe"}));
        QCOMPARE(f_->Find<QComboBox>("Combo_Cx")->currentIndex(), 0);
        QCOMPARE(window.windowTitle(), Fm_Main::WindowCaption());
    }

    void firstStartShowsTheDesignDefaults() {
        f_->Start();
        QCOMPARE(f_->ElementList()->topLevelItemCount(), 118);
        for (int i = 0; i < 118; ++i) {
            QCOMPARE(f_->ElementList()->topLevelItem(i)->checkState(0), Qt::Checked);
        }
        const QTreeWidgetItem* iron = f_->ElementList()->topLevelItem(25);
        QCOMPARE(iron->text(0), QString("Eisen"));
        QCOMPARE(iron->text(1), QString("26"));
        QCOMPARE(iron->data(0, Qt::UserRole).toInt(), 26);
        QVERIFY(f_->ElementList()->selectedItems().isEmpty());

        const QStringList units = {"MHz Mega e+6", "m", "ns Nano e-9", "m²", "m³"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(f_->Find<QComboBox>("Cb_Einheit" + QString::number(i))->currentText(),
                     units[i]);
            QVERIFY(f_->Find<QCheckBox>("chk_Feldauswahl" + QString::number(i))->isChecked());
        }
        QVERIFY(f_->Find<QCheckBox>("chk_Runden")->isChecked());
        QVERIFY(!f_->Find<QCheckBox>("chk_A2")->isChecked());
        QVERIFY(!f_->Find<QCheckBox>("chk_V2")->isChecked());
        QVERIFY(!f_->Find<QCheckBox>("chk_V4")->isChecked());
        QVERIFY(f_->Find<QRadioButton>("opt_Toleranz1")->isChecked());
        QCOMPARE(f_->Find<QLineEdit>("txt_Toleranz")->text(), QString("0.3"));
        QCOMPARE(f_->Find<QScrollBar>("HScroll_N0")->value(), 33);
        QCOMPARE(f_->Find<QScrollBar>("HScroll_N1")->value(), 33);
        QVERIFY(!f_->Find<QCheckBox>("Chk_Suchmodus")->isChecked());
        QVERIFY(!f_->Find<QLineEdit>("txt_Suchen0")->isEnabled());
        QVERIFY(f_->Find<QGroupBox>("Fr_N")->isVisible());

        // The first table: every element at N = 33.
        QVERIFY(f_->Table()->isVisible());
        QCOMPARE(f_->Rows(), 118);
        QCOMPARE(f_->Caption("Lab_AnzGefundenerElemente"), QString("118 Elemente"));
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Ce=2.42611E-12 m"));
        QCOMPARE(f_->Caption("Lab_N0"), QString("N von 33"));
        QCOMPARE(f_->Caption("Lab_N1"), QString("N bis 33"));
        QCOMPARE(f_->Caption("Lab_N_Offset"), QString());
        QCOMPARE(f_->Headers(), (QStringList{"", "Element", "Z", "N", "f in MHz", "L in m",
                                             "T in ns", "A in m²", "V in m³"}));
        QCOMPARE(f_->Row(0), (QStringList{"Wasserstoff", "1", "33", "14385,3475", "0,0208",
                                          "0,0695", "0,0004", "0"}));
        QVERIFY(f_->Find<QAction>("ME_Speichern0")->isEnabled());
        QVERIFY(f_->Find<QAction>("ME_Speichern1")->isEnabled());
        QVERIFY(!f_->Find<QAction>("ME_Auswerten")->isEnabled());
        QVERIFY(f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren")->isEnabled());
    }

    void tabOrderFollowsTheDesign() {
        f_->Start();
        const QStringList expected = {"cmd_ElementeVisible1",
                                      "cmd_ElementeVisible0",
                                      "lv_Elemente",
                                      "chk_Feldauswahl0",
                                      "Cb_Einheit0",
                                      "txt_Suchen0",
                                      "chk_Feldauswahl1",
                                      "Cb_Einheit1",
                                      "txt_Suchen1",
                                      "chk_Feldauswahl2",
                                      "Cb_Einheit2",
                                      "txt_Suchen2",
                                      "chk_Feldauswahl3",
                                      "Cb_Einheit3",
                                      "txt_Suchen3",
                                      "chk_Feldauswahl4",
                                      "Cb_Einheit4",
                                      "txt_Suchen4",
                                      "Chk_Suchmodus",
                                      "opt_Toleranz0",
                                      "opt_Toleranz1",
                                      "opt_Toleranz2",
                                      "opt_Toleranz4",
                                      "opt_Toleranz3",
                                      "opt_Toleranz5",
                                      "chk_Runden",
                                      "txt_Wunschfaktor0",
                                      "txt_Wunschfaktor1",
                                      "chk_A2",
                                      "chk_V2",
                                      "chk_V4",
                                      "Combo_Cx",
                                      "HScroll_N0",
                                      "txt_N_Value0",
                                      "HScroll_N1",
                                      "txt_N_Value1",
                                      "cmd_AusgewählteInListeMarkieren",
                                      "lv_Ausgabe",
                                      "txt_Toleranz"};
        QStringList chain;
        QWidget* widget = f_->Find<QWidget>(expected.first());
        do {
            if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget->objectName() != expected.first());
        QCOMPARE(chain, expected);
    }

    void captionEndsWithTheVersion() {
        const QString caption = f_->Start().windowTitle();
        QVERIFY(caption.startsWith(' '));
        QVERIFY(!caption.startsWith("  "));
        QRegularExpression version(" , Version \\d+\\.\\d+\\.\\d+$");
        QVERIFY2(version.match(caption).hasMatch(), qPrintable(caption));
    }

    void markerOtherThanNeinReadsTheStoreDirectly_data() {
        QTest::addColumn<QString>("marker");
        QTest::newRow("lower case") << "nein";
        QTest::newRow("Ja") << "Ja";
    }

    void markerOtherThanNeinReadsTheStoreDirectly() {
        QFETCH(QString, marker);
        Store("Fm_Main", "Einstellungen", marker);
        f_->Start();
        QCOMPARE(ComboItems("Combo_Cx"),
                 (QStringList{"-- ---", "-- ---", "-- ---", "-- ---", "-- ---"}));
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("--=1 m"));
        QCOMPARE(Stored("Fm_Main", "Cx0"), QString("<missing>"));
    }

    void storedValueTexts_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("label");
        QTest::newRow("zero") << "0"
                              << "Ce=1 m";
        QTest::newRow("no number") << "abc"
                                   << "Ce=1 m";
        QTest::newRow("trailing letters") << "2.5E-3xyz"
                                          << "Ce=.0025 m";
        QTest::newRow("decimal comma") << "2,5E-12"
                                       << "Ce=2 m";
        QTest::newRow("beyond the range") << "1E999"
                                          << "Ce=1.79769313486231E+308 m";
    }

    void storedValueTexts() {
        QFETCH(QString, stored);
        QFETCH(QString, label);
        Store("Fm_Main", "Einstellungen", "Ja");
        Store("Fm_Main", "Cx0", "Ce");
        Store("Fm_Main", "Cx_Wert0", stored);
        f_->Start();
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), label);
    }

    void storedReferenceChoiceIsRestored() {
        Store("Fm_Main", "Combo_Cx", "3");
        f_->Start();
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Cx=57910000000 m"));
    }

    void everyStoredControlComesBackAtTheNextStart() {
        f_->Start();
        f_->SelectUnit(0, "kHz Kilo e+3");
        f_->SelectUnit(4, "Parsec³");
        f_->SetChecked("chk_Runden", false);
        f_->SetChecked("chk_A2", true);
        f_->SetChecked("chk_V4", true);
        f_->SetChecked("chk_Feldauswahl2", false);
        f_->Find<QRadioButton>("opt_Toleranz4")->setChecked(true);
        f_->Find<QLineEdit>("txt_Toleranz")->setText("7,5 kein Wert");
        f_->Find<QComboBox>("Combo_Cx")->setCurrentIndex(2);
        f_->ElementList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        f_->ElementList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        f_->SetRange("5.5", "8");
        f_->CloseWindow();

        QCOMPARE(Stored("ElementVisible", "Z1"), QString("0"));
        QCOMPARE(Stored("ElementVisible", "Z2"), QString("0"));
        for (int z = 3; z <= 118; ++z) {
            QCOMPARE(Stored("ElementVisible", "Z" + QString::number(z)), QString("1"));
        }
        QCOMPARE(Stored("Fm_Main", "Cb_Einheit0"), QString("3"));
        QCOMPARE(Stored("Fm_Main", "txt_Toleranz"), QString("7,5 kein Wert"));
        QCOMPARE(Stored("Fm_Main", "WindowState"), QString("0"));

        f_->Start();
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit0")->currentText(), QString("kHz Kilo e+3"));
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit4")->currentText(), QString("Parsec³"));
        QVERIFY(!f_->Find<QCheckBox>("chk_Runden")->isChecked());
        QVERIFY(f_->Find<QCheckBox>("chk_A2")->isChecked());
        QVERIFY(!f_->Find<QCheckBox>("chk_V2")->isChecked());
        QVERIFY(f_->Find<QCheckBox>("chk_V4")->isChecked());
        QVERIFY(!f_->Find<QCheckBox>("chk_Feldauswahl2")->isChecked());
        QVERIFY(f_->Find<QRadioButton>("opt_Toleranz4")->isChecked());
        QCOMPARE(f_->Find<QLineEdit>("txt_Toleranz")->text(), QString("7,5 kein Wert"));
        QCOMPARE(f_->Find<QComboBox>("Combo_Cx")->currentIndex(), 2);
        QCOMPARE(f_->ElementList()->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(f_->ElementList()->topLevelItem(1)->checkState(0), Qt::Unchecked);
        QCOMPARE(f_->ElementList()->topLevelItem(2)->checkState(0), Qt::Checked);
        // The N range, the offset and the factors are not stored.
        QCOMPARE(f_->Find<QScrollBar>("HScroll_N0")->value(), 33);
        QCOMPARE(f_->Find<QScrollBar>("HScroll_N1")->value(), 33);
        QCOMPARE(f_->Rows(), 116);
        QCOMPARE(f_->Cell(0, 1), QString("Lithium"));
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Cn=1.3195909067E-15 m"));
    }

    void damagedSettingsGiveDefaults() {
        const QStringList garbage = {"", "abc", "-1", "99", "1E400", "2.5", "Ja", "\t"};
        int i = 0;
        for (const char* key :
             {"Cb_Einheit0", "Cb_Einheit1", "Cb_Einheit2", "Cb_Einheit3", "Cb_Einheit4",
              "opt_Toleranz", "Combo_Cx", "chk_Runden", "chk_Feldauswahl0", "chk_Feldauswahl4",
              "chk_A2", "chk_V2", "chk_V4", "L", "T", "W", "H", "WindowState"}) {
            Store("Fm_Main", key, garbage[i++ % garbage.size()]);
        }
        for (int z = 1; z <= 118; ++z) {
            Store("ElementVisible", "Z" + QString::number(z), "kaputt");
        }
        f_->Start();
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit0")->currentIndex(), 4);
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit3")->currentIndex(), 6);
        QVERIFY(f_->Find<QRadioButton>("opt_Toleranz1")->isChecked());
        QCOMPARE(f_->Find<QComboBox>("Combo_Cx")->currentIndex(), 0);
        QVERIFY(f_->Find<QCheckBox>("chk_Runden")->isChecked());
        QVERIFY(!f_->Find<QCheckBox>("chk_V4")->isChecked());
        QCOMPARE(f_->Rows(), 118);
        QVERIFY(!f_->Window().isMinimized());
    }

    void closingPathsAllStoreTheSettings_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("menu entry") << "ME_Beenden";
        QTest::newRow("Ctrl+Q") << "ctrl+q";
        QTest::newRow("Escape in the table") << "lv_Ausgabe";
        QTest::newRow("Escape in a unit list") << "Cb_Einheit2";
        QTest::newRow("Escape in a factor box") << "txt_Wunschfaktor0";
        QTest::newRow("Escape in the element list") << "lv_Elemente";
        QTest::newRow("Escape on an N bar") << "HScroll_N1";
    }

    void closingPathsAllStoreTheSettings() {
        QFETCH(QString, path);
        Fm_Main& window = f_->Start();
        QPointer<Fm_Main> alive(&window);
        window.activateWindow();
        f_->SelectUnit(1, "km Kilo e+3");
        if (path == "ME_Beenden") {
            f_->Find<QAction>("ME_Beenden")->trigger();
        } else if (path == "ctrl+q") {
            QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        } else {
            QWidget* control = f_->Find<QWidget>(path);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Escape);
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(Stored("Fm_Main", "Cb_Einheit1"), QString("6"));
    }
};

QTEST_MAIN(FmMainStartupTest)
#include "fm_main_startup_test.moc"
