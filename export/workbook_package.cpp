#include "export/workbook_package.h"

#include <cerrno>

namespace kolvenar {

namespace {

constexpr char kXmlDeclaration[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

constexpr char kContentTypesHead[] =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/docProps/core.xml\" "
    "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";

constexpr char kPackageRelations[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
    "core-properties\" Target=\"docProps/core.xml\"/>"
    "</Relationships>";

constexpr char kWorkbookHead[] =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<bookViews><workbookView/></bookViews><sheets>";

constexpr char kRelationsHead[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";

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

std::string ContentTypes(std::size_t sheets) {
    std::string xml = kContentTypesHead;
    for (std::size_t i = 0; i < sheets; ++i) {
        xml += "<Override PartName=\"/" + SheetPartName(i) +
               "\" ContentType=\"application/"
               "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    }
    return xml + "</Types>";
}

// A sheet's name is XML text in an attribute; the names given are the program's own, which
// hold no character XML would have escaped.
std::string Workbook(std::span<const std::string_view> names) {
    std::string xml = kWorkbookHead;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        xml += "<sheet name=\"" + std::string(names[i]) + "\" sheetId=\"" + number +
               "\" r:id=\"rId" + number + "\"/>";
    }
    return xml + "</sheets></workbook>";
}

// The sheets are rId1 to rIdN, the styles the one after them.
std::string WorkbookRelations(std::size_t sheets) {
    std::string xml = kRelationsHead;
    for (std::size_t i = 0; i < sheets; ++i) {
        xml += "<Relationship Id=\"rId" + std::to_string(i + 1) +
               "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
               "worksheet\" Target=\"worksheets/sheet" +
               std::to_string(i + 1) + ".xml\"/>";
    }
    return xml + "<Relationship Id=\"rId" + std::to_string(sheets + 1) +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "styles\" Target=\"styles.xml\"/></Relationships>";
}

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

bool WritePart(ZipWriter& zip, std::string_view name, std::string_view xml) {
    return zip.Add(name, kXmlDeclaration + std::string(xml));
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

}  // namespace

std::string SheetPartName(std::size_t index) {
    return "xl/worksheets/sheet" + std::to_string(index + 1) + ".xml";
}

bool WriteWorkbookParts(ZipWriter& zip, std::span<const std::string_view> sheetNames,
                        const QDateTime& written) {
    return WritePart(zip, "[Content_Types].xml", ContentTypes(sheetNames.size())) &&
           WritePart(zip, "_rels/.rels", kPackageRelations) &&
           WritePart(zip, "docProps/core.xml", CoreProperties(written)) &&
           WritePart(zip, "xl/workbook.xml", Workbook(sheetNames)) &&
           WritePart(zip, "xl/_rels/workbook.xml.rels", WorkbookRelations(sheetNames.size())) &&
           WritePart(zip, "xl/styles.xml", kStyles);
}

std::optional<FileFailure> DescribeZipFailure(ZipFailure failure) {
    for (const ZipFailureText& text : kZipFailureTexts) {
        if (text.failure == failure) {
            return FileFailure{text.number, QString::fromUtf8(text.description)};
        }
    }
    return std::nullopt;
}

}  // namespace kolvenar
