#pragma once

#include <QMenu>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// A window's context menu of copy commands and, below them, choices that can
// be ticked. It opens with a right click, the Menu key or Shift+F10; the
// first command also answers Ctrl+C anywhere in the window. While a modal box is open the window
// gets no keys or clicks, so nothing is copied from behind it.
class CopyMenu final : public QObject {
    Q_OBJECT
public:
    explicit CopyMenu(QWidget& window);

    void addCommand(const QString& text, std::function<void()> copy);
    // A checkable item, ticked as `checked` says; `change` hears each toggle.
    void addChoice(const QString& text, bool checked, std::function<void(bool)> change);
    // A line between the items before and after it.
    void addSeparator() { m_menu.addSeparator(); }
    const QMenu& menu() const { return m_menu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QMenu m_menu;
};
