#include "design/help_page.h"

#include "design/help_text.h"

namespace HelpPage {

namespace {

constexpr std::string_view FullWidthSpace = "　";
// A printed line indented this far continues the sentence of the line above.
constexpr int ContinuationIndent = 7;

// A line without its leading full-width spaces, and how many there were.
std::string_view Unindented(std::string_view line, int& indent) {
    indent = 0;
    while (line.starts_with(FullWidthSpace)) {
        line.remove_prefix(FullWidthSpace.size());
        ++indent;
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

std::vector<std::string> Paragraphs() {
    std::vector<std::string> paragraphs;
    for (const std::string_view printed : HelpLines) {
        int indent = 0;
        const std::string_view line = Unindented(printed, indent);
        if (indent == ContinuationIndent && !paragraphs.empty()) {
            paragraphs.back() += line;
        } else if (!line.empty()) {
            paragraphs.emplace_back(line);
        }
    }
    return paragraphs;
}

std::vector<std::string_view> ReadingLines() {
    std::vector<std::string_view> lines;
    for (const std::string_view printed : HelpLines) {
        int indent = 0;
        lines.push_back(Unindented(printed, indent));
    }
    return lines;
}

} // namespace HelpPage
