// Getting results out of the table: copying highlighted rows, sorting by a column, and what the
// export, the copy and the marking button make of a sorted table.
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainResultsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    QHeaderView* Header() { return f_->Table()->header(); }

    void ClickHeader(const QString& title) {
        const int column = static_cast<int>(f_->Headers().indexOf(title));
        QVERIFY2(column > 0, qPrintable(title));
        const int x = Header()->sectionViewportPosition(column) + Header()->sectionSize(column) / 2;
        QTest::mouseClick(Header()->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }

    // Each row as "Z:N", top to bottom.
    QStringList Order() {
        QStringList rows;
        for (int row = 0; row < f_->Rows(); ++row) {
            rows << f_->Cell(row, 2) + ":" + f_->Cell(row, 3);
        }
        return rows;
    }

    void Highlight(std::initializer_list<int> rows) {
        for (int row : rows) {
            f_->Table()->selectionModel()->select(
                f_->TableModel()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    // A key as the window system delivers it, shortcuts first, to the table that has the focus.
    void Press(QKeySequence::StandardKey key) {
        f_->Table()->setFocus();
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(f_->Window().windowHandle(), combination.key(),
                        combination.keyboardModifiers());
    }

    QString Clipboard() { return QGuiApplication::clipboard()->text(); }

    // Hydrogen and molybdenum at N = 33 and 34, only the wavelength in metres, rounded.
    void TwoElementsTwoN() {
        f_->ChooseOnly({1, 42});
        for (int i : {0, 2, 3, 4}) {
            f_->SetChecked("chk_Feldauswahl" + QString::number(i), false);
        }
        f_->SetRange("33", "34");
    }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
        f_->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f_->Window()));
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void copyPutsTheHighlightedRowsOnTheClipboard_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("text");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("two rows, German") << german << false
                                          << "Element\tZ\tN\tL in m\n"
                                             "Wasserstoff\t1\t34\t0,0417\n"
                                             "Molybdän\t42\t33\t0,8753\n";
        QTest::newRow("all rows, English") << english << true
                                           << "Element\tZ\tN\tL in m\n"
                                              "Wasserstoff\t1\t33\t0.0208\n"
                                              "Wasserstoff\t1\t34\t0.0417\n"
                                              "Molybdän\t42\t33\t0.8753\n"
                                              "Molybdän\t42\t34\t1.7506\n";
    }

    void copyPutsTheHighlightedRowsOnTheClipboard() {
        QFETCH(QLocale, locale);
        QFETCH(bool, all);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        TwoElementsTwoN();
        auto* copy = f_->Find<QAction>("ME_Kopieren");
        QVERIFY(!copy->isEnabled());  // nothing highlighted yet
        QGuiApplication::clipboard()->clear();
        if (all) {
            Press(QKeySequence::SelectAll);
        } else {
            Highlight({1, 2});
        }
        QVERIFY(copy->isEnabled());
        Press(QKeySequence::Copy);
        QCOMPARE(Clipboard(), text);
        const QStringList entries = {f_->Table()->actions()[0]->text(),
                                     f_->Table()->actions()[1]->text()};
        QCOMPARE(entries, (QStringList{"Kopieren", "Alles auswählen"}));
    }

    // Numbers by value, negative ones too; "Überlauf" after every number in both directions;
    // equal values keep the order they were built in; the sort survives a rebuild.
    void sortingByAColumn_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::addColumn<QStringList>("descending");
        QTest::newRow("area with Überlauf")
            << "A in m²" << QStringList{"1:549", "1:550", "2:549", "1:551", "2:550", "2:551"}
            << QStringList{"1:550", "2:549", "1:549", "1:551", "2:550", "2:551"};
        QTest::newRow("negative factor")
            << "f * -2 in MHz" << QStringList{"1:549", "1:550", "2:549", "1:551", "2:550", "2:551"}
            << QStringList{"2:551", "1:551", "2:550", "1:550", "2:549", "1:549"};
        QTest::newRow("N") << "N"
                           << QStringList{"1:549", "2:549", "1:550", "2:550", "1:551", "2:551"}
                           << QStringList{"1:551", "2:551", "1:550", "2:550", "1:549", "2:549"};
    }

    void sortingByAColumn() {
        QFETCH(QString, column);
        QFETCH(QStringList, ascending);
        QFETCH(QStringList, descending);
        f_->ChooseOnly({1, 2});
        f_->SetChecked("chk_Runden", false);
        testing::TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "-2");
        f_->SetRange("549", "551");
        const QStringList built = Order();

        ClickHeader(column);
        QCOMPARE(Order(), ascending);
        const int section = static_cast<int>(f_->Headers().indexOf(column));
        QCOMPARE(Header()->sortIndicatorSection(), section);
        QCOMPARE(Header()->sortIndicatorOrder(), Qt::AscendingOrder);
        ClickHeader(column);
        QCOMPARE(Order(), descending);
        QCOMPARE(Header()->sortIndicatorOrder(), Qt::DescendingOrder);

        f_->SetChecked("chk_Feldauswahl2", false);  // a rebuild with one column fewer
        QCOMPARE(Order(), descending);
        QCOMPARE(Header()->sortIndicatorSection(), f_->Headers().indexOf(column));

        ClickHeader(column);
        QCOMPARE(Order(), built);
        QCOMPARE(Header()->sortIndicatorSection(), -1);
    }

    void elementsSortByTheirGermanNames() {
        f_->ChooseOnly({20, 27, 55, 58});
        f_->SetRange("0", "0");
        ClickHeader("Element");
        QCOMPARE(Order(), (QStringList{"20:0", "55:0", "58:0", "27:0"}));  // Cäsium before Cer
        ClickHeader("Element");
        QCOMPARE(Order(), (QStringList{"27:0", "58:0", "55:0", "20:0"}));
    }

    void exportCopyAndMarkingWorkOnTheSortedRows() {
        TwoElementsTwoN();
        ClickHeader("Element");  // Molybdän first
        QCOMPARE(Order(), (QStringList{"42:33", "42:34", "1:33", "1:34"}));

        QTemporaryDir folder;
        f_->Window().SetExportFolder(folder.path());
        f_->desktop.Answer(MessageAnswer::Ok);
        f_->Find<QAction>("ME_Speichern0")->trigger();
        const QByteArray file = testing::ReadFileBytes(folder.filePath("KolvenarAusgabe.TXT"));
        QVERIFY(
            file.endsWith("Molybd\xE4n\t42\t33\t0,8753\r\n"
                          "Molybd\xE4n\t42\t34\t1,7506\r\n"
                          "Wasserstoff\t1\t33\t0,0208\r\n"
                          "Wasserstoff\t1\t34\t0,0417\r\n\r\n"));

        Highlight({0});
        Press(QKeySequence::Copy);
        QCOMPARE(Clipboard(), QString("Element\tZ\tN\tL in m\nMolybdän\t42\t33\t0,8753\n"));

        QTest::mouseClick(f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren"), Qt::LeftButton);
        QCOMPARE(f_->ElementList()->topLevelItem(41)->checkState(0), Qt::Checked);
        QCOMPARE(f_->ElementList()->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(Order(), (QStringList{"42:33", "42:34"}));
    }
};

QTEST_MAIN(FmMainResultsTest)
#include "fm_main_results_test.moc"
