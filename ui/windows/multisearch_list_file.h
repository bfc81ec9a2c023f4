#pragma once

#include <QString>

#include <optional>

#include "export/export.h"

namespace kolvenar {

// The list of the Mehrfachsuche is kept between runs in a file of its own in the user's data
// folder, never in the settings file, which a long list would bloat.
QString StoredListPath(const QString& dataFolder);

// The list as last stored; empty when there is none.
QString ReadStoredList(const QString& dataFolder);

// Stores the list as UTF-8, whole or not at all; creates the folder when missing.
std::optional<FileFailure> StoreList(const QString& dataFolder, const QString& text);

// A file the user opens as a list: its text, or why it cannot be one.
struct OpenedList {
    std::optional<QString> text;
    QString failure;
};

// Reads a text or CSV file (UTF-8, or Windows-1252 where it is not valid UTF-8). A file that
// cannot be read, holds a NUL byte in its first 4 KiB or is too large to be a list gives the
// German reason instead.
OpenedList OpenListFile(const QString& path);

}  // namespace kolvenar
