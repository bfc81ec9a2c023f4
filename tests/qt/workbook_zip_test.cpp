// The workbook's zip container: a sheet compressed in pieces on every core and joined into one
// stream, the same bytes on any number of workers, and the entries' MS-DOS date. The copied text,
// written in ranges of rows, the same on any number of workers.
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <string>

#include "core/elements.h"
#include "export/table_text.h"
#include "export/workbook_export.h"
#include "export/zip_archive.h"
#include "table/columns.h"
#include "table/shown_table.h"
#include "table/table_builder.h"

using namespace kolvenar;

namespace {

// The first `elements` elements (else 1, 55 and 118) over N from -900 to 900, every quantity, not
// rounded, sorted by L descending; the three give 5,403 rows, a sheet of several pieces.
ShownTable TableOfManyPieces(int elements = 0) {
    TableRequest request;
    request.nFromScroll = -900;
    request.nToScroll = 900;
    request.quantityShown.fill(true);
    request.rounding = false;
    request.cx = 2.42611E-12;
    request.wunschfaktorF = 2;
    request.wunschfaktorL = 0.5;
    for (int z = 1; z <= kElementCount; ++z) {
        request.elementChosen[static_cast<std::size_t>(z)] =
            elements > 0 ? z <= elements : z == 1 || z == 55 || z == 118;
    }
    const std::vector<const ColumnKind*> columns = ChooseColumns(request);
    ShownTable shown;
    shown.SetDecimalSeparator(",");
    shown.SetHeaders(ColumnHeaders(request, columns, ","));
    shown.SetRows(RunTable(request, columns).table);
    shown.SortBy(shown.ColumnOf(Kind("L")), true);
    return shown;
}

// An entry as Python's zipfile reads it, every check sum tested, where unzip also finds every
// entry whole; "unreadable" where either finds a fault.
QByteArray Entry(const QString& path, const QString& name) {
    QProcess unzip;
    unzip.start("unzip", {"-tq", path});
    QProcess python;
    python.start("python3", {"-c",
                             "import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); z.testzip() "
                             "and sys.exit(1); sys.stdout.buffer.write(z.read(sys.argv[2]))",
                             path, name});
    const bool read = unzip.waitForFinished() && unzip.exitCode() == 0 &&
                      python.waitForFinished() && python.exitCode() == 0;
    return read ? python.readAllStandardOutput() : QByteArray("unreadable");
}

}  // namespace

class WorkbookZipTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir files_;

private slots:
    // A sheet of many pieces, compressed on every core and joined into one stream after the
    // head the file's own stream compressed: unpacked, the very bytes a sheet written in one
    // piece had (their SHA-256 taken then).
    void workbookOfManyPieces() {
        const QString path = files_.filePath("gross.xlsx");
        QVERIFY(!WriteWorkbook(path, {"REM Kopf", "", "REM Zeile"}, TableOfManyPieces()));
        const QByteArray sheet = Entry(path, "xl/worksheets/sheet1.xml");
        QCOMPARE(sheet.size(), 2344891);
        QCOMPARE(QCryptographicHash::hash(sheet, QCryptographicHash::Sha256).toHex(),
                 QByteArray("071b066afae51c646de78fd8a330d3adcb487052e08a9de88a52e4b9c4475ff1"));
    }

    // The same archive on one worker or several. (What it unpacks to: workbookOfManyPieces.)
    void zipOfPiecesOnAnyNumberOfWorkers() {
        const auto make = [](std::size_t piece, std::string& text) {
            text.append(piece * 997 % 5000, static_cast<char>('a' + piece % 26));
        };
        std::string archives[3];
        for (unsigned workers = 1; workers <= 3; ++workers) {
            std::string& bytes = archives[workers - 1];
            ZipWriter zip(
                [&bytes](std::string_view piece) {
                    bytes += piece;
                    return true;
                },
                0);
            QVERIFY(zip.Add("a.txt", [&](DeflateStream& stream) {
                return stream.Feed("Kopf") && FeedPieces(stream, 60, make, workers);
            }));
        }
        QCOMPARE(archives[1], archives[0]);
        QCOMPARE(archives[2], archives[0]);
    }

    // 36,020 rows with a few not highlighted, copied in up to four ranges of rows: the text of
    // one, whatever the number of threads.
    void copyOnAnyNumberOfWorkers() {
        const ShownTable table = TableOfManyPieces(20);
        std::vector<int> rows;
        for (int row = 0; row < static_cast<int>(table.RowCount()); ++row) {
            if (row % 9001 != 3) {
                rows.push_back(row);
            }
        }
        const QByteArray one = TableText(table, TableTextFormat{"\n", false}, &rows, 1);
        QCOMPARE(one.count('\n'), 36016);
        for (unsigned workers = 2; workers <= 5; ++workers) {
            QCOMPARE(TableText(table, TableTextFormat{"\n", false}, &rows, workers), one);
        }
    }

    // A zip entry's MS-DOS date: a clock outside 1980 to 2107, or one the C library cannot
    // read, gives the nearest date the format holds.
    void zipEntryDate_data() {
        QTest::addColumn<qint64>("clock");
        QTest::addColumn<QString>("dated");
        QTest::newRow("1979") << qint64(298296000) << "1980-01-01 00:00:00";
        QTest::newRow("2200") << qint64(7258118400) << "2107-12-31 23:59:58";
        QTest::newRow("unreadable") << std::numeric_limits<qint64>::max() << "2107-12-31 23:59:58";
    }

    void zipEntryDate() {
        QFETCH(qint64, clock);
        QFETCH(QString, dated);
        std::string bytes;
        ZipWriter zip(
            [&bytes](std::string_view piece) {
                bytes += piece;
                return true;
            },
            static_cast<std::time_t>(clock));
        QVERIFY(zip.Add("a", "b"));
        // The local header's time and date fields, little-endian.
        const int time = uchar(bytes[10]) | uchar(bytes[11]) << 8;
        const int date = uchar(bytes[12]) | uchar(bytes[13]) << 8;
        QCOMPARE(
            QString::asprintf("%d-%02d-%02d %02d:%02d:%02d", (date >> 9) + 1980, (date >> 5) & 15,
                              date & 31, time >> 11, (time >> 5) & 63, (time & 31) * 2),
            dated);
    }
};

QTEST_MAIN(WorkbookZipTest)
#include "workbook_zip_test.moc"
