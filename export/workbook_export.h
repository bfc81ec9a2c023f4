#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "export/export.h"

namespace kolvenar {

class ShownTable;

// Writes the table as shown into an Excel workbook (.xlsx) with one sheet "Kolvenar": the
// header lines of the text export one per row, the column titles in bold with the rows below
// them frozen, then the rows. Element names and "Überlauf" are text; Z, N and every value are
// numbers that hold exactly what the table shows. Columns are as wide as their contents.
// An earlier file survives a failure.
std::optional<FileFailure> WriteWorkbook(const QString& path, const QStringList& headerLines,
                                         const ShownTable& table);

}  // namespace kolvenar
