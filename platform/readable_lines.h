#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <QStringList>

// What a surface prints, as a read-only text for a screen reader: one entry
// a line, top to bottom, and a caret at the start of a line that the arrow
// keys move from line to line.
class ReadableLines {
public:
    void setLines(const QStringList& lines);
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // The caret's place in text(): the start of a line.
    int caretOffset() const;
    // Moves the caret for Up, Down, Home, End, PageUp and PageDown; false for
    // any other key, or when there are no lines.
    bool moveCaret(int key);

private:
    QStringList m_lines;
    qsizetype m_caretLine = 0;
};

// What a screen reader sees of a widget with readable lines: a figure, named
// and described, while there are none; a read-only text of them once there are.
class ReadableLinesAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ReadableLinesAccessible(QWidget* widget, const ReadableLines& lines);

    // Asked each time: the lines may come after a screen reader first met the widget.
    QAccessible::Role role() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    // Read-only: no selection, the caret at a line's start.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return m_lines.caretOffset(); }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override { return static_cast<int>(m_lines.text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The text has no attributes of its own: one run over all of it, which a
    // screen reader takes as one, and so reads each line whole.
    QString attributes(int, int* start, int* end) const override;

private:
    const ReadableLines& m_lines;
};
