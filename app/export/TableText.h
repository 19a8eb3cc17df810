#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Control points as text, the way spreadsheets put a range of cells on the clipboard: one
// point a line, its X, Y and Z cells separated by tabs.
namespace Bezier {

using TCellTexts = std::array<std::string, 3>;
using TPointValues = std::array<std::int32_t, 3>;

// Each row's three texts as they stand, tab-separated, every line ended by a line feed.
std::string TableText(const std::vector<TCellTexts>& rows);

// The points of such text from a spreadsheet or an editor: tabs, semicolons, commas or blanks
// between the numbers (any run of them is one separator, and one at either end of a line is
// none), line feeds with or without carriage returns, blank lines at the end left out, and a
// first line without a single number taken for a header and skipped. Anything else that is not
// three 32-bit integers a line raises framework::Exception naming the first bad line, as is a
// text without any point.
std::vector<TPointValues> ParseTableText(std::string_view text);

}  // namespace Bezier
