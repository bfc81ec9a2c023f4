#include "ui/windows/multisearch_list_file.h"

#include <QDir>
#include <QFile>

#include <string_view>

#include "multisearch/value_list.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

const QString kListFileName = QStringLiteral("Mehrfachsuche.txt");

// Far more than 10,000 values with long labels; a larger file is no list of values, and the
// text box would take minutes to show it.
constexpr qint64 kLargestList = 16 * 1024 * 1024;

QString Quoted(const QString& path) {
    return QStringLiteral("'") + QDir::toNativeSeparators(path) + QStringLiteral("'");
}

}  // namespace

QString StoredListPath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(kListFileName);
}

QString ReadStoredList(const QString& dataFolder) {
    QFile file(StoredListPath(dataFolder));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestList) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

std::optional<FileFailure> StoreList(const QString& dataFolder, const QString& text) {
    if (!QDir().mkpath(dataFolder)) {
        return FileFailure{0, QStringLiteral("Der Ordner ") + Quoted(dataFolder) +
                                  QStringLiteral(" kann nicht angelegt werden")};
    }
    const QByteArray bytes = text.toUtf8();
    return WriteWholeFile(StoredListPath(dataFolder), [&bytes](const TextSink& write,
                                                               std::optional<FileFailure>&) {
        return write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

OpenedList OpenListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QStringLiteral("Die Datei ") + Quoted(path) +
                                  QStringLiteral(" kann nicht gelesen werden: ") +
                                  file.errorString()};
    }
    if (file.size() > kLargestList) {
        return {std::nullopt, QStringLiteral("Die Datei ") + Quoted(path) +
                                  QStringLiteral(" ist zu groß für eine Liste von Werten.")};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, QStringLiteral("Die Datei ") + Quoted(path) +
                                  QStringLiteral(" kann nicht gelesen werden: ") +
                                  file.errorString()};
    }
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!IsText(view)) {
        return {std::nullopt, QStringLiteral("Die Datei ") + Quoted(path) +
                                  QStringLiteral(" ist keine Textdatei.")};
    }
    return {FromUtf8(DecodeText(view)), QString()};
}

}  // namespace kolvenar
