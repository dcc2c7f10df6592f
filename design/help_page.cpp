#include "design/help_page.h"

#include "design/help_text.h"

namespace HelpPage {

namespace {

constexpr std::string_view FullWidthSpace = "　";
// A line without its leading full-width spaces.
std::string_view Unindented(std::string_view line) {
    while (line.starts_with(FullWidthSpace)) {
        line.remove_prefix(FullWidthSpace.size());
    }
    return line;
}

} // namespace

std::vector<PrintedLine> Printout() {
    std::vector<PrintedLine> lines;
    int row = 0;
    for (const std::string_view text : HelpLines) {
        if (!text.empty()) {
            lines.push_back({row, text});
        }
        ++row;
    }
    return lines;
}

int RowCount() {
    return static_cast<int>(HelpLines.size());
}

std::vector<std::string_view> ReadingLines() {
    std::vector<std::string_view> lines;
    lines.reserve(HelpLines.size());
    for (const std::string_view printed : HelpLines) {
        lines.push_back(Unindented(printed));
    }
    return lines;
}

} // namespace HelpPage
