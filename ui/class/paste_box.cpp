#include "ui/class/paste_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <array>
#include <memory>

namespace {

// The editing menu's items by the names Qt gives them, in Japanese: Qt's own
// captions follow translations that a school's machine rarely has.
struct MenuCaption {
    const char* objectName;
    const char* caption;
};
constexpr std::array<MenuCaption, 7> EditCaptions{{
    {"edit-undo", "元に戻す"},
    {"edit-redo", "やり直す"},
    {"edit-cut", "切り取り"},
    {"edit-copy", "コピー"},
    {"edit-paste", "貼り付け"},
    {"edit-delete", "削除"},
    {"select-all", "すべて選択"},
}};

} // namespace

PasteBox::PasteBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

QStringList PasteBox::LocalFiles(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    return paths;
}

bool PasteBox::canInsertFromMimeData(const QMimeData* source) const {
    return !LocalFiles(*source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void PasteBox::insertFromMimeData(const QMimeData* source) {
    const QStringList files = LocalFiles(*source);
    if (!files.isEmpty()) {
        emit filesOffered(files);
        return;
    }
    // Only ever the plain text of what is pasted, never its markup.
    if (source->hasText()) {
        textCursor().insertText(source->text());
        ensureCursorVisible();
    }
}

void PasteBox::insertLines(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The lines in the box keep their starts and ends: the new lines go
    // between them, never into one.
    if (!cursor.atBlockStart()) {
        cursor.movePosition(QTextCursor::EndOfBlock);
        lines.prepend(QLatin1Char('\n'));
        if (lines.endsWith(QLatin1Char('\n'))) {
            lines.chop(1);
        }
    } else if (!cursor.atBlockEnd() && !lines.endsWith(QLatin1Char('\n'))) {
        lines.append(QLatin1Char('\n'));
    }
    cursor.insertText(lines);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void PasteBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    for (QAction* action : menu->actions()) {
        for (const MenuCaption& item : EditCaptions) {
            if (action->objectName() == QLatin1String(item.objectName)) {
                // Qt writes the shortcut after a tab; it stays as it is.
                const QString shortcut = action->text().section(QLatin1Char('\t'), 1);
                action->setText(QString::fromUtf8(item.caption) +
                                (shortcut.isEmpty() ? QString() : u'\t' + shortcut));
            }
        }
    }
    menu->exec(event->globalPos());
}
