#include "ui/help/form4.h"

#include "design/help_page.h"
#include "platform/design_qt.h"
#include "platform/fonts.h"

namespace {

// The help text as running text for a screen reader, a paragraph a line.
QString HelpPlainText() {
    QStringList paragraphs;
    for (const std::string& paragraph : HelpPage::Paragraphs()) {
        paragraphs << QString::fromStdString(paragraph);
    }
    return paragraphs.join(QLatin1Char('\n'));
}

} // namespace

Form4::Form4() : SurfaceWindow(Form4Layout::Window) {
    Picture1.setFont(JapaneseFont(Form4Layout::Picture1Font));
    // The text is printed as pixels; a screen reader gets it as text.
    Picture1.setAccessibleName(ToQString(Form4Layout::SurfaceName));
    Picture1.setAccessibleDescription(HelpPlainText());
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
