#include "platform/copy_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QWidget>
#include <utility>

CopyMenu::CopyMenu(QWidget& window) : QObject(&window), m_window(window), m_menu(&window) {
    window.installEventFilter(this);
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] {
        const QWidget* focus =
            m_window.focusWidget() != nullptr ? m_window.focusWidget() : &m_window;
        m_menu.popup(focus->mapToGlobal(focus->rect().center()));
    });
    window.addAction(menuKey);
}

void CopyMenu::addCommand(const QString& text, std::function<void()> copy) {
    QAction* action = m_menu.addAction(text);
    action->setParent(this);
    if (m_menu.actions().size() == 1) {
        action->setShortcut(QKeySequence::Copy);
        m_window.addAction(action);
    }
    connect(action, &QAction::triggered, this, std::move(copy));
}

void CopyMenu::addChoice(const QString& text, bool checked, std::function<void(bool)> change) {
    QAction* action = m_menu.addAction(text);
    action->setParent(this);
    action->setCheckable(true);
    action->setChecked(checked);
    connect(action, &QAction::toggled, this, std::move(change));
}

bool CopyMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::ContextMenu) {
        m_menu.popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
