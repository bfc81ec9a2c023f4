#pragma once

#include <string>
#include <string_view>

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
