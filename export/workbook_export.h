#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

#include "export/export.h"
#include "export/zip_archive.h"

namespace kolvenar {

class ShownTable;

// Writes the table as shown into an Excel workbook (.xlsx) with one sheet "Kolvenar": the
// header lines of the text export one per row, the column titles in bold with the rows below
// them frozen, then the rows. Element names and "Überlauf" are text; Z, N and every value are
// numbers that hold exactly what the table shows. Columns are as wide as their contents.
// An earlier file survives a failure. No part nor the workbook may pass `largest` bytes, less
// than a zip's 4 GiB only to test the refusal.
std::optional<FileFailure> WriteWorkbook(const QString& path, const QStringList& headerLines,
                                         const ShownTable& table,
                                         std::uint64_t largest = kLargestZip);

}  // namespace kolvenar
