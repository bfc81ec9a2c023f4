#include "export/export.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "export/table_text.h"
#include "export/windows1252.h"

namespace kolvenar {

namespace {

constexpr char kLineEnd[] = "\r\n";

}  // namespace

FileFailure SystemFailure(int systemError) {
    return {systemError, QString::fromLocal8Bit(std::strerror(systemError))};
}

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

QStringList ExportHeaderLines(const QString& referenceLengthCaption, const QDateTime& now) {
    return {QStringLiteral("REM Kolvenar ist ein Programm von Quorvin"),
            QStringLiteral("REM Datei wurde erzeugt am ") +
                now.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" um ") +
                now.toString(QStringLiteral("HH:mm")) + QStringLiteral(" Uhr"),
            QStringLiteral("REM Zuzovudezivudizer nach der Gleichung von Velmoran"),
            QStringLiteral("REM Comptonwellenlänge ") + referenceLengthCaption};
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

namespace {

// Replacing a file goes round its write permission; ask the file itself first.
std::optional<FileFailure> RefuseProtectedFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    QFile existing(path);
    errno = 0;
    if (!existing.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return DescribeFileFailure(existing, errno);
    }
    return std::nullopt;
}

}  // namespace

std::optional<FileFailure> WriteWholeFile(const QString& path, const FileProducer& produce) {
    if (auto refused = RefuseProtectedFile(path)) {
        return refused;
    }
    QSaveFile file(path);
    errno = 0;
    // Unbuffered, so that a full disk shows up in the write itself: an error that a buffer
    // meets only while the file is being committed would let a cut-off file take the place
    // of the earlier one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return DescribeFileFailure(file, errno);
    }
    bool refused = false;
    int writeError = 0;
    std::optional<FileFailure> ownFailure;
    const bool whole = produce(
        [&](std::string_view piece) {
            errno = 0;
            const auto size = static_cast<qint64>(piece.size());
            if (file.write(piece.data(), size) != size) {
                refused = true;
                writeError = errno;
                return false;
            }
            return true;
        },
        ownFailure);
    if (!whole) {
        file.cancelWriting();
        return ownFailure && !refused ? *ownFailure : DescribeFileFailure(file, writeError);
    }
    errno = 0;
    if (!file.commit()) {
        return DescribeFileFailure(file, errno);
    }
    return std::nullopt;
}

std::optional<FileFailure> WriteHeadedTextFile(const QString& path, const QStringList& headerLines,
                                               const std::function<bool(const TextSink&)>& body) {
    return WriteWholeFile(path, [&](const TextSink& write, std::optional<FileFailure>&) {
        std::string header;
        for (const QString& line : headerLines) {
            header += line.toStdString() + kLineEnd + kLineEnd;
        }
        return write(ToWindows1252(header)) && body(write) && write(kLineEnd);
    });
}

std::optional<FileFailure> WriteTextExport(const QString& path, const QStringList& headerLines,
                                           const ShownTable& table) {
    return WriteHeadedTextFile(path, headerLines, [&](const TextSink& write) {
        return WriteTableText(table, TableTextFormat{kLineEnd, true}, nullptr, write);
    });
}

}  // namespace kolvenar
