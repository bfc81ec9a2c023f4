#include "export/workbook_export.h"

#include <QDateTime>

#include <algorithm>
#include <string>
#include <thread>

#include "export/sheet_xml.h"
#include "export/workbook_package.h"
#include "export/zip_archive.h"

namespace kolvenar {

namespace {

// The sheet: its rows in pieces that are turned into XML and compressed on every core, then
// joined in order. The pieces do not depend on the number of cores, nor do the bytes.
bool CompressSheet(const SheetXml& sheet, DeflateStream& compressed, unsigned workers) {
    constexpr int kRowsPerPiece = 2048;
    const int rows = sheet.RowCount();
    const auto make = [&](std::size_t piece, std::string& text) {
        const int first = static_cast<int>(piece) * kRowsPerPiece;
        sheet.AppendRows(first, std::min(first + kRowsPerPiece, rows), text);
    };
    const auto pieces = static_cast<std::size_t>((rows + kRowsPerPiece - 1) / kRowsPerPiece);
    return compressed.Feed(sheet.Head()) && FeedPieces(compressed, pieces, make, workers) &&
           compressed.Feed(SheetXml::Tail());
}

}  // namespace

std::optional<FileFailure> WriteWorkbook(const QString& path, const QStringList& headerLines,
                                         const ShownTable& table, std::uint64_t largest) {
    // Each worker holds a piece of about a megabyte and a compressor: eight at most keep the
    // memory small on machines with many cores.
    constexpr unsigned kMostWorkers = 8;
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, kMostWorkers);
    const SheetXml sheet(table, headerLines, workers);
    const QDateTime now = QDateTime::currentDateTime();
    return WriteWholeFile(path, [&](const TextSink& write, std::optional<FileFailure>& failure) {
        ZipWriter zip(write, now.toSecsSinceEpoch(), largest);
        constexpr std::string_view kSheetName[] = {"Kolvenar"};
        const bool whole =
            WriteWorkbookParts(zip, kSheetName, now) &&
            zip.Add(SheetPartName(0),
                    [&](DeflateStream& stream) { return CompressSheet(sheet, stream, workers); }) &&
            zip.Finish();
        failure = DescribeZipFailure(zip.Failure());
        return whole;
    });
}

}  // namespace kolvenar
