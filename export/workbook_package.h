#pragma once

#include <QDateTime>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "export/export.h"
#include "export/zip_archive.h"

namespace kolvenar {

// The parts of a workbook besides its sheets: the content types, the relations of the package
// and of the workbook, the workbook with its list of sheets, the styles (0 plain, 1 bold) and
// the document's dates. Sheet i of `sheetNames` is the part xl/worksheets/sheet<i + 1>.xml,
// which the caller adds after these.
bool WriteWorkbookParts(ZipWriter& zip, std::span<const std::string_view> sheetNames,
                        const QDateTime& written);

// The name of the part that holds sheet `index` (from 0).
std::string SheetPartName(std::size_t index);

// Why a workbook stopped although the disk took every byte; none when it was the disk.
std::optional<FileFailure> DescribeZipFailure(ZipFailure failure);

}  // namespace kolvenar
