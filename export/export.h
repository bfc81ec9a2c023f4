#pragma once

#include <QDateTime>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "export/text_sink.h"

namespace kolvenar {

class ShownTable;

// "KolvenarAusgabe.TXT" for entry 0, "KolvenarAusgabe.XLS" for entry 1 (any other entry
// gives ".TXT"); both files hold the same text.
QString ExportFileName(int index);

// The four lines that head every export: the program, the time of writing, the equation and
// the reference length in use.
QStringList ExportHeaderLines(const QString& referenceLengthCaption, const QDateTime& now);

// Why a file could not be written: the number and description of the failing operation.
struct FileFailure {
    int number = 0;
    QString description;
};

// A failure with the system's error number (an errno) and its description.
FileFailure SystemFailure(int systemError);

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

// Hands the content of a file to the sink it is given, piece by piece; false when it stopped,
// because the sink refused a piece or for a reason of its own, which it then puts in `failure`.
using FileProducer =
    std::function<bool(const TextSink& write, std::optional<FileFailure>& failure)>;

// Writes a file completely beside any earlier file and puts it in place only when it is
// whole, so a failure leaves the earlier file as it was. An existing file that may not be
// written to is left alone and reported. A producer's own failure is reported as it names it.
std::optional<FileFailure> WriteWholeFile(const QString& path, const FileProducer& produce);

// A text file in the form of the program's exports: the header lines, each followed by an
// empty line, what `body` writes and a final empty line, in Windows-1252 with CR LF line ends.
std::optional<FileFailure> WriteHeadedTextFile(const QString& path, const QStringList& headerLines,
                                               const std::function<bool(const TextSink&)>& body);

// The text export: the table as shown, in that form.
std::optional<FileFailure> WriteTextExport(const QString& path, const QStringList& headerLines,
                                           const ShownTable& table);

}  // namespace kolvenar
