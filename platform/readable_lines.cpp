#include "platform/readable_lines.h"

#include <algorithm>

void ReadableLines::setLines(const QStringList& lines) {
    m_lines = lines;
    m_caretLine = 0;
}

int ReadableLines::caretOffset() const {
    qsizetype offset = 0;
    for (qsizetype line = 0; line < m_caretLine; ++line) {
        offset += m_lines.at(line).size() + 1;
    }
    return static_cast<int>(offset);
}

bool ReadableLines::moveCaret(int key) {
    const qsizetype last = m_lines.size() - 1;
    qsizetype line = m_caretLine;
    switch (key) {
    case Qt::Key_Up:
        line = std::max<qsizetype>(0, line - 1);
        break;
    case Qt::Key_Down:
        line = std::min(last, line + 1);
        break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        line = 0;
        break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
        line = last;
        break;
    default:
        return false;
    }
    if (isEmpty()) {
        return false;
    }
    m_caretLine = line;
    return true;
}

ReadableLinesAccessible::ReadableLinesAccessible(QWidget* widget, const ReadableLines& lines)
    : QAccessibleWidget(widget), m_lines(lines) {}

QAccessible::Role ReadableLinesAccessible::role() const {
    return m_lines.isEmpty() ? QAccessible::Graphic : QAccessible::EditableText;
}

void* ReadableLinesAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface && !m_lines.isEmpty()) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadableLinesAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (!m_lines.isEmpty()) {
        state.readOnly = true;
        state.multiLine = true;
    }
    return state;
}

QString ReadableLinesAccessible::text(int start, int end) const {
    return m_lines.text().mid(start, end - start);
}

QString ReadableLinesAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}
