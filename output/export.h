#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

#include <optional>
#include <string>

namespace kolvenar {

class ResultTableModel;

// "KolvenarAusgabe.TXT" for entry 0, "KolvenarAusgabe.XLS" for entry 1 (any other entry
// gives ".TXT"); both files hold the same text.
QString ExportFileName(int index);

// The table part of an export: the column titles from the second column on, then one line
// per row, fields separated by TAB, every line ended by CR LF. UTF-8.
std::string TableToText(const ResultTableModel& table);

// The whole file: four "REM" header lines, each followed by an empty line, the table text and
// a final empty line; in Windows-1252 with CR LF line ends.
QByteArray ExportFileContent(const QString& referenceLengthCaption, const QDateTime& now,
                             const std::string& tableText);

// Why a file could not be written: the number and description of the failing operation.
struct FileFailure {
    int number = 0;
    QString description;
};

// The number and text of the failing operation: the system's error when there is one
// (`systemError`, an errno), otherwise Qt's, and never a number 0 that would read as a success.
FileFailure DescribeFileFailure(const QFileDevice& file, int systemError);

// The folder an export is written to, or why it could not be made.
struct ExportFolder {
    QString path;
    std::optional<FileFailure> failure;
};

// The folder an export is written to. That is the program's own folder as long as the user
// may write to it. A program installed for all users may not, so its exports go to
// `userFolder`, the per-user data folder, which is created when missing. A program folder
// that does not exist or is not a folder is kept, so that the write reports it.
ExportFolder ChooseExportFolder(const QString& programFolder, const QString& userFolder);

// Writes `content` to `path` completely beside any earlier file and puts it in place only when
// it is whole, so a failure leaves the earlier file as it was. An existing file that may not
// be written to is left alone and reported.
std::optional<FileFailure> WriteWholeFile(const QString& path, const QByteArray& content);

}  // namespace kolvenar
