#include "export/workbook_export.h"

#include <QDateTime>

#include <algorithm>
#include <cerrno>
#include <string>
#include <thread>

#include "export/sheet_xml.h"
#include "export/zip_archive.h"

namespace kolvenar {

namespace {

constexpr char kXmlDeclaration[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

constexpr char kContentTypes[] =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/docProps/core.xml\" "
    "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "</Types>";

constexpr char kPackageRelations[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
    "core-properties\" Target=\"docProps/core.xml\"/>"
    "</Relationships>";

constexpr char kWorkbook[] =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<bookViews><workbookView/></bookViews>"
    "<sheets><sheet name=\"Kolvenar\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";

constexpr char kWorkbookRelations[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/>"
    "</Relationships>";

// Style 0 plain, style 1 bold (the column titles).
constexpr char kStyles[] =
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
    "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
    "</cellStyleXfs><cellXfs count=\"2\">"
    "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>"
    "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
    "</cellStyles></styleSheet>";

std::string CoreProperties(const QDateTime& written) {
    const std::string when =
        written.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toStdString();
    return "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
           when + "</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + when +
           "</dcterms:modified></cp:coreProperties>";
}

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

// What the message says when the workbook stopped although the disk took every byte. The
// numbers are the system's for the same trouble, so that they read like the disk's failures.
struct ZipFailureText {
    ZipFailure failure;
    int number;
    const char* description;
};
constexpr ZipFailureText kZipFailureTexts[] = {
    {ZipFailure::kTooLarge, EFBIG, "Die Arbeitsmappe wäre größer als 4 GiB"},
    // zlib fails to start for want of memory.
    {ZipFailure::kCompressionNotStarted, ENOMEM, "Die Kompression konnte nicht beginnen"},
    {ZipFailure::kCompressionBroken, EIO, "Die Kompression brach ab"},
};

std::optional<FileFailure> DescribeZipFailure(ZipFailure failure) {
    for (const ZipFailureText& text : kZipFailureTexts) {
        if (text.failure == failure) {
            return FileFailure{text.number, QString::fromUtf8(text.description)};
        }
    }
    return std::nullopt;
}

bool WritePart(ZipWriter& zip, std::string_view name, std::string_view xml) {
    return zip.Add(name, kXmlDeclaration + std::string(xml));
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
        const bool whole =
            WritePart(zip, "[Content_Types].xml", kContentTypes) &&
            WritePart(zip, "_rels/.rels", kPackageRelations) &&
            WritePart(zip, "docProps/core.xml", CoreProperties(now)) &&
            WritePart(zip, "xl/workbook.xml", kWorkbook) &&
            WritePart(zip, "xl/_rels/workbook.xml.rels", kWorkbookRelations) &&
            WritePart(zip, "xl/styles.xml", kStyles) &&
            zip.Add("xl/worksheets/sheet1.xml",
                    [&](DeflateStream& stream) { return CompressSheet(sheet, stream, workers); }) &&
            zip.Finish();
        failure = DescribeZipFailure(zip.Failure());
        return whole;
    });
}

}  // namespace kolvenar
