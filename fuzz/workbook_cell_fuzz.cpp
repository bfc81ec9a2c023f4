// Any bytes as a workbook cell's text: the cell is well-formed XML, and a reader that undoes
// the workbook's "_xHHHH_" escapes gets back the text the bytes hold. That is the text
// QString::fromUtf8 reads in them, each byte that is no part of a valid UTF-8 character read
// as U+FFFD, but with a leading byte order mark kept as the character it is.
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cstdint>
#include <string>

#include "export/cell_xml.h"
#include "fuzz_checks.h"

namespace {

// "_xHHHH_" is the UTF-16 unit HHHH to a spreadsheet, read from left to right.
QString Unescaped(const QString& text) {
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString plain;
    qsizetype done = 0;
    for (auto matches = escape.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        plain += text.mid(done, match.capturedStart() - done);
        plain += QChar(static_cast<char16_t>(match.captured(1).toUInt(nullptr, 16)));
        done = match.capturedEnd();
    }
    return plain + text.mid(done);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string cell = "<c r=\"A1" + kolvenar::TextCellRest(bytes);
    QXmlStreamReader xml(QByteArray::fromStdString(cell));
    QString read;
    while (!xml.atEnd()) {  // also ends at the first error
        if (xml.readNext() == QXmlStreamReader::Characters) {
            read += xml.text();
        }
    }
    FUZZ_CHECK(!xml.hasError());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
    FUZZ_CHECK(Unescaped(read) == QString(utf8.decode(QByteArrayView(bytes))));
    return 0;
}
