#pragma once

#include <string_view>
#include <vector>

// The help page as printed: every line of the text starts at the surface's
// left edge, one text line below the one before, from the top.
namespace HelpPage {

struct PrintedLine {
    int row; // 0 for the top line; the height of a row is the font's line height
    std::string_view text;
};

// The printed lines with their rows; the empty lines print nothing and only
// take their row.
std::vector<PrintedLine> Printout();
// Rows in all, the empty ones included.
int RowCount();

// The printed lines as a screen reader reads them line by line: every row,
// the empty ones included, without its indent.
std::vector<std::string_view> ReadingLines();

} // namespace HelpPage
