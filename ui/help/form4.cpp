#include "ui/help/form4.h"

#include "platform/fonts.h"
#include "ui/help/form4_layout.h"
#include "ui/help/help_text.h"

namespace {

constexpr QChar FullWidthSpace = QChar(0x3000);
// A printed line indented this far continues the sentence of the line above.
constexpr int ContinuationIndent = 7;

// The help text as running text for a screen reader: indents dropped, the
// printed line breaks inside sentences joined again.
QString HelpPlainText() {
    QString text;
    for (const std::string_view line : HelpLines) {
        const QString printed = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        qsizetype indent = 0;
        while (indent < printed.size() && printed.at(indent) == FullWidthSpace) {
            ++indent;
        }
        if (indent != ContinuationIndent && !text.isEmpty()) {
            text += QLatin1Char('\n');
        }
        text += printed.mid(indent);
    }
    return text;
}

} // namespace

Form4::Form4() : SurfaceWindow(Form4Layout::Window) {
    Picture1.setFont(JapaneseFont(Form4Layout::Picture1PointSize));
    // The text is printed as pixels; a screen reader gets it as text.
    Picture1.setAccessibleName(QStringLiteral("設問と操作方法"));
    Picture1.setAccessibleDescription(HelpPlainText());
}

void Form4::Form_Activate() {
    Picture1.Cls();
    for (const std::string_view line : HelpLines) {
        if (line.empty()) {
            Picture1.Print();
        } else {
            Picture1.Print(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        }
    }
}

void Form4::Command1_Click() {
    closeThenReport();
}
