#include "output/export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/elements.h"
#include "core/number_text.h"
#include "output/result_table_model.h"
#include "output/windows1252.h"

namespace kolvenar {

namespace {

constexpr char kLineEnd[] = "\r\n";

void AppendNumber(std::string& out, double value, const NumberStyle& style) {
    char buffer[kNumberTextCapacity];
    out.append(buffer, FormatNumber(value, style, buffer));
}

FileFailure SystemFailure(int systemError) {
    return {systemError, QString::fromLocal8Bit(std::strerror(systemError))};
}

}  // namespace

FileFailure DescribeFileFailure(const QFileDevice& file, int systemError) {
    if (systemError != 0) {
        return SystemFailure(systemError);
    }
    if (file.error() != QFileDevice::NoError) {
        return {static_cast<int>(file.error()), file.errorString()};
    }
    return {static_cast<int>(QFileDevice::UnspecifiedError), QStringLiteral("Unbekannter Fehler")};
}

QString ExportFileName(int index) {
    return QStringLiteral("KolvenarAusgabe") +
           (index == 1 ? QStringLiteral(".XLS") : QStringLiteral(".TXT"));
}

std::string TableToText(const ResultTableModel& model) {
    const int columns = model.columnCount();
    std::string text;
    for (int c = 1; c < columns; ++c) {
        text += model.HeaderText(c).toStdString();
        if (c < columns - 1) {
            text += '\t';
        }
    }
    text += kLineEnd;

    const ResultTable& table = model.Table();
    const NumberStyle style{model.DecimalSeparator(), true};
    const std::size_t values = std::min<std::size_t>(
        table.ValueCount(), static_cast<std::size_t>(std::max(columns - 4, 0)));
    text.reserve(text.size() + table.RowCount() * (16 + 20 * values));
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        // Columns 1 to 3 are element, Z and N; the values follow.
        if (columns > 1) {
            text += ElementName(table.ElementAt(row));
        }
        if (columns > 2) {
            text += '\t';
            text += std::to_string(table.ElementAt(row));
        }
        if (columns > 3) {
            text += '\t';
            AppendNumber(text, table.NAt(row), style);
        }
        for (std::size_t v = 0; v < values; ++v) {
            text += '\t';
            AppendNumber(text, table.ValueAt(row, v), style);
        }
        text += kLineEnd;
    }
    return text;
}

QByteArray ExportFileContent(const QString& referenceLengthCaption, const QDateTime& now,
                             const std::string& tableText) {
    const QString paragraph = QStringLiteral("\r\n\r\n");
    const QString header =
        QStringLiteral("REM Kolvenar ist ein Programm von Quorvin") + paragraph +
        QStringLiteral("REM Datei wurde erzeugt am ") + now.toString(QStringLiteral("dd.MM.yyyy")) +
        QStringLiteral(" um ") + now.toString(QStringLiteral("HH:mm")) + QStringLiteral(" Uhr") +
        paragraph + QStringLiteral("REM Zuzovudezivudizer nach der Gleichung von Velmoran") +
        paragraph + QStringLiteral("REM Comptonwellenlänge ") + referenceLengthCaption + paragraph;
    // Converted piece by piece, so the large table text is not copied once more first.
    const std::string head = ToWindows1252(header.toStdString());
    const std::string table = ToWindows1252(tableText);
    QByteArray content;
    content.reserve(static_cast<qsizetype>(head.size() + table.size() + 2));
    content.append(head.data(), static_cast<qsizetype>(head.size()));
    content.append(table.data(), static_cast<qsizetype>(table.size()));
    content.append(kLineEnd);
    return content;
}

ExportFolder ChooseExportFolder(const QString& programFolder, const QString& userFolder) {
    const QFileInfo program(programFolder);
    if (!program.isDir() || program.isWritable() || userFolder.isEmpty()) {
        return {programFolder, std::nullopt};
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(userFolder.toStdString()), error);
    if (error) {
        return {userFolder, SystemFailure(error.value())};
    }
    return {userFolder, std::nullopt};
}

std::optional<FileFailure> WriteWholeFile(const QString& path, const QByteArray& content) {
    // Replacing a file goes round its write permission; ask the file itself first.
    if (QFileInfo::exists(path)) {
        QFile existing(path);
        errno = 0;
        if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) {
            return DescribeFileFailure(existing, errno);
        }
    }
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a full disk shows up in the write itself: an error that a buffer
    // meets only while the file is being committed would let a cut-off file take the place
    // of the earlier one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return DescribeFileFailure(file, errno);
    }
    errno = 0;
    if (file.write(content) != content.size()) {
        const int error = errno;
        file.cancelWriting();
        return DescribeFileFailure(file, error);
    }
    errno = 0;
    if (!file.commit()) {
        return DescribeFileFailure(file, errno);
    }
    return std::nullopt;
}

}  // namespace kolvenar
