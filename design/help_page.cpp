#include "design/help_page.h"

#include "design/help_text.h"

namespace HelpPage {

namespace {

constexpr std::string_view FullWidthSpace = "　";
// A printed line indented this far continues the sentence of the line above.
constexpr int ContinuationIndent = 7;

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
    for (std::string_view line : HelpLines) {
        int indent = 0;
        while (line.starts_with(FullWidthSpace)) {
            line.remove_prefix(FullWidthSpace.size());
            ++indent;
        }
        if (indent == ContinuationIndent && !paragraphs.empty()) {
            paragraphs.back() += line;
        } else if (!line.empty()) {
            paragraphs.emplace_back(line);
        }
    }
    return paragraphs;
}

} // namespace HelpPage
