#include "ui/help/form4.h"

#include "design/help_page.h"
#include "platform/design_qt.h"
#include "platform/fonts.h"

Form4::Form4() : SurfaceWindow(Form4Layout::Window) {
    Picture1.setFont(JapaneseFont(Form4Layout::Picture1Font));
    // The text is printed as pixels; a screen reader reads it as text, line
    // by line, from the top.
    Picture1.setAccessibleName(ToQString(Form4Layout::SurfaceName));
    QStringList lines;
    for (const std::string_view line : HelpPage::ReadingLines()) {
        lines << ToQString(line);
    }
    Picture1.setReadableLines(lines);
}

void Form4::Form_Activate() {
    Picture1.Cls();
    const float lineHeight = Picture1.textLineHeight();
    for (const HelpPage::PrintedLine& line : HelpPage::Printout()) {
        Picture1.CurrentY = static_cast<float>(line.row) * lineHeight;
        Picture1.Print(ToQString(line.text));
    }
}

void Form4::Command1_Click() {
    closeThenReport();
}
