#include "platform/fonts.h"

#include "platform/design_qt.h"

#include <QApplication>
#include <QFontDatabase>

QStringList JapaneseFallbackFamilies() {
    return {ToQString(DesignFontFamily), QStringLiteral("Ume P Gothic"),
            QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
            QStringLiteral("IPAGothic")};
}

QString JapaneseFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        QString found;
        for (const QString& candidate : JapaneseFallbackFamilies()) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) {
                found = candidate;
                break;
            }
        }
        // Without a substitution Qt maps the design name to a Latin face and
        // borrows the Japanese glyphs from a wider monospaced fallback.
        QFont::insertSubstitutions(ToQString(DesignFontFamily), JapaneseFallbackFamilies().mid(1));
        return found.isEmpty() ? QFont().family() : found;
    }();
    return family;
}

QFont JapaneseFont(qreal pointSize, bool bold) {
    QFont font(JapaneseFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // At 96 dpi 11.25 pt is exactly 15 px; keep the glyphs on whole pixels.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void ApplyDefaultFont() {
    QApplication::setFont(JapaneseFont(WindowFont));
}
