#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kolvenar {

// A text as a workbook cell holds it, to stand between <t> and </t>: well-formed XML whatever
// the text holds. XML's special characters are escaped. The characters XML may not hold
// (control characters but tab and line feed, U+FFFE, U+FFFF) and anything a reader would take
// for such an escape ("_x0041_") are written as the workbook's "_xHHHH_", so that they read
// back as they were. A byte that is no part of a valid UTF-8 character reads as U+FFFD, as
// QString::fromUtf8 reads it.
std::string EscapedCellText(std::string_view utf8);

// The rest of an inline text cell after its reference (`<c r="A1`): its style, 0 for none,
// and its text.
std::string TextCellRest(std::string_view utf8, int style = 0);

}  // namespace kolvenar

namespace kolvenar {

// The letters of a sheet column: "A" for column 0, "Z" for 25, "AA" for 26.
std::string ColumnLetters(std::size_t column);

// The characters of a UTF-8 text, the unit of a column's width.
std::size_t CharacterCount(std::string_view utf8);

// The <cols> element for columns as wide as the given numbers of characters: two characters
// of room, never narrower than six.
std::string ColumnWidthsXml(const std::vector<std::size_t>& characters);

}  // namespace kolvenar
