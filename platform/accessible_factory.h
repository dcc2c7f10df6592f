#pragma once

#include <QAccessible>

// Makes a screen reader see every widget of class W through the interface A,
// which takes the widget in its constructor. Installed once per pair.
template <class W, class A> QAccessibleInterface* AccessibleFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<W*>(object);
    return widget != nullptr ? new A(widget) : nullptr;
}

template <class W, class A> void InstallAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFor<W, A>);
        return true;
    }();
    Q_UNUSED(installed);
}
