#include "output/workbook_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/elements.h"
#include "core/number_text.h"
#include "output/result_table_model.h"

namespace kolvenar {

namespace {

constexpr int kFixedColumns = 4;
constexpr double kNarrowest = 6;
constexpr double kWidest = 60;

// Characters of a UTF-8 text, the unit of a column width.
std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

class SheetWriter {
public:
    SheetWriter(lxw_workbook* workbook, const ResultTableModel& model)
        : model_(model), sheet_(workbook_add_worksheet(workbook, "Kolvenar")) {
        bold_ = workbook_add_format(workbook);
        format_set_bold(bold_);
        widths_.assign(static_cast<std::size_t>(std::max(model.columnCount() - 1, 0)), 0);
    }

    bool Valid() const { return sheet_ != nullptr; }

    void Write(const QStringList& headerLines) {
        for (const QString& line : headerLines) {
            String(row_++, 0, line.toStdString(), nullptr, false);
        }
        for (int c = 1; c < model_.columnCount(); ++c) {
            String(row_, static_cast<lxw_col_t>(c - 1), model_.HeaderText(c).toStdString(), bold_,
                   true);
        }
        ++row_;
        worksheet_freeze_panes(sheet_, row_, 0);
        const ResultTable& table = model_.Table();
        const std::size_t values =
            std::min<std::size_t>(table.ValueCount(), widths_.size() > 3 ? widths_.size() - 3 : 0);
        for (int shown = 0; shown < model_.rowCount(); ++shown) {
            const std::size_t built = model_.BuiltRow(shown);
            const int z = table.ElementAt(built);
            String(row_, 0, std::string(ElementName(z)), nullptr, true);
            Number(row_, 1, z);
            Number(row_, 2, table.NAt(built));
            for (std::size_t v = 0; v < values; ++v) {
                Number(row_, static_cast<lxw_col_t>(kFixedColumns - 1 + v),
                       table.ValueAt(built, v));
            }
            ++row_;
        }
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const double width =
                std::clamp(static_cast<double>(widths_[c]) + 2, kNarrowest, kWidest);
            worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 width, nullptr);
        }
    }

    lxw_error Error() const { return error_; }

private:
    void String(lxw_row_t row, lxw_col_t column, const std::string& text, lxw_format* format,
                bool measured) {
        Note(worksheet_write_string(sheet_, row, column, text.c_str(), format));
        if (measured) {
            Widen(column, Characters(text));
        }
    }

    // A value as the table shows it: rounded to its 15 significant digits, or "Überlauf".
    void Number(lxw_row_t row, lxw_col_t column, double value) {
        if (!std::isfinite(value)) {
            String(row, column, std::string(kOverflowText), nullptr, true);
            return;
        }
        char text[kNumberTextCapacity];
        const std::size_t length = FormatNumber(value, NumberStyle{".", true}, text);
        double shown = value;
        std::from_chars(text, text + length, shown);
        Note(worksheet_write_number(sheet_, row, column, shown, nullptr));
        Widen(column, length);
    }

    void Widen(lxw_col_t column, std::size_t characters) {
        if (column < widths_.size()) {
            widths_[column] = std::max(widths_[column], characters);
        }
    }

    void Note(lxw_error error) {
        if (error_ == LXW_NO_ERROR) {
            error_ = error;
        }
    }

    const ResultTableModel& model_;
    lxw_worksheet* sheet_;
    lxw_format* bold_ = nullptr;
    std::vector<std::size_t> widths_;
    lxw_row_t row_ = 0;
    lxw_error error_ = LXW_NO_ERROR;
};

std::optional<FileFailure> Failure(lxw_error error) {
    if (error == LXW_NO_ERROR) {
        return std::nullopt;
    }
    if (errno != 0) {
        return SystemFailure(errno);
    }
    return FileFailure{static_cast<int>(error), QString::fromUtf8(lxw_strerror(error))};
}

}  // namespace

std::optional<FileFailure> WriteWorkbook(const QString& path, const QStringList& headerLines,
                                         const ResultTableModel& model) {
    return ReplaceFile(path, [&](const QString& temporaryPath) -> std::optional<FileFailure> {
        // Rows go to a temporary file as they are written, so the table is never held twice.
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        const QByteArray fileName = temporaryPath.toLocal8Bit();
        errno = 0;
        lxw_workbook* workbook = workbook_new_opt(fileName.constData(), &options);
        if (workbook == nullptr) {
            return Failure(LXW_ERROR_MEMORY_MALLOC_FAILED);
        }
        SheetWriter sheet(workbook, model);
        if (sheet.Valid()) {
            sheet.Write(headerLines);
        }
        errno = 0;
        const lxw_error closing = workbook_close(workbook);
        if (!sheet.Valid()) {
            return Failure(LXW_ERROR_CREATING_TMPFILE);
        }
        return Failure(sheet.Error() != LXW_NO_ERROR ? sheet.Error() : closing);
    });
}

}  // namespace kolvenar
